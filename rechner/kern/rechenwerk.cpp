// The chain calculation: digits, comma, the four operators, "=", "CE" and "AC".
#include "rechner/kern/arithmetik.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

QString Hauptmodell::rollenform(double wert) const {
    return Rollenform(wert, w.Kommastellen, w.RechnerModus);
}

void Hauptmodell::zeileInRollenform(const QString& vorsatz, double wert, const QString& ende) {
    if (w.schreibtRollenform())
        anhaengen(vorsatz + rollenform(wert) + ende + QLatin1Char('\r'));
}

void Hauptmodell::Ziffer(int ziffer) {
    if (NeueEingabe == 1) {
        Panel2 = QStringLiteral("0");
        Zeitgrund();
    }
    NeueEingabe = 0;
    if (Panel2 == QLatin1String("0"))
        Panel2.clear();
    Panel2 += QChar(u'0' + ziffer);
    Panel34.clear();
}

void Hauptmodell::BitBtn11Click() {
    Stundenstellung();
    if (KommaErlaubt == 1)
        Panel2 += QLatin1Char(',');
    KommaErlaubt = 0;
    Panel34 = QStringLiteral(",");
}

// Applies a pending "+", "-", "x" or "/" to Eingabewert and writes its operand line; the new
// value is computed before the line, so a failing step writes nothing.
bool Hauptmodell::offenenOperatorAnwenden() {
    if (PlusOffen == 1) {
        Zwischenwert = geprueft(Zwischenwert + Eingabewert);
        zeileInRollenform(QStringLiteral("+ "), Eingabewert, QStringLiteral("  "));
    } else if (MinusOffen == 1) {
        Zwischenwert = geprueft(Zwischenwert - Eingabewert);
        zeileInRollenform(QStringLiteral("- "), Eingabewert, QStringLiteral("  "));
    } else if (MalOffen == 1) {
        Zwischenwert = geprueft(Zwischenwert * Eingabewert);
        anhaengen(QStringLiteral("* ") + Anzeigeform(Eingabewert) + QStringLiteral("  \r"));
    } else if (GeteiltOffen == 1) {
        Zwischenwert = geteilt(Zwischenwert, Eingabewert);
        anhaengen(QStringLiteral("/ ") + Anzeigeform(Eingabewert) + QStringLiteral("  \r"));
    } else {
        return false;
    }
    return true;
}

void Hauptmodell::Berechnung() {
    if (!offenenOperatorAnwenden()) {
        if (ProzentOffen == 1) {
            // In extended precision, so that a product beyond the double range that the
            // division brings back into it does not overflow.
            const long double prozent = static_cast<long double>(Zwischenwert) * Eingabewert / 100;
            Zwischenwert = geprueft(static_cast<double>(prozent));
            anhaengen(Anzeigeform(Eingabewert) + QStringLiteral(" %  \r"));
        } else {
            zeileInRollenform({}, Eingabewert, QStringLiteral("  "));
            Zwischenwert = Eingabewert;
        }
    }
    Panel2 = QStringLiteral("0");
    Panel6 = Anzeigeform(Zwischenwert);
}

void Hauptmodell::Grundstellung() {
    KommaErlaubt = 1;
    NeueEingabe = 1;
    PlusOffen = MinusOffen = MalOffen = GeteiltOffen = ProzentOffen = 0;
}

void Hauptmodell::Zeitgrund() {
    BitBtn24 = true;
    BitBtn30 = true;
    BitBtn29 = false;
}

void Hauptmodell::Stundenstellung() {
    BitBtn24 = false;
    BitBtn30 = false;
    BitBtn29 = true;
}

void Hauptmodell::zeitTastenFuerAnzeige() {
    if (IstGanzzahl(Panel2))
        Zeitgrund();
    else
        Stundenstellung();
}

void Hauptmodell::operatorTaste(Operator op) {
    Eingabewert = AnzeigeOderNull(Panel2);
    KommaErlaubt = 1;
    // The display "0" means nothing entered: a second operator only replaces the pending one.
    if (Panel2 != QLatin1String("0"))
        Berechnung();
    Grundstellung();
    switch (op) {
    case Operator::Plus:
        PlusOffen = 1;
        Panel34 = QStringLiteral("+");
        break;
    case Operator::Minus:
        MinusOffen = 1;
        Panel34 = QStringLiteral("-");
        break;
    case Operator::Mal:
        MalOffen = 1;
        Panel34 = QStringLiteral("*");
        break;
    case Operator::Geteilt:
        GeteiltOffen = 1;
        Panel34 = QStringLiteral("/");
        break;
    }
}

void Hauptmodell::BitBtn14Click() {
    operatorTaste(Operator::Plus);
}
void Hauptmodell::BitBtn15Click() {
    operatorTaste(Operator::Minus);
}
void Hauptmodell::BitBtn16Click() {
    operatorTaste(Operator::Mal);
}
void Hauptmodell::BitBtn17Click() {
    operatorTaste(Operator::Geteilt);
}

void Hauptmodell::BitBtn12Click() {
    // The indicator doubles as state: right after "%" it makes "=" add the percent base.
    if (Panel34 != QLatin1String("%")) {
        Eingabewert = AnzeigeOderNull(Panel2);
        offenenOperatorAnwenden();
    } else {
        Zwischenwert = geprueft(Zwischenwert + Prozentbasis);
    }
    zeileInRollenform(QStringLiteral("= "), Zwischenwert, QStringLiteral("  \r"));
    Panel2 = Anzeigeform(Zwischenwert);
    zeitTastenFuerAnzeige();
    Panel6 = QStringLiteral("0");
    NeueEingabe = 1;
    Grundstellung();
    Panel34 = QStringLiteral("=");
    if (w.euroModus()) {
        w.Gesamtumsatz = geprueft(w.Gesamtumsatz + Zwischenwert);
        Edit2 = Gruppiert(w.Gesamtumsatz, w.Kommastellen);
    }
}

void Hauptmodell::BitBtn26Click() {
    Zeitgrund();
    Panel2 = QStringLiteral("0");
    Eingabewert = 0;
    KommaErlaubt = 1;
    Panel34.clear();
}

void Hauptmodell::BitBtn18Click() {
    Zeitgrund();
    Panel2 = QStringLiteral("0");
    Panel6 = QStringLiteral("0");
    Eingabewert = 0;
    Zwischenwert = 0;
    Grundstellung();
    KommaErlaubt = 1;
    Panel34.clear();
}
