#include "rechner/fenster/rollensatz.h"

#include <QTextOption>

namespace {
// Enough for the lines in sight, the lines at the end and a few pages scrolled over.
constexpr std::size_t behalteneSaetze = 512;
} // namespace

void RollenSatz::einrichten(const QFont& schrift, int breite, int reihenhoehe) {
    if (schrift == m_schrift && breite == m_breite && reihenhoehe == m_reihenhoehe)
        return;
    m_schrift = schrift;
    m_breite = breite;
    m_reihenhoehe = reihenhoehe;
    vergessen();
}

QString RollenSatz::anzeigetext(const QString& zeile) {
    qsizetype ende = zeile.size();
    while (ende > 0 && zeile[ende - 1] == u' ')
        --ende;
    if (ende == zeile.size())
        return zeile;
    return zeile.left(ende) + QString(zeile.size() - ende, QChar(0x00A0));
}

std::shared_ptr<const QTextLayout> RollenSatz::satz(qsizetype zeile, const QString& text) {
    const auto gefunden = m_saetze.find(zeile);
    if (gefunden != m_saetze.end() && gefunden->second.text == text)
        return gefunden->second.satz;
    if (m_saetze.size() >= behalteneSaetze)
        vergessen();
    std::shared_ptr<const QTextLayout> neu = setzen(text);
    m_saetze[zeile] = Eintrag{text, neu};
    return neu;
}

// A row takes what fits of the line (the blanks it ends with hang past the edge); when that
// cuts a word, the row ends after the last blank before it instead, and only a word wider than
// the view is cut. Every row is one row height below the last, whatever fallback font a
// character needs, so that a line's height is its row count times the row height.
std::unique_ptr<QTextLayout> RollenSatz::setzen(const QString& text) const {
    const QString gezeigt = anzeigetext(text);
    auto satz = std::make_unique<QTextLayout>(gezeigt, m_schrift);
    QTextOption ueberall(Qt::AlignLeft);
    ueberall.setWrapMode(QTextOption::WrapAnywhere);
    satz->setTextOption(ueberall);
    satz->setCacheEnabled(true);
    satz->beginLayout();
    for (int reihe = 0;; ++reihe) {
        QTextLine zeile = satz->createLine();
        if (!zeile.isValid())
            break;
        zeile.setLineWidth(m_breite);
        const int anfang = zeile.textStart();
        const int ende = anfang + zeile.textLength();
        if (ende < gezeigt.size() && gezeigt[ende - 1] != u' ') {
            int blank = ende - 1;
            while (blank > anfang && gezeigt[blank] != u' ')
                --blank;
            if (blank > anfang)
                zeile.setNumColumns(blank + 1 - anfang);
        }
        zeile.setPosition(QPointF(m_breite - zeile.naturalTextWidth(), reihe * m_reihenhoehe));
    }
    satz->endLayout();
    return satz;
}
