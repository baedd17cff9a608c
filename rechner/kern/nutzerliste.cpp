// The operator list of the administration window: adding, deleting, the count and the cover
// over the PIN column.
#include "rechner/kern/verwaltung.h"

#include "common/zeilen.h"

QString Grossbuchstaben(const QString& text) {
    QString gross = text;
    for (QChar& zeichen : gross)
        zeichen = zeichen.toUpper();
    return gross;
}

QStringList Verwaltung::nutzerzeilen() const {
    return zeilenAus(nutzerliste);
}

void Verwaltung::nutzerlisteGeaendert() {
    const qsizetype anzahl = nutzerzeilen().size();
    nutzerAnzahlText = QString::number(anzahl);
    w.NutzerAnzahl = static_cast<qint32>(anzahl);
    haupt.statuszeile[1] = QStringLiteral("Registrierte Nutzer: ") + nutzerAnzahlText;
}

void Verwaltung::nutzerlisteGetippt(const QString& text) {
    nutzerliste = text;
    nutzerlisteGeaendert();
}

void Verwaltung::nameGetippt(const QString& text) {
    nameFeld = Grossbuchstaben(text);
}

void Verwaltung::nutzerHinzufuegen() {
    // A hand edit may have removed the final line break: the new entry still gets its own line.
    if (!nutzerliste.isEmpty() && !nutzerliste.endsWith(QLatin1Char('\n')) &&
        !nutzerliste.endsWith(QLatin1Char('\r')))
        nutzerliste += QStringLiteral("\r\n");
    nutzerliste += pinFeld + QStringLiteral("  ") + nameFeld + QStringLiteral("\r\n");
    nutzerlisteGeaendert();
    pinFeld.clear();
    nameFeld.clear();
    fokus = Fokus::Pin;
}

void Verwaltung::alleNutzerLoeschen() {
    nutzerliste.clear();
    nutzerlisteGeaendert();
    pinFeld.clear();
    nameFeld.clear();
    nutzerAnzahlText = QString::number(nutzerzeilen().size());
    fokus = Fokus::Pin;
}

// A showing sets the counter to 1 wherever the cover is, so its first press may leave the
// PINs uncovered.
void Verwaltung::pinDeckelGedrueckt() {
    if (pinAbdeckungZaehler == 1)
        pinsAufgedeckt = true;
    if (pinAbdeckungZaehler == 2) {
        pinsAufgedeckt = false;
        pinAbdeckungZaehler = 0;
    }
    ++pinAbdeckungZaehler;
}
