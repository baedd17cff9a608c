// The keys that act on the displayed value: percent, square, root, sign change and memory.
#include "rechner/kern/arithmetik.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

namespace {
const QString zweiBlanks = QStringLiteral("  ");
const QString ergebnisEnde = QStringLiteral("  \r");
} // namespace

void Hauptmodell::BitBtn21Click() {
    MPlusWert = ParseAnzeige(Panel2); // no empty-display rule here
    zeileInRollenform(QStringLiteral("M+ "), MPlusWert, zweiBlanks);
    Speicher = geprueft(Speicher + MPlusWert);
    Panel4 = Anzeigeform(Speicher);
    Panel34 = QStringLiteral("M+");
    Panel2 = QStringLiteral("0");
}

void Hauptmodell::BitBtn23Click() {
    MMinusWert = ParseAnzeige(Panel2);
    zeileInRollenform(QStringLiteral("M- "), MMinusWert, zweiBlanks);
    Speicher = geprueft(Speicher - MMinusWert);
    Panel4 = Anzeigeform(Speicher);
    Panel34 = QStringLiteral("M-");
    Panel2 = QStringLiteral("0");
}

// "MR" recalls the memory through the text of its field, as the display form shows it.
void Hauptmodell::BitBtn22Click() {
    Panel2 = Panel4;
    zeitTastenFuerAnzeige();
    Eingabewert = ParseAnzeige(Panel2);
    zeileInRollenform(QStringLiteral("\rMS "), Eingabewert, zweiBlanks);
    Panel34.clear();
}

void Hauptmodell::BitBtn19Click() {
    Panel4 = QStringLiteral("0");
    Panel34.clear();
    Speicher = 0;
}

void Hauptmodell::BitBtn27Click() {
    Eingabewert = AnzeigeOderNull(Panel2);
    zeileInRollenform(QStringLiteral("x² "), Eingabewert, zweiBlanks);
    Eingabewert = geprueft(Eingabewert * Eingabewert);
    Panel2 = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("= "), Eingabewert, ergebnisEnde);
    Panel34 = QStringLiteral("x²");
}

void Hauptmodell::BitBtn28Click() {
    Eingabewert = AnzeigeOderNull(Panel2);
    zeileInRollenform(QStringLiteral("V¯ "), Eingabewert, zweiBlanks);
    if (Eingabewert < 0)
        throw Fehler(Fehlertexte::UngueltigeOperation);
    Eingabewert = std::sqrt(Eingabewert);
    Panel2 = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("= "), Eingabewert, ergebnisEnde);
    Panel34 = QStringLiteral("V¯");
    zeitTastenFuerAnzeige();
}

void Hauptmodell::BitBtn13Click() {
    Eingabewert = AnzeigeOderNull(Panel2) * -1;
    Panel2 = Anzeigeform(Eingabewert);
    zeileInRollenform(QStringLiteral("*(-1) "), Eingabewert, zweiBlanks);
    Panel34 = QStringLiteral("(-)");
}

// The percentage is taken of the running subtotal; a pending operator is dropped, and the
// base that a following "=" adds is the subtotal as its field shows it now.
void Hauptmodell::BitBtn20Click() {
    Grundstellung();
    Eingabewert = AnzeigeOderNull(Panel2);
    KommaErlaubt = 1;
    ProzentOffen = 1;
    Prozentbasis = AnzeigeOderNull(Panel6);
    Berechnung();
    zeileInRollenform(QStringLiteral("= "), Zwischenwert, ergebnisEnde);
    Panel2 = Anzeigeform(Zwischenwert);
    Panel6 = QStringLiteral("0");
    NeueEingabe = 1;
    Grundstellung();
    Panel34 = QStringLiteral("%");
}
