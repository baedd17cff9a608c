// The PIN window: showing, the match of the typed PIN and the sign-in and sign-out blocks.
#include "rechner/kern/anmeldung.h"

#include "rechner/kern/zahlformen.h"

#include <algorithm>

void Anmeldung::beimZeigen() {
    sichtbar = true;
    if (haupt.anmeldenAktiv())
        fenstertitel = QStringLiteral("Anmelden");
    if (haupt.abmeldenAktiv())
        fenstertitel = QStringLiteral("Abmelden");
    pin.clear();
    pinPruefen();
    fokus = Fokus::Pin;
    status = QStringLiteral("NO");
    statusGruen = false;
    schliessZeitgeberAktiv = false;
}

void Anmeldung::pinGetippt(const QString& text) {
    pin = Grossbuchstaben(text).left(PinLaenge);
    pinPruefen();
}

// Every line whose PIN part equals the typed text writes its own block, in list order. The
// empty text matches nothing, so emptying the field on showing never writes a block.
void Anmeldung::pinPruefen() {
    if (pin.isEmpty())
        return;
    const QStringList zeilen = m_verwaltung.nutzerzeilen();
    const qsizetype anzahl = std::min<qsizetype>(w.NutzerAnzahl, zeilen.size());
    for (qsizetype i = 0; i < anzahl; ++i) {
        const QString& zeile = zeilen[i];
        if (zeile.left(PinLaenge) == pin)
            block(zeile.mid(PinLaenge + 1, 30));
    }
}

void Anmeldung::block(const QString& namensteil) {
    status = QStringLiteral("OK");
    statusGruen = true;
    haupt.rolle.anhaengen(Trennlinie + QLatin1Char('\r'));
    haupt.rolle.anhaengen(haupt.uhrText + QStringLiteral("  \r"));
    if (w.Anmelderichtung == Programmwerte::Richtung::Anmelden)
        anmelden();
    if (w.Anmelderichtung == Programmwerte::Richtung::Abmelden)
        abmelden();
    haupt.rolle.anhaengen(namensteil + QStringLiteral("  \r"));
    haupt.rolle.anhaengen(Trennlinie + QLatin1Char('\r'));
    schliessZeitgeberAktiv = true;
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

void Anmeldung::schliessZeitgeberTick() {
    schliessZeitgeberAktiv = false;
    sichtbar = false;
}

void Anmeldung::abbrechen() {
    sichtbar = false;
}
