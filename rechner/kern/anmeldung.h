#pragma once

// Model of the PIN window TForm3: every change of the PIN field is matched against each line
// of the operator list, and each matching line writes a sign-in or sign-out block onto the main
// roll and switches the main window's menu items and cover. Whether an operator is signed in is
// the enabled state of the main window's "Abmelden" item; no other record exists.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/registrierung.h"

#include <QString>

class Anmeldung {
public:
    Anmeldung(Hauptmodell& hauptmodell, Registrierung& registrierung)
        : w(hauptmodell.w), haupt(hauptmodell), m_registrierung(registrierung) {}

    static constexpr int PinLaenge = 4;

    Programmwerte& w;
    Hauptmodell& haupt;

    bool Sichtbar = false;
    QString Beschriftung;                  // caption, "Anmelden" or "Abmelden"
    QString Edit1;                         // the PIN field, upper case
    QString Label2 = QStringLiteral("NO"); // status
    bool Label2Gruen = false;              // "OK" in green after a match, else red
    bool Timer1Aktiv = false;              // the close timer
    QString Fokus;

    // The main window's menu items "Anmelden" and "Abmelden" choose the direction; the window
    // then shows the PIN window.
    void Anmelden1Click() { w.Anmelderichtung = Programmwerte::Richtung::Anmelden; }
    void Abmelden1Click() { w.Anmelderichtung = Programmwerte::Richtung::Abmelden; }

    void FormShow();
    void Edit1Change();
    void Edit1Getippt(const QString& text);
    void Timer1Timer();
    void BitBtn1Click(); // "Abbrechen"

private:
    void block(const QString& namensteil);
    void anmelden();
    void abmelden();

    Registrierung& m_registrierung;
};
