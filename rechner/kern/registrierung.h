#pragma once

// Model of the administration window TForm2 ("Registrierung"): the locked and unlocked states,
// the operator list with its count, the PIN cover, the roll copy with the roll buttons, the
// automatic path and the settings tab. It reaches into the main window's model for the sign-in
// cover, the menu items, the company name, the status bar and the main roll.

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rolle.h"
#include "rechner/kern/rollenverwaltung.h"

#include <QString>
#include <QStringList>
#include <optional>

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

class Registrierung {
public:
    Registrierung(Programmwerte& werte, Hauptmodell& hauptmodell, Dialoge& dialoge);
    ~Registrierung();
    Registrierung(const Registrierung&) = delete;
    Registrierung& operator=(const Registrierung&) = delete;

    // The limits of the one-line fields; the window applies them as text is typed.
    static constexpr int PinLaenge = 4;
    static constexpr int PasswortLaenge = 6;
    static constexpr int FirmennameLaenge = 40;

    enum class Seite { Login, Nutzerverwaltung, Rollenverwaltung, Programmeinstellungen };

    Programmwerte& w;
    Hauptmodell& haupt;

    QString AdminPasswort;
    qint32 PinAbdeckungZaehler = 0;

    bool Sichtbar = false;             // the window is shown
    bool Gesperrt = false;             // the lock of every showing, lifted by the password
    Seite PageControl1 = Seite::Login; // the selected tab
    QString Fokus;                     // the control that gets the focus next, by name

    // Tab "Login".
    QString Edit3; // the password field
    // Tab "Nutzerverwaltung".
    QString Edit2;                        // PIN to register, as typed
    QString Edit1;                        // name to register, upper case
    QString Memo1;                        // the operator list, lines ended by CR LF
    QString Label6 = QStringLiteral("0"); // operator count
    int Panel1Top = 24;                   // the red PIN cover: covering from 24 to 291
    int Panel1Hoehe = 267;
    // Tab "Rollenverwaltung/Autopfad".
    Rolle RichEdit1; // the roll copy
    QString Panel2;  // the automatic-path display
    // Tab "Programmeinstellungen".
    bool RadioButton1 = false; // "Euro - Rechner"
    bool RadioButton2 = false; // "Standart - Rechner"
    bool CheckBox1 = false;    // "Ohne Anmeldung starten"
    int TrackBar1 = 0;         // decimals, 0 to 6
    QString Label9 = QStringLiteral("0");
    QString Edit4; // company name

    // Showing, unlocking, leaving, closing.
    void FormShow();
    void Edit3Change();
    void Edit3Getippt(const QString& text);
    void BitBtn1Click(); // "Speichern und Registrierung verlassen"
    void FormClose();

    // Automatic path and settings.
    void BitBtn4Click(); // "Autopfad speichern"
    void BitBtn5Click(); // "Autopfad löschen"
    void TrackBar1Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void CheckBox1Click();

    // Operator list.
    void Memo1Change();
    void Memo1Getippt(const QString& text);
    void Edit1Getippt(const QString& text);
    void BitBtn2Click(); // OK: add an operator
    void BitBtn3Click(); // "Alle Registrierungen löschen"
    void Panel1MouseDown();
    // The list's lines: a final line break starts no further line.
    QStringList Nutzerzeilen() const;

    // Roll buttons.
    void BitBtn23Click() { m_rollen.BitBtn23Click(); } // "Registrierrolle öffnen"
    void BitBtn24Click() { m_rollen.BitBtn24Click(); } // "Registrierolle speichern"
    void BitBtn6Click() { m_rollen.BitBtn6Click(); }   // "Neue Registrierrolle  anlegen"
    void BitBtn29Click();                              // "Aktuelle Registrierrolle  leeren"

    // The save-roll operation, telling what became of it: the operation itself reports a
    // failed write in its message box.
    enum class Speicherung { Gespeichert, Abgebrochen, Fehlgeschlagen };
    Speicherung rolleSpeichern();

    Dialoge& dialoge() { return m_dialoge; }

private:
    void einstellungenZeigen();
    void zahlentexteAuffrischen();

    DialogProtokoll m_dialoge;
    Rollenverwaltung m_rollen;
    Rollennachtrag m_nachtrag{haupt.rolle, RichEdit1};
};
