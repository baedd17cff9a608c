#include "rechner/kern/rolle.h"

#include "common/zeilen.h"

#include <algorithm>

namespace {
// Hand edits leave runs behind; past this many the roll is put into one list again.
constexpr std::size_t HoechstensLaeufe = 4096;
} // namespace

void Rolle::beobachten(RollenBeobachter* beobachter) {
    if (std::find(m_beobachter.cbegin(), m_beobachter.cend(), beobachter) == m_beobachter.cend())
        m_beobachter.push_back(beobachter);
}

void Rolle::nichtMehrBeobachten(RollenBeobachter* beobachter) {
    std::erase(m_beobachter, beobachter);
}

QStringList Rolle::zeilen() const {
    if (m_laeufe.size() == 1 && m_laeufe[0].von == 0 && m_laeufe[0].anzahl == m_anzahl &&
        m_laeufe[0].liste->zeilen.size() == m_anzahl)
        return m_laeufe[0].liste->zeilen;
    QStringList alle;
    alle.reserve(m_anzahl);
    for (const Lauf& lauf : m_laeufe)
        alle.append(std::as_const(lauf.liste->zeilen).mid(lauf.von, lauf.anzahl));
    return alle;
}

qsizetype Rolle::laufVon(qsizetype zeile) const {
    return std::upper_bound(m_anfaenge.cbegin(), m_anfaenge.cend(), zeile) - m_anfaenge.cbegin() -
           1;
}

const QString& Rolle::zeile(qsizetype i) const {
    const qsizetype lauf = laufVon(i);
    const Lauf& l = m_laeufe[static_cast<std::size_t>(lauf)];
    return std::as_const(l.liste->zeilen)[l.von + i - m_anfaenge[static_cast<std::size_t>(lauf)]];
}

// New lines go into the last run's list when no other run or roll holds that list, else into a
// run of their own.
void Rolle::zeilenAnfuegen(QStringList neu) {
    if (!m_laeufe.empty()) {
        Lauf& letzter = m_laeufe.back();
        QStringList& liste = letzter.liste->zeilen;
        if (letzter.liste.use_count() == 1 && liste.isDetached() &&
            letzter.von + letzter.anzahl == liste.size()) {
            liste.append(neu);
            letzter.anzahl += neu.size();
            m_anzahl += neu.size();
            return;
        }
    }
    m_anfaenge.push_back(m_anzahl);
    m_anzahl += neu.size();
    const qsizetype anzahl = neu.size();
    m_laeufe.push_back({std::make_shared<Zeilenliste>(Zeilenliste{std::move(neu)}), 0, anzahl});
}

void Rolle::anhaengen(QStringView stueck) {
    QStringList neu = zeilenAus(stueck);
    if (neu.isEmpty())
        return;
    const qsizetype erste = m_anzahl;
    zeilenAnfuegen(std::move(neu));
    // By index: an observer may stop observing while it is told.
    for (std::size_t i = 0; i < m_beobachter.size(); ++i)
        m_beobachter[i]->angehaengt(erste);
}

void Rolle::ersetzenAnkuendigen() {
    for (std::size_t i = 0; i < m_beobachter.size(); ++i)
        m_beobachter[i]->wirdErsetzt();
}

void Rolle::ersetztMelden(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) {
    for (std::size_t i = 0; i < m_beobachter.size(); ++i)
        m_beobachter[i]->ersetzt(von, alteAnzahl, neueAnzahl);
}

void Rolle::neuAufsetzen(QStringList zeilen) {
    m_laeufe.clear();
    m_anfaenge.clear();
    m_zeichenAnfaenge.clear();
    m_anzahl = 0;
    if (!zeilen.isEmpty())
        zeilenAnfuegen(std::move(zeilen));
}

// A roll line never holds a line break: lines that bring one along (read from a file or edited
// by hand) are split by the same rule as an appended piece.
void Rolle::ersetzen(QStringList zeilen) {
    const auto mitUmbruch = [](const QString& zeile) {
        return zeile.contains(QLatin1Char('\r')) || zeile.contains(QLatin1Char('\n'));
    };
    if (std::any_of(zeilen.cbegin(), zeilen.cend(), mitUmbruch)) {
        QStringList getrennt;
        for (const QString& zeile : zeilen)
            getrennt.append(mitUmbruch(zeile) ? zeilenAus(zeile + QLatin1Char('\r'))
                                              : QStringList{zeile});
        zeilen = std::move(getrennt);
    }
    const qsizetype alt = m_anzahl;
    ersetzenAnkuendigen();
    neuAufsetzen(std::move(zeilen));
    ersetztMelden(0, alt, m_anzahl);
}

void Rolle::uebernehmen(const Rolle& quelle) {
    const qsizetype alt = m_anzahl;
    ersetzenAnkuendigen();
    m_laeufe = quelle.m_laeufe;
    m_anfaenge = quelle.m_anfaenge;
    m_zeichenAnfaenge = quelle.m_zeichenAnfaenge;
    m_anzahl = quelle.m_anzahl;
    ersetztMelden(0, alt, m_anzahl);
}

// Makes a run start at the line and returns its index (the run count for the end).
qsizetype Rolle::teilen(qsizetype zeile) {
    if (zeile >= m_anzahl)
        return static_cast<qsizetype>(m_laeufe.size());
    const auto lauf = static_cast<std::size_t>(laufVon(zeile));
    const qsizetype davor = zeile - m_anfaenge[lauf];
    if (davor == 0)
        return static_cast<qsizetype>(lauf);
    Lauf hinten = m_laeufe[lauf];
    hinten.von += davor;
    hinten.anzahl -= davor;
    m_laeufe[lauf].anzahl = davor;
    m_laeufe.insert(m_laeufe.begin() + static_cast<std::ptrdiff_t>(lauf) + 1, hinten);
    m_anfaenge.insert(m_anfaenge.begin() + static_cast<std::ptrdiff_t>(lauf) + 1, zeile);
    zeichenVergessenAb(lauf + 1);
    return static_cast<qsizetype>(lauf) + 1;
}

void Rolle::anfaengeAb(std::size_t lauf) {
    zeichenVergessenAb(lauf);
    m_anfaenge.resize(m_laeufe.size());
    qsizetype anfang = lauf == 0 ? 0 : m_anfaenge[lauf - 1] + m_laeufe[lauf - 1].anzahl;
    for (; lauf < m_laeufe.size(); ++lauf) {
        m_anfaenge[lauf] = anfang;
        anfang += m_laeufe[lauf].anzahl;
    }
}

// The runs over the range give way to one run of the new lines; the lines around them stay
// where they are, in the lists they share.
void Rolle::bereichErsetzen(qsizetype von, qsizetype anzahl, const QStringList& neu) {
    ersetzenAnkuendigen();
    const qsizetype erster = teilen(von);
    const qsizetype ende = teilen(von + anzahl);
    const auto anfang = m_laeufe.begin() + erster;
    m_laeufe.erase(anfang, m_laeufe.begin() + ende);
    if (!neu.isEmpty())
        m_laeufe.insert(m_laeufe.begin() + erster,
                        Lauf{std::make_shared<Zeilenliste>(Zeilenliste{neu}), 0, neu.size()});
    m_anzahl += neu.size() - anzahl;
    anfaengeAb(static_cast<std::size_t>(erster));
    if (m_laeufe.size() > HoechstensLaeufe)
        neuAufsetzen(zeilen());
    ersetztMelden(von, anzahl, neu.size());
}

QString Rolle::text() const {
    QString text;
    for (qsizetype i = 0; i < m_anzahl; ++i)
        text += zeile(i) + QStringLiteral("\r\n");
    return text;
}

// A count every 32 lines costs a quarter of a megabyte for a million lines; the lines after it
// are added up each time, from their sizes, which the list holds side by side.
qsizetype Rolle::Zeilenliste::zeichenBis(qsizetype zeile) const {
    const auto zaehlen = [this](qsizetype von, qsizetype bis) {
        qsizetype zeichen = 0;
        for (qsizetype i = von; i < bis; ++i)
            zeichen += zeilen[i].size();
        return zeichen;
    };
    const auto bisBlock = static_cast<std::size_t>(zeile / Block);
    while (zeichenVorBlock.size() <= bisBlock) {
        const auto anfang = static_cast<qsizetype>(zeichenVorBlock.size() - 1) * Block;
        zeichenVorBlock.push_back(zeichenVorBlock.back() + zaehlen(anfang, anfang + Block));
    }
    const qsizetype anfang = zeile / Block * Block;
    return zeichenVorBlock[bisBlock] + zaehlen(anfang, zeile);
}

void Rolle::zeichenVergessenAb(std::size_t lauf) const {
    if (m_zeichenAnfaenge.size() > lauf)
        m_zeichenAnfaenge.resize(lauf);
}

qsizetype Rolle::zeichenVorLauf(std::size_t lauf) const {
    if (m_zeichenAnfaenge.empty())
        m_zeichenAnfaenge.push_back(0);
    while (m_zeichenAnfaenge.size() <= lauf) {
        const std::size_t davor = m_zeichenAnfaenge.size() - 1;
        m_zeichenAnfaenge.push_back(m_zeichenAnfaenge[davor] + m_laeufe[davor].zeichen());
    }
    return m_zeichenAnfaenge[lauf];
}

// The characters of the lines before a line, breaks not counted.
qsizetype Rolle::zeichenVor(qsizetype zeile) const {
    if (m_laeufe.empty())
        return 0;
    if (zeile >= m_anzahl)
        return zeichenVorLauf(m_laeufe.size() - 1) + m_laeufe.back().zeichen();
    const auto lauf = static_cast<std::size_t>(laufVon(zeile));
    const Lauf& l = m_laeufe[lauf];
    return zeichenVorLauf(lauf) + l.liste->zeichenBis(l.von + zeile - m_anfaenge[lauf]) -
           l.liste->zeichenBis(l.von);
}

qsizetype Rolle::zeilenanfang(qsizetype zeile) const {
    zeile = std::clamp<qsizetype>(zeile, 0, m_anzahl);
    return zeichenVor(zeile) + zeile;
}

qsizetype Rolle::verbundeneLaenge() const {
    return m_anzahl == 0 ? 0 : zeilenanfang(m_anzahl) - 1;
}

// First the run, by where each run's first line starts, then the line within the run's list.
qsizetype Rolle::zeileBei(qsizetype position) const {
    if (m_laeufe.empty())
        return 0;
    zeichenVorLauf(m_laeufe.size() - 1);
    const auto anfangDesLaufs = [this](std::size_t lauf) {
        return m_zeichenAnfaenge[lauf] + m_anfaenge[lauf];
    };
    std::size_t lauf = 0;
    for (std::size_t bis = m_laeufe.size(); bis - lauf > 1;) {
        const std::size_t mitte = lauf + (bis - lauf) / 2;
        (anfangDesLaufs(mitte) <= position ? lauf : bis) = mitte;
    }
    // Line `i` of the run's list starts at `basis` + the characters before it + `i`.
    const Lauf& l = m_laeufe[lauf];
    const qsizetype basis = anfangDesLaufs(lauf) - l.liste->zeichenBis(l.von) - l.von;
    qsizetype links = l.von;
    for (qsizetype rechts = l.von + l.anzahl; rechts - links > 1;) {
        const qsizetype mitte = links + (rechts - links) / 2;
        (basis + l.liste->zeichenBis(mitte) + mitte <= position ? links : rechts) = mitte;
    }
    return m_anfaenge[lauf] + links - l.von;
}

QString Rolle::abschnitt(qsizetype vonZeile, qsizetype vonSpalte, qsizetype bisZeile,
                         qsizetype bisSpalte) const {
    if (m_anzahl == 0 || bisZeile < vonZeile)
        return {};
    if (vonZeile == bisZeile)
        return zeile(vonZeile).mid(vonSpalte, bisSpalte - vonSpalte);
    // Its length is known from the counts: a million lines are put together in one allocation.
    QString text;
    text.reserve(zeilenanfang(bisZeile) + bisSpalte - zeilenanfang(vonZeile) - vonSpalte);
    text += QStringView(zeile(vonZeile)).mid(vonSpalte);
    for (qsizetype i = vonZeile + 1; i <= bisZeile; ++i) {
        text += QLatin1Char('\n');
        text += i < bisZeile ? QStringView(zeile(i)) : QStringView(zeile(i)).left(bisSpalte);
    }
    return text;
}
