#pragma once

// Roll files: the roll as RTF, one right-aligned bold paragraph per line, Windows-1252.
// Reading also takes RTF from other programs and plain Windows-1252 text.

#include <QByteArray>
#include <QString>
#include <QStringList>

QByteArray RtfAusZeilen(const QStringList& zeilen);
// Lines of an RTF document, or of plain text when it does not start with "{\rtf".
// Throws Fehler when the content cannot be read.
QStringList ZeilenAusDatei(const QByteArray& inhalt);

// Writes the roll to a temporary file beside the target, renamed over it when complete.
// Throws Fehler("Datei %s kann nicht erstellt werden") on failure; the old file stays whole.
void RollendateiSchreiben(const QString& pfad, const QStringList& zeilen);
// Throws Fehler("Datei %s kann nicht geöffnet werden") when the file cannot be opened or read.
QStringList RollendateiLesen(const QString& pfad);

// The file name part of a path: the text after the last "/".
QString Dateiname(const QString& pfad);
