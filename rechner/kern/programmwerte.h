#pragma once

#include <QString>
#include <QtGlobal>

// The program-wide values that the main window, the administration window and the PIN window
// share. One instance lives in the program block and is handed by reference to each model.
struct Programmwerte {
    // Settings, as the settings file holds them. Numbers are 8-bit: a value read from the file
    // is stored modulo 256 without a range check.
    QString AutopfadText;
    QString Autopfad;
    quint8 Kommastellen = 0;
    QString KommastellenText;
    quint8 RechnerModus = 0; // 1 euro mode, 2 standard mode
    QString RechnerModusText;
    quint8 OhneAnmeldung = 0; // 1 start without sign-in, 2 sign-in required
    QString OhneAnmeldungText;
    QString Firmenname;
    quint8 AutopfadGesetzt = 0;

    // Roll-file state.
    QString Rollenpfad;
    QString Rollenname;
    quint8 NeueRolle = 0;
    quint8 RolleGespeichert = 0;

    quint8 Anmelderichtung = 0; // 1 the PIN window signs in, 0 it signs out
    double Gesamtumsatz = 0;
    qint32 NutzerAnzahl = 0;

    bool euroModus() const { return RechnerModus == 1; }
    // Amount lines in roll form are written only in euro and standard mode.
    bool schreibtRollenform() const { return RechnerModus == 1 || RechnerModus == 2; }
};
