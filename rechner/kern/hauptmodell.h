#pragma once

// Model of the main window TForm1: the calculator state, the texts of the display fields, the
// enabled states the window shows, and the main roll. The window calls one operation per key,
// menu item or timer tick and then refreshes its widgets from these fields; an operation that
// fails throws Fehler after the steps before the failing one have taken effect.

#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rolle.h"

#include <QDateTime>
#include <QString>

class Hauptmodell {
public:
    explicit Hauptmodell(Programmwerte& werte) : w(werte) {}

    Programmwerte& w;

    // Calculator state.
    double Eingabewert = 0;
    double Zwischenwert = 0;
    double Prozentbasis = 0;
    double Speicher = 0;
    double MPlusWert = 0;
    double MMinusWert = 0;
    quint8 PlusOffen = 0, MinusOffen = 0, MalOffen = 0, GeteiltOffen = 0, ProzentOffen = 0;
    quint8 NeueEingabe = 0;
    quint8 KommaErlaubt = 0;

    // Field texts.
    QString Panel2 = QStringLiteral("0"); // display
    QString Panel34;                      // operator indicator
    QString Panel6;                       // Zwischenwert
    QString Panel4;                       // memory field "M - Speicher"
    QString Panel5;                       // clock text
    QString Panel33;                      // company name
    QString Edit2;                        // grand total
    QString Memo1;                        // hidden version memo
    QString Statusleiste[3];
    QString Beschriftung; // window caption

    // Enabled and visible states.
    bool BitBtn24 = true; // "M-Std"
    bool BitBtn30 = true; // "M-Dez"
    bool BitBtn29 = true; // "Std-M"
    bool Anmelden1 = true, Abmelden1 = true, Drucken2 = true, Registrieren1 = true;
    bool Panel3Sichtbar = true; // sign-in cover

    Rolle RichEdit1; // the main roll

    // Digits and comma.
    void BitBtn1Click() { Ziffer(1); }
    void BitBtn2Click() { Ziffer(2); }
    void BitBtn3Click() { Ziffer(3); }
    void BitBtn4Click() { Ziffer(4); }
    void BitBtn5Click() { Ziffer(5); }
    void BitBtn6Click() { Ziffer(6); }
    void BitBtn7Click() { Ziffer(7); }
    void BitBtn8Click() { Ziffer(8); }
    void BitBtn9Click() { Ziffer(9); }
    void BitBtn10Click() { Ziffer(0); }
    void Ziffer(int ziffer);
    void BitBtn11Click(); // ","

    // Operators, result and clearing.
    void BitBtn14Click(); // "+"
    void BitBtn15Click(); // "-"
    void BitBtn16Click(); // "x"
    void BitBtn17Click(); // "/"
    void BitBtn12Click(); // "="
    void BitBtn26Click(); // "CE"
    void BitBtn18Click(); // "AC"
    void Berechnung();
    void Grundstellung();
    void Zeitgrund();       // minutes setting of the time keys
    void Stundenstellung(); // hours setting of the time keys

    // Function and memory keys.
    void BitBtn20Click(); // "%"
    void BitBtn27Click(); // "x²"
    void BitBtn28Click(); // "V¯"
    void BitBtn13Click(); // "(-)"
    void BitBtn21Click(); // "M+"
    void BitBtn23Click(); // "M-"
    void BitBtn22Click(); // "MR"
    void BitBtn19Click(); // "MC"

    // Time conversions.
    void BitBtn24Click(); // "M-Std"
    void BitBtn29Click(); // "Std-M"
    void BitBtn30Click(); // "M-Dez"
    static QString TimeToMin(const QString& stundenMinuten);

    // Roll stamps and the clock.
    void BitBtn25Click(); // date stamp
    void Timer2Timer();
    void Timer1Timer(const QDateTime& jetzt);
    void Allesloeschen(Rolle& rollenkopie);

    // Keyboard sink.
    bool tastaturGesperrt() const;
    void Edit1KeyPress(QChar zeichen);
    void Edit1KeyDown(int funktionstaste); // 1..12 for F1..F12

private:
    enum class Operator { Plus, Minus, Mal, Geteilt };
    void operatorTaste(Operator op);
    bool offenenOperatorAnwenden();
    void zeileInRollenform(const QString& vorsatz, double wert, const QString& ende);
    QString rollenform(double wert) const;
    void zeitTastenFuerAnzeige();
    void anhaengen(const QString& stueck) { RichEdit1.anhaengen(stueck); }
};

// The clock text of the main window: German date, and the time unless it is 00:00:00.
QString Uhrtext(const QDateTime& jetzt);
