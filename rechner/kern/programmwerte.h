#pragma once

#include <QString>
#include <QtGlobal>

// The program-wide values that the main window, the administration window and the PIN window
// share. One instance lives in the program's owner and is handed by reference to each model.
struct Programmwerte {
    // The values of the two numeric settings that mean something; any other value is stored
    // as read and switches neither way.
    static constexpr quint8 Euromodus = 1;
    static constexpr quint8 Standardmodus = 2;
    static constexpr quint8 AnmeldungAus = 1; // start without sign-in
    static constexpr quint8 AnmeldungEin = 2; // sign-in required

    // Settings, as the settings file holds them. Numbers are 8-bit: a value read from the file
    // is stored modulo 256 without a range check.
    QString AutopfadText;
    QString Autopfad;
    quint8 Kommastellen = 0;
    QString KommastellenText;
    quint8 RechnerModus = 0;
    QString RechnerModusText;
    quint8 OhneAnmeldung = 0;
    QString OhneAnmeldungText;
    QString Firmenname;
    bool AutopfadGesetzt = false;

    // Roll-file state.
    QString Rollenpfad;
    QString Rollenname;
    bool NeueRolle = false;
    bool RolleGespeichert = false;

    enum class Richtung { Abmelden, Anmelden };
    Richtung Anmelderichtung = Richtung::Abmelden; // what a PIN match in the PIN window does
    double Gesamtumsatz = 0;

    bool euroModus() const { return RechnerModus == Euromodus; }
    bool standardModus() const { return RechnerModus == Standardmodus; }
    bool ohneAnmeldung() const { return OhneAnmeldung == AnmeldungAus; }
    bool anmeldungVerlangt() const { return OhneAnmeldung == AnmeldungEin; }
    // Amount lines in roll form are written only in euro and standard mode.
    bool schreibtRollenform() const { return euroModus() || standardModus(); }
};
