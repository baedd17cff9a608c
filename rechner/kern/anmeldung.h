#pragma once

// Model of the PIN window: every change of the PIN field is matched against each line of the
// operator list, and each matching line writes a sign-in or sign-out block onto the main roll
// and switches the main window's sign-in states.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/verwaltung.h"

#include <QString>
#include <utility>

class Anmeldung {
public:
    Anmeldung(Programmwerte& werte, Hauptmodell& hauptmodell, const Verwaltung& verwaltung)
        : m_werte(werte), m_haupt(hauptmodell), m_verwaltung(verwaltung) {}

    enum class Fokus { Keiner, Pin };

    bool sichtbar() const { return m_sichtbar; }
    const QString& fenstertitel() const { return m_fenstertitel; } // "Anmelden" or "Abmelden"
    const QString& pin() const { return m_pin; }                   // the PIN field, upper case
    const QString& status() const { return m_status; }             // "OK" after a match
    bool statusGruen() const { return m_statusGruen; } // "OK" in green after a match, else red
    bool schliessZeitgeberAktiv() const { return m_schliessZeitgeberAktiv; }
    // The field that gets the keyboard focus next; taking it leaves none.
    Fokus fokusNehmen() { return std::exchange(m_fokus, Fokus::Keiner); }

    // The main window's menu items "Anmelden" and "Abmelden" choose the direction; the window
    // then shows the PIN window.
    void anmeldenGewaehlt() { m_werte.Anmelderichtung = Programmwerte::Richtung::Anmelden; }
    void abmeldenGewaehlt() { m_werte.Anmelderichtung = Programmwerte::Richtung::Abmelden; }

    void beimZeigen();
    void pinGetippt(const QString& text);
    void schliessZeitgeberTick();
    void abbrechen();

private:
    void pinPruefen();
    void block(const QString& namensteil);
    void anmelden();
    void abmelden();

    Programmwerte& m_werte;
    Hauptmodell& m_haupt;
    const Verwaltung& m_verwaltung;

    bool m_sichtbar = false;
    QString m_fenstertitel;
    QString m_pin;
    QString m_status = QStringLiteral("NO");
    bool m_statusGruen = false;
    bool m_schliessZeitgeberAktiv = false;
    Fokus m_fokus = Fokus::Keiner;
};
