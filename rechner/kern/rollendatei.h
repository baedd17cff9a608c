#pragma once

// Roll files: the roll as RTF, one right-aligned bold paragraph per line, Windows-1252.
// Reading also takes RTF from other programs and plain Windows-1252 text.

#include <QByteArray>
#include <QString>
#include <QStringList>

// A roll file larger than this, or giving more lines, is not read: a year of a busy shop's
// roll stays far below, and the machine keeps its memory.
constexpr qint64 RollendateiHoechstBytes = qint64(128) << 20;
constexpr qsizetype RollendateiHoechstZeilen = 8'000'000;

// The roll as an RTF document: every line a paragraph, blanks kept exactly.
QByteArray RtfAusZeilen(const QStringList& zeilen);
// Lines of an RTF document, or of plain text when it does not start with "{\rtf" (split by the
// roll's rule: breaks at CR LF, CR or LF, text after the last break a line when not empty).
// Throws Fehler("Fehler beim Laden der Datei!") when the content cannot be read: a truncated
// or too deeply nested RTF document, or more than the limits above.
QStringList ZeilenAusDatei(const QByteArray& inhalt);

// Writes the roll to a temporary file beside the target, renamed over it when complete.
// Throws Fehler("Datei %s kann nicht erstellt werden") on failure; the old file stays whole.
void RollendateiSchreiben(const QString& pfad, const QStringList& zeilen);
// Throws Fehler("Datei %s kann nicht geöffnet werden") when the file cannot be opened or read,
// and Fehler("Fehler beim Laden der Datei!") when its content cannot be read.
QStringList RollendateiLesen(const QString& pfad);

// The file name part of a path: the text after the last "/".
QString Dateiname(const QString& pfad);
