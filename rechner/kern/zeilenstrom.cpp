#include "rechner/kern/zeilenstrom.h"

#include "common/ansi.h"

#include <algorithm>

QByteArrayView Speicherquelle::naechstesStueck() {
    const QByteArrayView stueck = m_alles.sliced(m_pos, std::min(m_stueck, m_alles.size() - m_pos));
    m_pos += stueck.size();
    return stueck;
}

Vorschau::Vorschau(Bytequelle& quelle, qsizetype anzahl) : m_quelle(quelle) {
    while (m_anfang.size() < anzahl) {
        const QByteArrayView stueck = m_quelle.naechstesStueck();
        if (stueck.isEmpty())
            break;
        m_anfang.append(stueck);
    }
}

QByteArrayView Vorschau::naechstesStueck() {
    if (!m_gegeben) {
        m_gegeben = true;
        if (!m_anfang.isEmpty())
            return m_anfang;
    }
    return m_quelle.naechstesStueck();
}

bool Zeilensammlung::aufnehmen(QString zeile) {
    // The list's entry, and for a line that is not empty the string's header and characters as
    // the allocator hands them out.
    constexpr qint64 Eintrag = sizeof(QString), Kopf = 24;
    const qint64 kosten = Eintrag + (zeile.isEmpty() ? 0 : Kopf + 2 * zeile.size());
    if (kosten > m_rest) {
        m_voll = true;
        return false;
    }
    m_rest -= kosten;
    zeilen.append(zeile.isEmpty() ? QString() : std::move(zeile));
    return true;
}

bool Textzerleger::zeile(QByteArrayView schluss) {
    bool genommen;
    if (m_rest.isEmpty()) {
        genommen = m_zeilen.aufnehmen(ansiZuText(schluss));
    } else {
        m_rest.append(schluss);
        genommen = m_zeilen.aufnehmen(ansiZuText(m_rest));
        m_rest.resize(0);
    }
    return genommen;
}

bool Textzerleger::stueck(QByteArrayView text) {
    qsizetype anfang = 0;
    if (m_nachCr && !text.isEmpty() && text[0] == '\n')
        anfang = 1;
    m_nachCr = false;
    for (qsizetype i = anfang; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        if (!zeile(text.sliced(anfang, i - anfang)))
            return false;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else if (c == '\r' && i + 1 == text.size())
            m_nachCr = true;
        anfang = i + 1;
    }
    m_rest.append(text.sliced(anfang));
    return true;
}

bool Textzerleger::ende() {
    return m_rest.isEmpty() || zeile({});
}
