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

void Hauptmodell::ziffer(int ziffer) {
    if (NeueEingabe) {
        anzeige = QStringLiteral("0");
        Zeitgrund();
    }
    NeueEingabe = false;
    if (anzeige == QLatin1String("0"))
        anzeige.clear();
    anzeige += QChar(u'0' + ziffer);
    operatorzeichen.clear();
}

void Hauptmodell::komma() {
    Stundenstellung();
    if (KommaErlaubt)
        anzeige += QLatin1Char(',');
    KommaErlaubt = false;
    operatorzeichen = QStringLiteral(",");
}

// Applies a pending "+", "-", "x" or "/" to Eingabewert and writes its operand line; the new
// value is computed before the line, so a failing step writes nothing.
bool Hauptmodell::offenenOperatorAnwenden() {
    if (!offenerOperator)
        return false;
    switch (*offenerOperator) {
    case Operator::Plus:
        Zwischenwert = geprueft(Zwischenwert + Eingabewert);
        zeileInRollenform(QStringLiteral("+ "), Eingabewert, QStringLiteral("  "));
        return true;
    case Operator::Minus:
        Zwischenwert = geprueft(Zwischenwert - Eingabewert);
        zeileInRollenform(QStringLiteral("- "), Eingabewert, QStringLiteral("  "));
        return true;
    case Operator::Mal:
        Zwischenwert = geprueft(Zwischenwert * Eingabewert);
        anhaengen(QStringLiteral("* ") + Anzeigeform(Eingabewert) + QStringLiteral("  \r"));
        return true;
    case Operator::Geteilt:
        Zwischenwert = ::geteilt(Zwischenwert, Eingabewert);
        anhaengen(QStringLiteral("/ ") + Anzeigeform(Eingabewert) + QStringLiteral("  \r"));
        return true;
    case Operator::Prozent:
        return false;
    }
    return false;
}

void Hauptmodell::Berechnung() {
    if (!offenenOperatorAnwenden()) {
        if (offenerOperator == Operator::Prozent) {
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
    anzeige = QStringLiteral("0");
    zwischenwertText = Anzeigeform(Zwischenwert);
}

void Hauptmodell::Grundstellung() {
    KommaErlaubt = true;
    NeueEingabe = true;
    offenerOperator.reset();
}

void Hauptmodell::Zeitgrund() {
    mStdAktiv = true;
    mDezAktiv = true;
    stdMAktiv = false;
}

void Hauptmodell::Stundenstellung() {
    mStdAktiv = false;
    mDezAktiv = false;
    stdMAktiv = true;
}

void Hauptmodell::zeitTastenFuerAnzeige() {
    if (IstGanzzahl(anzeige))
        Zeitgrund();
    else
        Stundenstellung();
}

namespace {
QString operatorzeichenVon(Hauptmodell::Operator op) {
    switch (op) {
    case Hauptmodell::Operator::Plus:
        return QStringLiteral("+");
    case Hauptmodell::Operator::Minus:
        return QStringLiteral("-");
    case Hauptmodell::Operator::Mal:
        return QStringLiteral("*");
    case Hauptmodell::Operator::Geteilt:
        return QStringLiteral("/");
    case Hauptmodell::Operator::Prozent:
        break;
    }
    return QStringLiteral("%");
}
} // namespace

void Hauptmodell::operatorTaste(Operator op) {
    Eingabewert = AnzeigeOderNull(anzeige);
    KommaErlaubt = true;
    // The display "0" means nothing entered: a second operator only replaces the pending one.
    if (anzeige != QLatin1String("0"))
        Berechnung();
    Grundstellung();
    offenerOperator = op;
    operatorzeichen = operatorzeichenVon(op);
}

void Hauptmodell::plus() {
    operatorTaste(Operator::Plus);
}
void Hauptmodell::minus() {
    operatorTaste(Operator::Minus);
}
void Hauptmodell::mal() {
    operatorTaste(Operator::Mal);
}
void Hauptmodell::geteilt() {
    operatorTaste(Operator::Geteilt);
}

void Hauptmodell::gleich() {
    // The indicator doubles as state: right after "%" it makes "=" add the percent base.
    if (operatorzeichen != QLatin1String("%")) {
        Eingabewert = AnzeigeOderNull(anzeige);
        offenenOperatorAnwenden();
    } else {
        Zwischenwert = geprueft(Zwischenwert + Prozentbasis);
    }
    zeileInRollenform(QStringLiteral("= "), Zwischenwert, QStringLiteral("  \r"));
    anzeige = Anzeigeform(Zwischenwert);
    zeitTastenFuerAnzeige();
    zwischenwertText = QStringLiteral("0");
    NeueEingabe = true;
    Grundstellung();
    operatorzeichen = QStringLiteral("=");
    if (w.euroModus()) {
        w.Gesamtumsatz = geprueft(w.Gesamtumsatz + Zwischenwert);
        gesamtText = Gruppiert(w.Gesamtumsatz, w.Kommastellen);
    }
}

void Hauptmodell::ce() {
    Zeitgrund();
    anzeige = QStringLiteral("0");
    Eingabewert = 0;
    KommaErlaubt = true;
    operatorzeichen.clear();
}

void Hauptmodell::ac() {
    Zeitgrund();
    anzeige = QStringLiteral("0");
    zwischenwertText = QStringLiteral("0");
    Eingabewert = 0;
    Zwischenwert = 0;
    Grundstellung();
    KommaErlaubt = true;
    operatorzeichen.clear();
}
