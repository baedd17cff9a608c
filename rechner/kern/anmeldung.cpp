// The PIN window: showing, the match of the typed PIN and the sign-in and sign-out blocks.
#include "rechner/kern/anmeldung.h"

#include "rechner/kern/zahlformen.h"

#include <algorithm>

void Anmeldung::FormShow() {
    Sichtbar = true;
    if (haupt.Anmelden1)
        Beschriftung = QStringLiteral("Anmelden");
    if (haupt.Abmelden1)
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
    haupt.RichEdit1.anhaengen(Trennlinie + QLatin1Char('\r'));
    haupt.RichEdit1.anhaengen(haupt.Panel5 + QStringLiteral("  \r"));
    if (w.Anmelderichtung == 1)
        anmelden();
    if (w.Anmelderichtung == 0)
        abmelden();
    haupt.RichEdit1.anhaengen(namensteil + QStringLiteral("  \r"));
    haupt.RichEdit1.anhaengen(Trennlinie + QLatin1Char('\r'));
    Timer1Aktiv = true;
}

void Anmeldung::anmelden() {
    haupt.RichEdit1.anhaengen(QStringLiteral("ANGEMELDET  \r"));
    haupt.Abmelden1 = true;
    haupt.Anmelden1 = false;
    haupt.Panel3Sichtbar = false;
    haupt.Drucken2 = true;
    haupt.Registrieren1 = false;
    if (w.RechnerModus == 1) {
        w.Gesamtumsatz = 0;
        haupt.Edit2 = Gruppiert(w.Gesamtumsatz, w.Kommastellen);
    }
}

void Anmeldung::abmelden() {
    haupt.RichEdit1.anhaengen(QStringLiteral("\r"));
    if (w.RechnerModus == 1)
        haupt.RichEdit1.anhaengen(QStringLiteral("Gesamtumsatz: ") + haupt.Edit2 +
                                  QStringLiteral("   €\r\r"));
    haupt.RichEdit1.anhaengen(QStringLiteral("ABGEMELDET  \r\r"));
    haupt.Abmelden1 = false;
    haupt.Anmelden1 = true;
    haupt.Panel3Sichtbar = true;
    haupt.Drucken2 = false;
    haupt.Registrieren1 = true;
}

void Anmeldung::Timer1Timer() {
    Timer1Aktiv = false;
    Sichtbar = false;
}

void Anmeldung::BitBtn1Click() {
    Sichtbar = false;
}
