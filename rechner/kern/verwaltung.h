#pragma once

// Model of the administration window "Registrierung": the locked and unlocked states, the
// operator list with its count, the PIN cover, the roll copy with the roll buttons, the
// automatic path and the settings tab. It reaches into the main window's model for the sign-in
// states, the company name, the status bar and the main roll.

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rolle.h"
#include "rechner/kern/rollenverwaltung.h"

#include <QString>
#include <QStringList>
#include <optional>

// A line of the operator list is the PIN, two blanks and the name. The PIN part is its first
// PinLaenge characters.
constexpr int PinLaenge = 4;

// Every letter turned to upper case one character at a time, as an upper-case edit field does:
// the text keeps its length ("ß" stays "ß").
QString Grossbuchstaben(const QString& text);

// Forwards to the dialogs and notes whether a save dialog returned a file, so that a caller of
// the save-roll operation can tell a cancelled save from a failed one.
class DialogProtokoll : public Dialoge {
public:
    explicit DialogProtokoll(Dialoge& dialoge) : m_dialoge(dialoge) {}
    void meldung(const QString& text) override { m_dialoge.meldung(text); }
    Antwort frage(const QString& text) override { return m_dialoge.frage(text); }
    std::optional<QString> speichernDialog(const QString& dateiname) override;
    std::optional<QString> oeffnenDialog(const std::optional<QString>& dateiname) override {
        return m_dialoge.oeffnenDialog(dateiname);
    }
    bool dateiGewaehlt = false;

private:
    Dialoge& m_dialoge;
};

// Lets the roll copy follow the main roll while the administration window is open: every piece
// appended to the main roll is appended to the copy as well, so that leaving the window, which
// puts the copy in the main roll's place, keeps the lines typed meanwhile.
class Rollennachtrag : public RollenBeobachter {
public:
    Rollennachtrag(const Rolle& haupt, Rolle& kopie) : m_haupt(haupt), m_kopie(kopie) {}
    void angehaengt(qsizetype erste) override;
    void ersetzt(qsizetype, qsizetype, qsizetype) override {}

private:
    const Rolle& m_haupt;
    Rolle& m_kopie;
};

class Verwaltung {
public:
    Verwaltung(Programmwerte& werte, Hauptmodell& hauptmodell, Dialoge& dialoge);
    ~Verwaltung();
    Verwaltung(const Verwaltung&) = delete;
    Verwaltung& operator=(const Verwaltung&) = delete;

    // The limits of the one-line fields; the window applies them as text is typed.
    static constexpr int PasswortLaenge = 6;
    static constexpr int FirmennameLaenge = 40;

    enum class Seite { Login, Nutzerverwaltung, Rollenverwaltung, Programmeinstellungen };
    enum class Fokus { Keiner, Passwort, Pin };

    Programmwerte& w;
    Hauptmodell& haupt;

    QString adminPasswort;
    // Which press on the PIN cover comes next: 1 uncovers the PINs, 2 covers them again.
    qint32 pinAbdeckungZaehler = 0;

    bool sichtbar = false;       // the window is shown
    bool gesperrt = false;       // the lock of every showing, lifted by the password
    Seite seite = Seite::Login;  // the selected tab
    Fokus fokus = Fokus::Keiner; // the field that gets the focus next

    // Tab "Login".
    QString passwortFeld;
    // Tab "Nutzerverwaltung".
    QString pinFeld;                                // PIN to register, as typed
    QString nameFeld;                               // name to register, upper case
    QString nutzerliste;                            // the operator list, lines ended by CR LF
    QString nutzerAnzahlText = QStringLiteral("0"); // operator count
    bool pinsAufgedeckt = false;                    // the red cover is pulled off the PINs
    // Tab "Rollenverwaltung/Autopfad".
    Rolle rollenkopie;
    QString autopfadAnzeige;
    // Tab "Programmeinstellungen".
    bool euroMarkiert = false;          // "Euro - Rechner"
    bool standardMarkiert = false;      // "Standart - Rechner"
    bool ohneAnmeldungAngehakt = false; // "Ohne Anmeldung starten"
    int kommastellenRegler = 0;         // decimals, 0 to 6
    QString kommastellenText = QStringLiteral("0");
    QString firmaFeld;

    // Showing, unlocking, leaving, closing.
    void beimZeigen();
    void passwortPruefen();
    void passwortGetippt(const QString& text);
    void verlassen(); // "Speichern und Registrierung verlassen"
    void beimSchliessen();

    // Automatic path and settings.
    void autopfadSpeichern();
    void autopfadLoeschen();
    void kommastellenGeaendert();
    void euroWaehlen();
    void standardWaehlen();
    void ohneAnmeldungGeaendert();

    // Operator list.
    void nutzerlisteGeaendert();
    void nutzerlisteGetippt(const QString& text);
    void nameGetippt(const QString& text);
    void nutzerHinzufuegen();  // OK
    void alleNutzerLoeschen(); // "Alle Registrierungen löschen"
    void pinDeckelGedrueckt();
    // The list's lines: a final line break starts no further line.
    QStringList nutzerzeilen() const;

    // Roll buttons.
    void rolleOeffnen() { m_rollen.oeffnen(); }     // "Registrierrolle öffnen"
    void rolleSpeichern() { m_rollen.speichern(); } // "Registrierolle speichern"
    void neueRolle() { m_rollen.neueRolle(); }      // "Neue Registrierrolle  anlegen"
    void rolleLeeren();                             // "Aktuelle Registrierrolle  leeren"

    // The save-roll operation, telling what became of it: the operation itself reports a
    // failed write in its message box.
    enum class Speicherung { Gespeichert, Abgebrochen, Fehlgeschlagen };
    Speicherung rolleSpeichernMitErgebnis();

    Dialoge& dialoge() { return m_dialoge; }

private:
    void einstellungenZeigen();
    void zahlentexteAuffrischen();

    DialogProtokoll m_dialoge;
    Rollenverwaltung m_rollen;
    Rollennachtrag m_nachtrag{haupt.rolle, rollenkopie};
};
