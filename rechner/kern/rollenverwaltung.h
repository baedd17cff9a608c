#pragma once

// The three roll-file operations of the administration window's roll tab, also used by
// start-up and shut-down: save roll, open roll, new roll. Each shows its own failure
// ("Fehler beim Speichern der Datei!", "Fehler beim Laden der Datei!", or the cause where the
// user must learn it: a file too large, a name that cannot be represented) and returns
// normally; the roll-file state then keeps its values.

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rolle.h"

class Rollenverwaltung {
public:
    Rollenverwaltung(Programmwerte& werte, Rolle& hauptrolle, Rolle& rollenkopie, Dialoge& dialoge)
        : m_werte(werte), m_haupt(hauptrolle), m_kopie(rollenkopie), m_dialoge(dialoge) {}

    // What became of a save: the close request goes on after a cancelled save and stays after a
    // failed one.
    enum class Speicherung { Gespeichert, Abgebrochen, Fehlgeschlagen };

    Speicherung speichern(); // "Registrierolle speichern"
    void oeffnen();          // "Registrierrolle öffnen"
    void neueRolle();        // "Neue Registrierrolle  anlegen"

    static const QString NeueRolleFrage;

private:
    Programmwerte& m_werte;
    Rolle& m_haupt;
    Rolle& m_kopie;
    Dialoge& m_dialoge;
};
