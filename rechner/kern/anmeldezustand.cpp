// The sign-in states of the main window: the only place that switches the menu items
// "Anmelden", "Abmelden", "Drucken", "Registrieren" and the cover over the keypad.
#include "rechner/kern/hauptmodell.h"

void Hauptmodell::vorDemStart() {
    m_abmelden = m_anmelden = m_drucken = false;
}

void Hauptmodell::nachStarteinstellungen() {
    nachVerwaltung();
    if (w.ohneAnmeldung())
        m_anmelden = false;
}

void Hauptmodell::nachVerwaltung() {
    if (w.ohneAnmeldung()) {
        m_deckel = false;
        m_drucken = true;
    }
    if (w.anmeldungVerlangt())
        m_deckel = true;
}

void Hauptmodell::anmeldenNachListe(bool nutzerRegistriert) {
    m_anmelden = nutzerRegistriert && !w.ohneAnmeldung();
}

void Hauptmodell::nachAnmeldung() {
    m_abmelden = true;
    m_anmelden = false;
    m_deckel = false;
    m_drucken = true;
    m_registrieren = false;
}

void Hauptmodell::nachAbmeldung() {
    m_abmelden = false;
    m_anmelden = true;
    m_deckel = true;
    m_drucken = false;
    m_registrieren = true;
}
