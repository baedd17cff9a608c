#pragma once

// The data folder and its two files: the operator file KRAMV.txt and the settings file
// AUTMV.txt, Windows-1252 with CR LF. The program never creates the folder.

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/programmwerte.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The per-user data folder with a trailing "/", or the program folder when there is none.
QString DatenOrdner();
// The rule behind it: the platform's folder, else the program's, each with a trailing "/".
QString datenOrdnerAus(const QString& plattformOrdner, const QString& programmOrdner);
QString nutzerdateipfad();       // DatenOrdner + "Morvane/Rechner/KRAMV.txt"
QString einstellungsdateipfad(); // DatenOrdner + "Morvane/Rechner/AUTMV.txt"

// The contents of the two files as bytes, without a disk: what the file functions below read
// and write.

// The operator list text of the operator file's bytes: Windows-1252, every line break made
// CR LF.
QString nutzerlisteAus(QByteArrayView bytes);
// The operator file's bytes of the list text, byte for byte (its breaks are CR LF, as loading
// makes them).
QByteArray nutzerlistenBytes(const QString& listenText);
// Takes the six settings lines of the settings file's bytes into `werte` and converts lines 3
// to 5. A line ends at CR LF or a lone LF; a CR not followed by LF is dropped from the text;
// lines missing at the end read as empty; anything after the sixth line is ignored. Raises
// "'%s' ist kein gültiger Integerwert"; what was assigned before keeps its value.
void einstellungenAus(QByteArrayView bytes, Programmwerte& werte);
// The six text variables in Windows-1252, each followed by CR LF.
QByteArray einstellungsBytes(const Programmwerte& werte);
// Whether a text goes into one line of the settings file and reads back unchanged: no line
// break, and every character one of Windows-1252.
bool einstellungszeileMoeglich(const QString& text);

// Loads the operator file into the list text, line breaks made CR LF. A failure shows
// "Fehler beim Laden der Datei!" and leaves the text. Returns whether the text changed.
bool NutzerlisteLaden(QString& listenText, Dialoge& dialoge);
// Writes the list text byte for byte (its breaks are CR LF, as loading makes them); a failure
// shows "Fehler beim Speichern der Datei!" and leaves the old file whole.
void NutzerlisteSpeichern(const QString& listenText, Dialoge& dialoge);

// Reads the settings file as einstellungenAus takes it, the first six lines only; raises the
// platform's texts as well.
void EinstellungenLesen(Programmwerte& werte);
// Writes einstellungsBytes; raises the platform's texts and leaves the old file whole.
void EinstellungenSchreiben(const Programmwerte& werte);
