// The PIN window: showing, the match of the typed PIN and the sign-in and sign-out blocks.
#include "rechner/kern/anmeldung.h"

#include "rechner/kern/zahlformen.h"

#include <algorithm>

void Anmeldung::FormShow() {
    Sichtbar = true;
    if (haupt.anmeldenAktiv())
        Beschriftung = QStringLiteral("Anmelden");
    if (haupt.abmeldenAktiv())
        Beschriftung = QStringLiteral("Abmelden");
    Edit1.clear();
    Edit1Change();
    Fokus = QStringLiteral("Edit1");
    Label2 = QStringLiteral("NO");
    Label2Gruen = false;
    Timer1Aktiv = false;
}

void Anmeldung::Edit1Getippt(const QString& text) {
    Edit1 = Grossbuchstaben(text).left(PinLaenge);
    Edit1Change();
}

// Every line whose PIN part equals the typed text writes its own block, in list order. The
// empty text matches nothing, so emptying the field on showing never writes a block.
void Anmeldung::Edit1Change() {
    const QString& pin = Edit1;
    if (pin.isEmpty())
        return;
    const QStringList zeilen = m_registrierung.Nutzerzeilen();
    const qsizetype anzahl = std::min<qsizetype>(w.NutzerAnzahl, zeilen.size());
    for (qsizetype i = 0; i < anzahl; ++i) {
        const QString& zeile = zeilen[i];
        if (zeile.left(4) == pin)
            block(zeile.mid(5, 30));
    }
}

void Anmeldung::block(const QString& namensteil) {
    Label2 = QStringLiteral("OK");
    Label2Gruen = true;
    haupt.rolle.anhaengen(Trennlinie + QLatin1Char('\r'));
    haupt.rolle.anhaengen(haupt.uhrText + QStringLiteral("  \r"));
    if (w.Anmelderichtung == Programmwerte::Richtung::Anmelden)
        anmelden();
    if (w.Anmelderichtung == Programmwerte::Richtung::Abmelden)
        abmelden();
    haupt.rolle.anhaengen(namensteil + QStringLiteral("  \r"));
    haupt.rolle.anhaengen(Trennlinie + QLatin1Char('\r'));
    Timer1Aktiv = true;
}

void Anmeldung::anmelden() {
    haupt.rolle.anhaengen(QStringLiteral("ANGEMELDET  \r"));
    haupt.nachAnmeldung();
    if (w.euroModus()) {
        w.Gesamtumsatz = 0;
        haupt.gesamtText = Gruppiert(w.Gesamtumsatz, w.Kommastellen);
    }
}

void Anmeldung::abmelden() {
    haupt.rolle.anhaengen(QStringLiteral("\r"));
    if (w.euroModus())
        haupt.rolle.anhaengen(QStringLiteral("Gesamtumsatz: ") + haupt.gesamtText +
                              QStringLiteral("   €\r\r"));
    haupt.rolle.anhaengen(QStringLiteral("ABGEMELDET  \r\r"));
    haupt.nachAbmeldung();
}

void Anmeldung::Timer1Timer() {
    Timer1Aktiv = false;
    Sichtbar = false;
}

void Anmeldung::BitBtn1Click() {
    Sichtbar = false;
}
