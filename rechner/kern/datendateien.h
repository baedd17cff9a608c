#pragma once

// The data folder and its two files: the operator file KRAMV.txt and the settings file
// AUTMV.txt, Windows-1252 with CR LF. The program never creates the folder.

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/programmwerte.h"

#include <QString>

// The per-user data folder with a trailing "/", or the program folder when there is none.
QString DatenOrdner();
// The rule behind it: the platform's folder, else the program's, each with a trailing "/".
QString DatenOrdnerAus(const QString& plattformOrdner, const QString& programmOrdner);
QString Nutzerdateipfad();       // DatenOrdner + "Morvane/Rechner/KRAMV.txt"
QString Einstellungsdateipfad(); // DatenOrdner + "Morvane/Rechner/AUTMV.txt"

// Loads the operator file into the list text, line breaks made CR LF. A failure shows
// "Fehler beim Laden der Datei!" and leaves the text. Returns whether the text changed.
bool NutzerlisteLaden(QString& listenText, Dialoge& dialoge);
// Writes the list text byte for byte (its breaks are CR LF, as loading makes them); a failure
// shows "Fehler beim Speichern der Datei!" and leaves the old file whole.
void NutzerlisteSpeichern(const QString& listenText, Dialoge& dialoge);

// Reads the six settings lines and converts lines 3 to 5; raises the platform's texts and
// "'%s' ist kein gültiger Integerwert". What was assigned before a failure keeps its value.
void EinstellungenLesen(Programmwerte& werte);
// Writes the six text variables, each followed by CR LF; raises the platform's texts and
// leaves the old file whole.
void EinstellungenSchreiben(const Programmwerte& werte);
