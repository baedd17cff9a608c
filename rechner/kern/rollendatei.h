#pragma once

// Roll files: the roll as RTF, one right-aligned bold paragraph per line, Windows-1252.
// Reading also takes RTF from other programs and plain Windows-1252 text. Both directions work
// in pieces: a file is never held whole beside the roll's lines, and whatever roll the program
// writes, it reads back. Only the memory its lines would take bounds what can be read.

#include "common/fehler.h"
#include "rechner/kern/zeilenstrom.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// "Datei %s kann nicht geöffnet werden", telling whether there is no file at the path at all.
class Oeffnungsfehler : public Fehler {
public:
    Oeffnungsfehler(const QString& pfad, bool fehlt)
        : Fehler(Fehlertexte::dateiNichtOeffenbar(pfad)), m_fehlt(fehlt) {}
    bool dateiFehlt() const { return m_fehlt; }

private:
    bool m_fehlt;
};

// The roll as an RTF document: every line a paragraph, blanks kept exactly.
QByteArray rtfAusZeilen(const QStringList& zeilen);
// Lines of an RTF document, or of plain text when it does not start with "{\rtf" (split by the
// roll's rule: breaks at CR LF, CR or LF, text after the last break a line when not empty),
// read from the pieces of `quelle`. Throws Fehler("Fehler beim Laden der Datei!") when the
// content cannot be read (a truncated or too deeply nested RTF document), and
// Ursachenfehler("Datei  ist zu groß") when the lines would take more than `speichergrenze`
// bytes or the memory runs out before.
QStringList zeilenAusQuelle(Bytequelle& quelle, qint64 speichergrenze);
// The same for a document in memory, with the limit lesespeichergrenze().
QStringList zeilenAusDatei(const QByteArray& inhalt);

// Writes the roll to a temporary file beside the target, renamed over it when complete.
// Throws Fehler("Datei %s kann nicht erstellt werden") on failure; the old file stays whole.
void rollendateiSchreiben(const QString& pfad, const QStringList& zeilen);
// Throws Oeffnungsfehler when the file cannot be opened or read,
// Ursachenfehler("Datei %s ist zu groß") when its lines would take more than `speichergrenze`
// bytes (by default lesespeichergrenze()) or the memory runs out before, and Fehler("Fehler beim
// Laden der Datei!") when its content cannot be read. A name that cannot be represented raises its
// Ursachenfehler, in both directions.
QStringList rollendateiLesen(const QString& pfad);
QStringList rollendateiLesen(const QString& pfad, qint64 speichergrenze);

// The file name part of a path: the text after the last "/".
QString dateinamenteil(const QString& pfad);
