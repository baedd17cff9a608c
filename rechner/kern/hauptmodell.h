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
    // The version line is written when the model is made, as the main window writes it when it
    // is created.
    explicit Hauptmodell(Programmwerte& werte);

    enum class Operator { Plus, Minus, Mal, Geteilt, Prozent };

    // The program-wide values it shares with the other models.
    const Programmwerte& werte() const { return m_werte; }

    // Calculator state.
    double eingabewert() const { return m_eingabewert; }
    double zwischenwert() const { return m_zwischenwert; }
    double prozentbasis() const { return m_prozentbasis; }
    double speicher() const { return m_speicher; }
    double mPlusWert() const { return m_mPlusWert; }
    // The operator the next value completes.
    std::optional<Operator> offenerOperator() const { return m_offenerOperator; }
    // The next digit starts a new number.
    bool neueEingabe() const { return m_neueEingabe; }
    bool kommaErlaubt() const { return m_kommaErlaubt; }

    // Field texts.
    const QString& anzeige() const { return m_anzeige; }
    const QString& operatorzeichen() const { return m_operatorzeichen; }
    const QString& zwischenwertText() const { return m_zwischenwertText; }
    const QString& speicherText() const { return m_speicherText; } // "M - Speicher"
    const QString& uhrText() const { return m_uhrText; }
    const QString& firmenText() const { return m_firmenText; }
    const QString& gesamtText() const { return m_gesamtText; } // the grand total, "Gesamt:"
    // The hidden version line the update check hands over.
    const QString& versionszeile() const { return m_versionszeile; }
    // Panel 0 of the status bar: the hint of the control under the mouse.
    const QString& hinweis() const { return m_hinweis; }
    // Panel 2 of the status bar: product and version, from start-up on.
    const QString& produktzeile() const { return m_produktzeile; }
    const QString& fenstertitel() const { return m_fenstertitel; }

    // The enabled states of the time keys.
    bool mStdAktiv() const { return m_mStdAktiv; } // "M-Std"
    bool mDezAktiv() const { return m_mDezAktiv; } // "M-Dez"
    bool stdMAktiv() const { return m_stdMAktiv; } // "Std-M"

    // The main roll. Other models append their blocks to it, and loading and the copy-back
    // replace its lines.
    Rolle& rolle() { return m_rolle; }
    const Rolle& rolle() const { return m_rolle; }

    // The sign-in states: the menu items "Anmelden", "Abmelden", "Drucken" and "Registrieren"
    // and the cover over the keypad. Only the transitions below change them. Someone is signed
    // in while "Abmelden" is enabled; no other record exists.
    bool anmeldenAktiv() const { return m_anmelden; }
    bool abmeldenAktiv() const { return m_abmelden; }
    bool druckenAktiv() const { return m_drucken; }
    bool registrierenAktiv() const { return m_registrieren; }
    bool anmeldeDeckelSichtbar() const { return m_deckel; }
    bool istAngemeldet() const { return m_abmelden; }

    // Start-up resets the calculator's fields, writes product and version into the status bar
    // and begins with nobody signed in, no sign-in and no printing.
    void vorDemStart();
    // Start-up ends with the product name as the window's caption.
    void nachDemStart();
    // Start-up applies the sign-in setting: without sign-in the keypad is open and prints,
    // with sign-in required it is covered; any other value leaves the states.
    void nachStarteinstellungen();
    // Leaving the administration window: the same as start-up, except that "Anmelden" stays.
    void nachVerwaltung();
    // "Anmelden" is enabled when somebody is registered and the settings require sign-in.
    void anmeldenNachListe(bool nutzerRegistriert);
    void nachAnmeldung();
    void nachAbmeldung();
    // The company name of the settings is shown above the display.
    void firmennameZeigen();
    // Sign-in in euro mode starts the grand total at 0.
    void gesamtumsatzZuruecksetzen();

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
    void stundenstellung(); // hours setting of the time keys

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
    // The clock panel's text as it is, for a test driver that runs no clock.
    void uhrtextSetzen(const QString& text) { m_uhrText = text; }
    // Writes the administrator's clearing block into the roll copy in place of its lines.
    void allesLoeschen(Rolle& rollenkopie);

    // Status hints: the hint of a control the mouse moves over, or none.
    void hinweisZeigen(const QString& text) { m_hinweis = text; }

    // Keyboard sink.
    bool tastaturGesperrt() const;
    void zeichenGetippt(QChar zeichen);
    void funktionstaste(int nummer); // 1..12 for F1..F12

private:
    // Tests put the display into states that no key sequence gives.
    friend struct Modellzugang;

    void operatorTaste(Operator op);
    bool offenenOperatorAnwenden();
    void zeileInRollenform(const QString& vorsatz, double wert, const QString& ende);
    QString rollenform(double wert) const;
    void zeitTastenFuerAnzeige();
    void anhaengen(const QString& stueck) { m_rolle.anhaengen(stueck); }

    Programmwerte& m_werte;

    double m_eingabewert = 0;
    double m_zwischenwert = 0;
    double m_prozentbasis = 0;
    double m_speicher = 0;
    double m_mPlusWert = 0;
    double m_mMinusWert = 0;
    std::optional<Operator> m_offenerOperator;
    bool m_neueEingabe = false;
    bool m_kommaErlaubt = false;

    QString m_anzeige = QStringLiteral("0");
    QString m_operatorzeichen;
    QString m_zwischenwertText;
    QString m_speicherText;
    QString m_uhrText;
    QString m_firmenText;
    QString m_gesamtText;
    QString m_versionszeile;
    QString m_hinweis;
    QString m_produktzeile;
    QString m_fenstertitel;

    bool m_mStdAktiv = true;
    bool m_mDezAktiv = true;
    bool m_stdMAktiv = true;

    Rolle m_rolle;

    // The start state: nobody signed in, nothing to sign in, no printing, the keypad covered.
    bool m_anmelden = false;
    bool m_abmelden = false;
    bool m_drucken = false;
    bool m_registrieren = true;
    bool m_deckel = true;
};

// The clock text of the main window: German date, and the time unless it is 00:00:00.
QString uhrtext(const QDateTime& jetzt);
