#include "rechner/rollenfeld/rollensatz.h"

#include <QTextOption>

void RollenSatz::einrichten(const QFont& schrift, int breite, int reihenhoehe) {
    if (schrift == m_schrift && breite == m_breite && reihenhoehe == m_reihenhoehe)
        return;
    m_schrift = schrift;
    m_breite = breite;
    m_reihenhoehe = reihenhoehe;
    vergessen();
}

std::shared_ptr<const QTextLayout> RollenSatz::satz(qsizetype zeile, qsizetype stueck,
                                                    QStringView text) {
    const Schluessel schluessel{zeile, stueck};
    if (const Eintrag* gefunden = m_saetze.object(schluessel); gefunden && gefunden->text == text)
        return gefunden->satz;
    auto* eintrag = new Eintrag{text.toString(), nullptr};
    std::shared_ptr<QTextLayout> neu = neuerSatz(eintrag->text);
    umbrechen(*neu, text);
    eintrag->satz = neu;
    m_saetze.insert(schluessel, eintrag, 1 + text.size() / 256);
    return neu;
}

std::shared_ptr<const QTextLayout>
RollenSatz::mitEinschub(QStringView text, int stelle, const QString& einschub,
                        const QList<QTextLayout::FormatRange>& formate) const {
    std::shared_ptr<QTextLayout> satz = neuerSatz(text.toString());
    satz->setPreeditArea(stelle, einschub);
    satz->setFormats(formate);
    umbrechen(*satz, text.left(stelle).toString() + einschub + text.mid(stelle).toString());
    return satz;
}

std::shared_ptr<QTextLayout> RollenSatz::neuerSatz(const QString& text) const {
    auto satz = std::make_shared<QTextLayout>(text, m_schrift);
    QTextOption ueberall(Qt::AlignLeft);
    ueberall.setWrapMode(QTextOption::WrapAnywhere);
    satz->setTextOption(ueberall);
    satz->setCacheEnabled(true);
    return satz;
}

// A row takes what fits of the line (the blanks it ends with hang past the edge, except those
// that end the line and fit); when that cuts a word, the row ends after the last blank before it
// instead, and only a word wider than the view is cut. Every row is one row height below the
// last, whatever fallback font a character needs, so that a line's height is its row count
// times the row height.
void RollenSatz::umbrechen(QTextLayout& satz, QStringView gezeigt) const {
    satz.beginLayout();
    for (int reihe = 0;; ++reihe) {
        QTextLine zeile = satz.createLine();
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
    satz.endLayout();
}
