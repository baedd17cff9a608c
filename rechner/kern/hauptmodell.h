#pragma once

// Model of the main window: the calculator state, the texts of the display fields, the enabled
// states the window shows, and the main roll. The window calls one operation per key, menu item
// or timer tick and then refreshes its widgets from these fields; an operation that fails throws
// Fehler after the steps before the failing one have taken effect.

#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rolle.h"

#include <QDateTime>
#include <QString>
#include <optional>

class Hauptmodell {
public:
    explicit Hauptmodell(Programmwerte& werte) : w(werte) {}

    Programmwerte& w;

    enum class Operator { Plus, Minus, Mal, Geteilt, Prozent };

    // Calculator state.
    double Eingabewert = 0;
    double Zwischenwert = 0;
    double Prozentbasis = 0;
    double Speicher = 0;
    double MPlusWert = 0;
    double MMinusWert = 0;
    std::optional<Operator> offenerOperator; // the operator the next value completes
    bool NeueEingabe = false;                // the next digit starts a new number
    bool KommaErlaubt = false;

    // Field texts.
    QString anzeige = QStringLiteral("0");
    QString operatorzeichen;
    QString zwischenwertText;
    QString speicherText; // "M - Speicher"
    QString uhrText;
    QString firmenText;
    QString gesamtText;    // the grand total, "Gesamt:"
    QString versionszeile; // the hidden version line the update check hands over
    QString statuszeile[3];
    QString fenstertitel;

    // The enabled states of the time keys.
    bool mStdAktiv = true; // "M-Std"
    bool mDezAktiv = true; // "M-Dez"
    bool stdMAktiv = true; // "Std-M"

    Rolle rolle; // the main roll

    // The sign-in states: the menu items "Anmelden", "Abmelden", "Drucken" and "Registrieren"
    // and the cover over the keypad. Only the transitions below change them. Someone is signed
    // in while "Abmelden" is enabled; no other record exists.
    bool anmeldenAktiv() const { return m_anmelden; }
    bool abmeldenAktiv() const { return m_abmelden; }
    bool druckenAktiv() const { return m_drucken; }
    bool registrierenAktiv() const { return m_registrieren; }
    bool anmeldeDeckelSichtbar() const { return m_deckel; }
    bool istAngemeldet() const { return m_abmelden; }

    // Start-up begins with nobody signed in, no sign-in and no printing.
    void vorDemStart();
    // Start-up applies the sign-in setting: without sign-in the keypad is open and prints,
    // with sign-in required it is covered; any other value leaves the states.
    void nachStarteinstellungen();
    // Leaving the administration window: the same as start-up, except that "Anmelden" stays.
    void nachVerwaltung();
    // "Anmelden" is enabled when somebody is registered and the settings require sign-in.
    void anmeldenNachListe(bool nutzerRegistriert);
    void nachAnmeldung();
    void nachAbmeldung();

    // Digits and comma.
    void ziffer(int ziffer);
    void komma();

    // Operators, result and clearing.
    void plus();
    void minus();
    void mal();
    void geteilt();
    void gleich();
    void ce();
    void ac();
    void Berechnung();
    void Grundstellung();
    void Zeitgrund();       // minutes setting of the time keys
    void Stundenstellung(); // hours setting of the time keys

    // Function and memory keys.
    void prozent();
    void quadrat();
    void wurzel();
    void vorzeichenwechsel(); // "(-)"
    void speicherPlus();      // "M+"
    void speicherMinus();     // "M-"
    void speicherAbruf();     // "MR"
    void speicherLoeschen();  // "MC"

    // Time conversions.
    void minutenInStunden(); // "M-Std"
    void stundenInMinuten(); // "Std-M"
    void minutenInDezimal(); // "M-Dez"
    static QString TimeToMin(const QString& stundenMinuten);

    // Roll stamps and the clock.
    void datumsstempel();
    void startstempel();
    void uhrTick(const QDateTime& jetzt);
    // Writes the administrator's clearing block into the roll copy in place of its lines.
    void allesLoeschen(Rolle& rollenkopie);

    // Keyboard sink.
    bool tastaturGesperrt() const;
    void zeichenGetippt(QChar zeichen);
    void funktionstaste(int nummer); // 1..12 for F1..F12

private:
    void operatorTaste(Operator op);
    bool offenenOperatorAnwenden();
    void zeileInRollenform(const QString& vorsatz, double wert, const QString& ende);
    QString rollenform(double wert) const;
    void zeitTastenFuerAnzeige();
    void anhaengen(const QString& stueck) { rolle.anhaengen(stueck); }

    bool m_anmelden = true;
    bool m_abmelden = true;
    bool m_drucken = true;
    bool m_registrieren = true;
    bool m_deckel = true;
};

// The clock text of the main window: German date, and the time unless it is 00:00:00.
QString Uhrtext(const QDateTime& jetzt);
