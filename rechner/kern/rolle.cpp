#include "rechner/kern/rolle.h"

#include <algorithm>

QStringList Rolle::inZeilen(QStringView text) {
    QStringList zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        zeilen.append(text.mid(anfang, i - anfang).toString());
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.append(text.mid(anfang).toString());
    return zeilen;
}

void Rolle::anhaengen(QStringView stueck) {
    const QStringList neu = inZeilen(stueck);
    if (neu.isEmpty())
        return;
    if (m_beobachter)
        m_beobachter->vorAnhaengen(m_zeilen.size(), neu.size());
    m_zeilen.append(neu);
    if (m_beobachter)
        m_beobachter->nachAnhaengen();
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
            getrennt.append(mitUmbruch(zeile) ? inZeilen(zeile + QLatin1Char('\r'))
                                              : QStringList{zeile});
        zeilen = std::move(getrennt);
    }
    if (m_beobachter)
        m_beobachter->vorErsetzen();
    m_zeilen = std::move(zeilen);
    if (m_beobachter)
        m_beobachter->nachErsetzen();
}

void Rolle::bereichErsetzen(qsizetype von, qsizetype anzahl, const QStringList& neu) {
    if (m_beobachter)
        m_beobachter->vorErsetzen();
    m_zeilen.remove(von, anzahl);
    m_zeilen.insert(von, neu.size(), QString());
    std::copy(neu.cbegin(), neu.cend(), m_zeilen.begin() + von);
    if (m_beobachter)
        m_beobachter->nachErsetzen();
}

QString Rolle::text() const {
    QString text;
    for (const QString& zeile : m_zeilen)
        text += zeile + QStringLiteral("\r\n");
    return text;
}
