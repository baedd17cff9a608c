// The chain calculation: digits, comma, the four operators, "=", "CE" and "AC".
#include "rechner/kern/arithmetik.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

QString Hauptmodell::rollenform(double wert) const {
    return ::rollenform(wert, m_werte.Kommastellen, m_werte.RechnerModus);
}

void Hauptmodell::zeileInRollenform(const QString& vorsatz, double wert, const QString& ende) {
    if (m_werte.schreibtRollenform())
        anhaengen(vorsatz + rollenform(wert) + ende + QLatin1Char('\r'));
}

void Hauptmodell::ziffer(int ziffer) {
    if (m_neueEingabe) {
        m_anzeige = QStringLiteral("0");
        Zeitgrund();
    }
    m_neueEingabe = false;
    if (m_anzeige == QLatin1String("0"))
        m_anzeige.clear();
    m_anzeige += QChar(u'0' + ziffer);
    m_operatorzeichen.clear();
}

void Hauptmodell::komma() {
    stundenstellung();
    if (m_kommaErlaubt)
        m_anzeige += QLatin1Char(',');
    m_kommaErlaubt = false;
    m_operatorzeichen = QStringLiteral(",");
}

// Applies a pending "+", "-", "x" or "/" to m_eingabewert and writes its operand line; the new
// value is computed before the line, so a failing step writes nothing.
bool Hauptmodell::offenenOperatorAnwenden() {
    if (!m_offenerOperator)
        return false;
    switch (*m_offenerOperator) {
    case Operator::Plus:
        m_zwischenwert = geprueft(m_zwischenwert + m_eingabewert);
        zeileInRollenform(QStringLiteral("+ "), m_eingabewert, QStringLiteral("  "));
        return true;
    case Operator::Minus:
        m_zwischenwert = geprueft(m_zwischenwert - m_eingabewert);
        zeileInRollenform(QStringLiteral("- "), m_eingabewert, QStringLiteral("  "));
        return true;
    case Operator::Mal:
        m_zwischenwert = geprueft(m_zwischenwert * m_eingabewert);
        anhaengen(QStringLiteral("* ") + anzeigeform(m_eingabewert) + QStringLiteral("  \r"));
        return true;
    case Operator::Geteilt:
        m_zwischenwert = ::geteilt(m_zwischenwert, m_eingabewert);
        anhaengen(QStringLiteral("/ ") + anzeigeform(m_eingabewert) + QStringLiteral("  \r"));
        return true;
    case Operator::Prozent:
        return false;
    }
    return false;
}

void Hauptmodell::Berechnung() {
    if (!offenenOperatorAnwenden()) {
        if (m_offenerOperator == Operator::Prozent) {
            // In extended precision, so that a product beyond the double range that the
            // division brings back into it does not overflow.
            const long double prozent =
                static_cast<long double>(m_zwischenwert) * m_eingabewert / 100;
            m_zwischenwert = geprueft(static_cast<double>(prozent));
            anhaengen(anzeigeform(m_eingabewert) + QStringLiteral(" %  \r"));
        } else {
            zeileInRollenform({}, m_eingabewert, QStringLiteral("  "));
            m_zwischenwert = m_eingabewert;
        }
    }
    m_anzeige = QStringLiteral("0");
    m_zwischenwertText = anzeigeform(m_zwischenwert);
}

void Hauptmodell::Grundstellung() {
    m_kommaErlaubt = true;
    m_neueEingabe = true;
    m_offenerOperator.reset();
}

void Hauptmodell::Zeitgrund() {
    m_mStdAktiv = true;
    m_mDezAktiv = true;
    m_stdMAktiv = false;
}

void Hauptmodell::stundenstellung() {
    m_mStdAktiv = false;
    m_mDezAktiv = false;
    m_stdMAktiv = true;
}

void Hauptmodell::zeitTastenFuerAnzeige() {
    if (istGanzzahl(m_anzeige))
        Zeitgrund();
    else
        stundenstellung();
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
    m_eingabewert = anzeigewertOderNull(m_anzeige);
    m_kommaErlaubt = true;
    // The display "0" means nothing entered: a second operator only replaces the pending one.
    if (m_anzeige != QLatin1String("0"))
        Berechnung();
    Grundstellung();
    m_offenerOperator = op;
    m_operatorzeichen = operatorzeichenVon(op);
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
    if (m_operatorzeichen != QLatin1String("%")) {
        m_eingabewert = anzeigewertOderNull(m_anzeige);
        offenenOperatorAnwenden();
    } else {
        m_zwischenwert = geprueft(m_zwischenwert + m_prozentbasis);
    }
    zeileInRollenform(QStringLiteral("= "), m_zwischenwert, QStringLiteral("  \r"));
    m_anzeige = anzeigeform(m_zwischenwert);
    zeitTastenFuerAnzeige();
    m_zwischenwertText = QStringLiteral("0");
    m_neueEingabe = true;
    Grundstellung();
    m_operatorzeichen = QStringLiteral("=");
    if (m_werte.euroModus()) {
        m_werte.Gesamtumsatz = geprueft(m_werte.Gesamtumsatz + m_zwischenwert);
        m_gesamtText = gruppiert(m_werte.Gesamtumsatz, m_werte.Kommastellen);
    }
}

void Hauptmodell::ce() {
    Zeitgrund();
    m_anzeige = QStringLiteral("0");
    m_eingabewert = 0;
    m_kommaErlaubt = true;
    m_operatorzeichen.clear();
}

void Hauptmodell::ac() {
    Zeitgrund();
    m_anzeige = QStringLiteral("0");
    m_zwischenwertText = QStringLiteral("0");
    m_eingabewert = 0;
    m_zwischenwert = 0;
    Grundstellung();
    m_kommaErlaubt = true;
    m_operatorzeichen.clear();
}
