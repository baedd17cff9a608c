#pragma once

// Model of the PIN window: every change of the PIN field is matched against each line of the
// operator list, and each matching line writes a sign-in or sign-out block onto the main roll
// and switches the main window's sign-in states.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/verwaltung.h"

#include <QString>

class Anmeldung {
public:
    Anmeldung(Hauptmodell& hauptmodell, Verwaltung& verwaltung)
        : w(hauptmodell.w), haupt(hauptmodell), m_verwaltung(verwaltung) {}

    enum class Fokus { Keiner, Pin };

    Programmwerte& w;
    Hauptmodell& haupt;

    bool sichtbar = false;
    QString fenstertitel;                  // "Anmelden" or "Abmelden"
    QString pin;                           // the PIN field, upper case
    QString status = QStringLiteral("NO"); // "OK" after a match
    bool statusGruen = false;              // "OK" in green after a match, else red
    bool schliessZeitgeberAktiv = false;   // the close timer
    Fokus fokus = Fokus::Keiner;           // the field that gets the focus next

    // The main window's menu items "Anmelden" and "Abmelden" choose the direction; the window
    // then shows the PIN window.
    void anmeldenGewaehlt() { w.Anmelderichtung = Programmwerte::Richtung::Anmelden; }
    void abmeldenGewaehlt() { w.Anmelderichtung = Programmwerte::Richtung::Abmelden; }

    void beimZeigen();
    void pinPruefen();
    void pinGetippt(const QString& text);
    void schliessZeitgeberTick();
    void abbrechen();

private:
    void block(const QString& namensteil);
    void anmelden();
    void abmelden();

    Verwaltung& m_verwaltung;
};
