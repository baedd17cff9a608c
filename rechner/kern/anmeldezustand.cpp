// Start-up of the main window's model and its sign-in states: the only place that switches the
// menu items "Anmelden", "Abmelden", "Drucken", "Registrieren" and the cover over the keypad.
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/version.h"
#include "rechner/kern/zahlformen.h"

Hauptmodell::Hauptmodell(Programmwerte& werte)
    : m_werte(werte), m_versionszeile(QStringLiteral("Aktuelle Version: ") + DateiVersion()) {}

void Hauptmodell::vorDemStart() {
    m_abmelden = m_anmelden = m_drucken = false;
    m_stdMAktiv = false;
    Grundstellung();
    m_speicherText = m_zwischenwertText = QStringLiteral("0");
    m_produktzeile = Produktname + QStringLiteral(" Version ") + DateiVersion();
}

void Hauptmodell::nachDemStart() {
    m_fenstertitel = Produktname;
}

void Hauptmodell::firmennameZeigen() {
    m_firmenText = m_werte.Firmenname;
}

void Hauptmodell::gesamtumsatzZuruecksetzen() {
    m_werte.Gesamtumsatz = 0;
    m_gesamtText = gruppiert(m_werte.Gesamtumsatz, m_werte.Kommastellen);
}

void Hauptmodell::nachStarteinstellungen() {
    nachVerwaltung();
    if (m_werte.ohneAnmeldung())
        m_anmelden = false;
}

void Hauptmodell::nachVerwaltung() {
    if (m_werte.ohneAnmeldung()) {
        m_deckel = false;
        m_drucken = true;
    }
    if (m_werte.anmeldungVerlangt())
        m_deckel = true;
}

void Hauptmodell::anmeldenNachListe(bool nutzerRegistriert) {
    m_anmelden = nutzerRegistriert && !m_werte.ohneAnmeldung();
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
