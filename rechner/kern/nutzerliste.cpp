// The operator list of the administration window: adding, deleting, the count and the cover
// over the PIN column.
#include "rechner/kern/verwaltung.h"

#include "common/zeilen.h"
#include "rechner/kern/datendateien.h"

QString grossbuchstaben(const QString& text) {
    QString gross = text;
    for (QChar& zeichen : gross)
        zeichen = zeichen.toUpper();
    return gross;
}

QStringList Verwaltung::nutzerzeilen() const {
    return zeilenAus(m_nutzerliste);
}

// Counted on the text itself: the main window asks for it at every refresh.
qint32 Verwaltung::nutzerAnzahl() const {
    qint32 anzahl = 0;
    zeilenDurchgehen(QStringView(m_nutzerliste), [&anzahl](QStringView) { ++anzahl; });
    return anzahl;
}

QString Verwaltung::nutzerstatus() const {
    return m_nutzerlisteGeaendert ? QStringLiteral("Registrierte Nutzer: ") + nutzerAnzahlText()
                                  : QString();
}

// The count and the status line follow the list when read; from now on the status line shows.
void Verwaltung::nutzerlisteGeaendert() {
    m_nutzerlisteGeaendert = true;
}

void Verwaltung::nutzerlisteLaden() {
    if (NutzerlisteLaden(m_nutzerliste, m_dialoge))
        nutzerlisteGeaendert();
}

void Verwaltung::nutzerlisteGetippt(const QString& text) {
    m_nutzerliste = text;
    nutzerlisteGeaendert();
}

void Verwaltung::nameGetippt(const QString& text) {
    m_nameFeld = grossbuchstaben(text);
}

void Verwaltung::nutzerHinzufuegen() {
    // A hand edit may have removed the final line break: the new entry still gets its own line.
    if (!m_nutzerliste.isEmpty() && !m_nutzerliste.endsWith(QLatin1Char('\n')) &&
        !m_nutzerliste.endsWith(QLatin1Char('\r')))
        m_nutzerliste += QStringLiteral("\r\n");
    m_nutzerliste += m_pinFeld + QStringLiteral("  ") + m_nameFeld + QStringLiteral("\r\n");
    nutzerlisteGeaendert();
    m_pinFeld.clear();
    m_nameFeld.clear();
    m_fokus = Fokus::Pin;
}

void Verwaltung::alleNutzerLoeschen() {
    m_nutzerliste.clear();
    nutzerlisteGeaendert();
    m_pinFeld.clear();
    m_nameFeld.clear();
    m_fokus = Fokus::Pin;
}

// A showing sets the counter to 1 wherever the cover is, so its first press may leave the
// PINs uncovered.
void Verwaltung::pinDeckelGedrueckt() {
    if (m_pinAbdeckungZaehler == 1)
        m_pinsAufgedeckt = true;
    if (m_pinAbdeckungZaehler == 2) {
        m_pinsAufgedeckt = false;
        m_pinAbdeckungZaehler = 0;
    }
    ++m_pinAbdeckungZaehler;
}
