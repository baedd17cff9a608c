// The keys that act on the displayed value: percent, square, root, sign change and memory.
#include "rechner/kern/arithmetik.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

namespace {
const QString ZweiBlanks = QStringLiteral("  ");
const QString ErgebnisEnde = QStringLiteral("  \r");
} // namespace

void Hauptmodell::speicherPlus() {
    m_mPlusWert = anzeigewert(m_anzeige); // no empty-display rule here
    zeileInRollenform(QStringLiteral("M+ "), m_mPlusWert, ZweiBlanks);
    m_speicher = geprueft(m_speicher + m_mPlusWert);
    m_speicherText = anzeigeform(m_speicher);
    m_operatorzeichen = QStringLiteral("M+");
    m_anzeige = QStringLiteral("0");
}

void Hauptmodell::speicherMinus() {
    m_mMinusWert = anzeigewert(m_anzeige);
    zeileInRollenform(QStringLiteral("M- "), m_mMinusWert, ZweiBlanks);
    m_speicher = geprueft(m_speicher - m_mMinusWert);
    m_speicherText = anzeigeform(m_speicher);
    m_operatorzeichen = QStringLiteral("M-");
    m_anzeige = QStringLiteral("0");
}

// "MR" recalls the memory through the text of its field, as the display form shows it.
void Hauptmodell::speicherAbruf() {
    m_anzeige = m_speicherText;
    zeitTastenFuerAnzeige();
    m_eingabewert = anzeigewert(m_anzeige);
    zeileInRollenform(QStringLiteral("\rMS "), m_eingabewert, ZweiBlanks);
    m_operatorzeichen.clear();
}

void Hauptmodell::speicherLoeschen() {
    m_speicherText = QStringLiteral("0");
    m_operatorzeichen.clear();
    m_speicher = 0;
}

void Hauptmodell::quadrat() {
    m_eingabewert = anzeigewertOderNull(m_anzeige);
    zeileInRollenform(QStringLiteral("x² "), m_eingabewert, ZweiBlanks);
    m_eingabewert = geprueft(m_eingabewert * m_eingabewert);
    m_anzeige = anzeigeform(m_eingabewert);
    zeileInRollenform(QStringLiteral("= "), m_eingabewert, ErgebnisEnde);
    m_operatorzeichen = QStringLiteral("x²");
}

void Hauptmodell::wurzel() {
    m_eingabewert = anzeigewertOderNull(m_anzeige);
    zeileInRollenform(QStringLiteral("V¯ "), m_eingabewert, ZweiBlanks);
    if (m_eingabewert < 0)
        throw Fehler(Fehlertexte::UngueltigeOperation);
    m_eingabewert = std::sqrt(m_eingabewert);
    m_anzeige = anzeigeform(m_eingabewert);
    zeileInRollenform(QStringLiteral("= "), m_eingabewert, ErgebnisEnde);
    m_operatorzeichen = QStringLiteral("V¯");
    zeitTastenFuerAnzeige();
}

void Hauptmodell::vorzeichenwechsel() {
    m_eingabewert = anzeigewertOderNull(m_anzeige) * -1;
    m_anzeige = anzeigeform(m_eingabewert);
    zeileInRollenform(QStringLiteral("*(-1) "), m_eingabewert, ZweiBlanks);
    m_operatorzeichen = QStringLiteral("(-)");
}

// The percentage is taken of the running subtotal; a pending operator is dropped, and the
// base that a following "=" adds is the subtotal as its field shows it now.
void Hauptmodell::prozent() {
    Grundstellung();
    m_eingabewert = anzeigewertOderNull(m_anzeige);
    m_kommaErlaubt = true;
    m_offenerOperator = Operator::Prozent;
    m_prozentbasis = anzeigewertOderNull(m_zwischenwertText);
    Berechnung();
    zeileInRollenform(QStringLiteral("= "), m_zwischenwert, ErgebnisEnde);
    m_anzeige = anzeigeform(m_zwischenwert);
    m_zwischenwertText = QStringLiteral("0");
    m_neueEingabe = true;
    Grundstellung();
    m_operatorzeichen = QStringLiteral("%");
}
