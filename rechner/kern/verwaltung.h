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
#include <utility>

// A line of the operator list is the PIN, two blanks and the name. The PIN part is its first
// PinLaenge characters.
constexpr int PinLaenge = 4;

// Every letter turned to upper case one character at a time, as an upper-case edit field does:
// the text keeps its length ("ß" stays "ß").
QString grossbuchstaben(const QString& text);

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
    // The calculator's radio buttons; neither is selected until a showing selects one.
    enum class Modus { Euro, Standard };
    using Speicherung = Rollenverwaltung::Speicherung;

    bool sichtbar() const { return m_sichtbar; } // the window is shown
    bool gesperrt() const {
        return m_gesperrt;
    }                                       // the lock of every showing, lifted by the password
    Seite seite() const { return m_seite; } // the selected tab
    // The field that gets the keyboard focus next; taking it leaves none.
    Fokus fokusNehmen() { return std::exchange(m_fokus, Fokus::Keiner); }

    // Tab "Login".
    const QString& passwortFeld() const { return m_passwortFeld; }
    // Tab "Nutzerverwaltung".
    const QString& pinFeld() const { return m_pinFeld; }   // PIN to register, as typed
    const QString& nameFeld() const { return m_nameFeld; } // name to register, upper case
    // The operator list, lines ended by CR LF.
    const QString& nutzerliste() const { return m_nutzerliste; }
    // The list's lines: a final line break starts no further line.
    QStringList nutzerzeilen() const;
    // The number of registered operators: the list's lines.
    qint32 nutzerAnzahl() const;
    QString nutzerAnzahlText() const { return QString::number(nutzerAnzahl()); }
    // Panel 1 of the main window's status bar: empty until the list first changes, then the
    // count.
    QString nutzerstatus() const;
    bool pinsAufgedeckt() const { return m_pinsAufgedeckt; } // the red cover is pulled off
    // Tab "Rollenverwaltung/Autopfad".
    Rolle& rollenkopie() { return m_rollenkopie; }
    const Rolle& rollenkopie() const { return m_rollenkopie; }
    const QString& autopfadAnzeige() const { return m_autopfadAnzeige; }
    // Tab "Programmeinstellungen".
    std::optional<Modus> modus() const { return m_modus; }
    bool ohneAnmeldungAngehakt() const { return m_ohneAnmeldungAngehakt; }
    int kommastellenRegler() const { return m_kommastellenRegler; } // decimals, 0 to 6
    const QString& kommastellenText() const { return m_kommastellenText; }
    const QString& firmaFeld() const { return m_firmaFeld; }

    // Showing, unlocking, leaving, closing.
    void beimZeigen();
    void seiteGewaehlt(Seite seite) { m_seite = seite; }
    void passwortGetippt(const QString& text);
    void verlassen(); // "Speichern und Registrierung verlassen"
    void beimSchliessen();

    // Automatic path and settings.
    void autopfadSpeichern();
    void autopfadLoeschen();
    void kommastellenGeschoben(int position);
    // A click on the radio button already selected runs nothing.
    void euroGeklickt();
    void standardGeklickt();
    void ohneAnmeldungGeklickt(bool angehakt);
    void firmaGetippt(const QString& text) { m_firmaFeld = text; }

    // Operator list.
    // Start-up loads the operator file into the list; a failure shows its message box.
    void nutzerlisteLaden();
    void nutzerlisteGetippt(const QString& text);
    void pinGetippt(const QString& text) { m_pinFeld = text; }
    void nameGetippt(const QString& text);
    void nutzerHinzufuegen();  // OK
    void alleNutzerLoeschen(); // "Alle Registrierungen löschen"
    void pinDeckelGedrueckt();

    // Roll buttons. Saving tells what became of it, for the close request; it shows a failed
    // write in its own message box.
    void rolleOeffnen() { m_rollen.oeffnen(); }                   // "Registrierrolle öffnen"
    Speicherung rolleSpeichern() { return m_rollen.speichern(); } // "Registrierolle speichern"
    void neueRolle() { m_rollen.neueRolle(); }                    // "Neue Registrierrolle  anlegen"
    void rolleLeeren(); // "Aktuelle Registrierrolle  leeren"

private:
    void passwortPruefen();
    void nutzerlisteGeaendert();
    void einstellungenZeigen();
    void zahlentexteAuffrischen();
    void kommastellenGeaendert();
    void euroWaehlen();
    void standardWaehlen();
    void ohneAnmeldungGeaendert();

    Programmwerte& m_werte;
    Hauptmodell& m_haupt;
    Dialoge& m_dialoge;

    QString m_adminPasswort;
    // Which press on the PIN cover comes next: 1 uncovers the PINs, 2 covers them again.
    qint32 m_pinAbdeckungZaehler = 0;

    bool m_sichtbar = false;
    bool m_gesperrt = false;
    Seite m_seite = Seite::Login;
    Fokus m_fokus = Fokus::Keiner;

    QString m_passwortFeld;
    QString m_pinFeld;
    QString m_nameFeld;
    QString m_nutzerliste;
    bool m_nutzerlisteGeaendert = false; // loaded or changed since the start: the status shows
    bool m_pinsAufgedeckt = false;
    Rolle m_rollenkopie;
    QString m_autopfadAnzeige;
    std::optional<Modus> m_modus;
    bool m_ohneAnmeldungAngehakt = false;
    int m_kommastellenRegler = 0;
    QString m_kommastellenText = QStringLiteral("0");
    QString m_firmaFeld;

    Rollenverwaltung m_rollen;
    Rollennachtrag m_nachtrag{m_haupt.rolle(), m_rollenkopie};
};
