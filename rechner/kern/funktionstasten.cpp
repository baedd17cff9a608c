// The keys that act on the displayed value: percent, square, root, sign change and memory.
#include "rechner/kern/arithmetik.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

namespace {
const QString zweiBlanks = QStringLiteral("  ");
const QString ergebnisEnde = QStringLiteral("  \r");
} // namespace

void Hauptmodell::speicherPlus() {
    MPlusWert = ParseAnzeige(anzeige); // no empty-display rule here
    zeileInRollenform(QStringLiteral("M+ "), MPlusWert, zweiBlanks);
    Speicher = geprueft(Speicher + MPlusWert);
    speicherText = Anzeigeform(Speicher);
    operatorzeichen = QStringLiteral("M+");
    anzeige = QStringLiteral("0");
}

void Hauptmodell::speicherMinus() {
    MMinusWert = ParseAnzeige(anzeige);
    zeileInRollenform(QStringLiteral("M- "), MMinusWert, zweiBlanks);
    Speicher = geprueft(Speicher - MMinusWert);
    speicherText = Anzeigeform(Speicher);
    operatorzeichen = QStringLiteral("M-");
    anzeige = QStringLiteral("0");
}

// "MR" recalls the memory through the text of its field, as the display form shows it.
void Hauptmodell::speicherAbruf() {
    anzeige = speicherText;
    zeitTastenFuerAnzeige();
    Eingabewert = ParseAnzeige(anzeige);
    zeileInRollenform(QStringLiteral("\rMS "), Eingabewert, zweiBlanks);
    operatorzeichen.clear();
}

void Hauptmodell::speicherLoeschen() {
    speicherText = QStringLiteral("0");
    operatorzeichen.clear();
    Speicher = 0;
}

void Hauptmodell::quadrat() {
    Eingabewert = AnzeigeOderNull(anzeige);
    zeileInRollenform(QStringLiteral("x² "), Eingabewert, zweiBlanks);
    Eingabewert = geprueft(Eingabewert * Eingabewert);
    anzeige = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("= "), Eingabewert, ergebnisEnde);
    operatorzeichen = QStringLiteral("x²");
}

void Hauptmodell::wurzel() {
    Eingabewert = AnzeigeOderNull(anzeige);
    zeileInRollenform(QStringLiteral("V¯ "), Eingabewert, zweiBlanks);
    if (Eingabewert < 0)
        throw Fehler(Fehlertexte::UngueltigeOperation);
    Eingabewert = std::sqrt(Eingabewert);
    anzeige = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("= "), Eingabewert, ergebnisEnde);
    operatorzeichen = QStringLiteral("V¯");
    zeitTastenFuerAnzeige();
}

void Hauptmodell::vorzeichenwechsel() {
    Eingabewert = AnzeigeOderNull(anzeige) * -1;
    anzeige = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("*(-1) "), Eingabewert, zweiBlanks);
    operatorzeichen = QStringLiteral("(-)");
}

// The percentage is taken of the running subtotal; a pending operator is dropped, and the
// base that a following "=" adds is the subtotal as its field shows it now.
void Hauptmodell::prozent() {
    Grundstellung();
    Eingabewert = AnzeigeOderNull(anzeige);
    KommaErlaubt = true;
    offenerOperator = Operator::Prozent;
    Prozentbasis = AnzeigeOderNull(zwischenwertText);
    Berechnung();
    zeileInRollenform(QStringLiteral("= "), Zwischenwert, ergebnisEnde);
    anzeige = Anzeigeform(Zwischenwert);
    zwischenwertText = QStringLiteral("0");
    NeueEingabe = true;
    Grundstellung();
    operatorzeichen = QStringLiteral("%");
}
