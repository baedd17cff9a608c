// The PIN window: showing, the match of the typed PIN and the sign-in and sign-out blocks.
#include "rechner/kern/anmeldung.h"

#include "rechner/kern/zahlformen.h"

#include <algorithm>

void Anmeldung::beimZeigen() {
    m_sichtbar = true;
    if (m_haupt.anmeldenAktiv())
        m_fenstertitel = QStringLiteral("Anmelden");
    if (m_haupt.abmeldenAktiv())
        m_fenstertitel = QStringLiteral("Abmelden");
    m_pin.clear();
    pinPruefen();
    m_fokus = Fokus::Pin;
    m_status = QStringLiteral("NO");
    m_statusGruen = false;
    m_schliessZeitgeberAktiv = false;
}

void Anmeldung::pinGetippt(const QString& text) {
    m_pin = grossbuchstaben(text).left(PinLaenge);
    pinPruefen();
}

// Every line whose PIN part equals the typed text writes its own block, in list order. The
// empty text matches nothing, so emptying the field on showing never writes a block.
void Anmeldung::pinPruefen() {
    if (m_pin.isEmpty())
        return;
    for (const QString& zeile : m_verwaltung.nutzerzeilen())
        if (zeile.left(PinLaenge) == m_pin)
            block(zeile.mid(PinLaenge + 1, 30));
}

void Anmeldung::block(const QString& namensteil) {
    m_status = QStringLiteral("OK");
    m_statusGruen = true;
    m_haupt.rolle().anhaengen(Trennlinie + QLatin1Char('\r'));
    m_haupt.rolle().anhaengen(m_haupt.uhrText() + QStringLiteral("  \r"));
    if (m_werte.Anmelderichtung == Programmwerte::Richtung::Anmelden)
        anmelden();
    if (m_werte.Anmelderichtung == Programmwerte::Richtung::Abmelden)
        abmelden();
    m_haupt.rolle().anhaengen(namensteil + QStringLiteral("  \r"));
    m_haupt.rolle().anhaengen(Trennlinie + QLatin1Char('\r'));
    m_schliessZeitgeberAktiv = true;
}

void Anmeldung::anmelden() {
    m_haupt.rolle().anhaengen(QStringLiteral("ANGEMELDET  \r"));
    m_haupt.nachAnmeldung();
    if (m_werte.euroModus())
        m_haupt.gesamtumsatzZuruecksetzen();
}

void Anmeldung::abmelden() {
    m_haupt.rolle().anhaengen(QStringLiteral("\r"));
    if (m_werte.euroModus())
        m_haupt.rolle().anhaengen(QStringLiteral("Gesamtumsatz: ") + m_haupt.gesamtText() +
                                  QStringLiteral("   €\r\r"));
    m_haupt.rolle().anhaengen(QStringLiteral("ABGEMELDET  \r\r"));
    m_haupt.nachAbmeldung();
}

void Anmeldung::schliessZeitgeberTick() {
    m_schliessZeitgeberAktiv = false;
    m_sichtbar = false;
}

void Anmeldung::abbrechen() {
    m_sichtbar = false;
}
