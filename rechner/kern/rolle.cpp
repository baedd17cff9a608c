#include "rechner/kern/rolle.h"

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

void Rolle::ersetzen(QStringList zeilen) {
    if (m_beobachter)
        m_beobachter->vorErsetzen();
    m_zeilen = std::move(zeilen);
    if (m_beobachter)
        m_beobachter->nachErsetzen();
}

QString Rolle::text() const {
    QString text;
    for (const QString& zeile : m_zeilen)
        text += zeile + QStringLiteral("\r\n");
    return text;
}
