#include "rechner/kern/zeilenstrom.h"

#include "common/ansi.h"

#include <algorithm>
#include <utility>

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

namespace {

// A string's header and terminator as the allocator hands them out, and its characters.
constexpr qint64 Kopf = 24;
qint64 textKosten(qsizetype zeichen) {
    return Kopf + 2 * qint64(zeichen);
}

// Up to this length a finished line is copied into a string of its own size and the line's
// string is used again; a longer one is taken itself, so that it is never held twice.
constexpr qsizetype KurzeZeile = 4096;
// The least room a line gets: a short line is built in one step.
constexpr qsizetype MindestRaum = 64;

} // namespace

qint64 Zeilensammlung::kosten(qsizetype zeichen) {
    constexpr qint64 Eintrag = sizeof(QString);
    return Eintrag + (zeichen == 0 ? 0 : textKosten(zeichen));
}

bool Zeilensammlung::belasten(qint64 bytes) {
    if (bytes > m_rest) {
        m_voll = true;
        return false;
    }
    m_rest -= bytes;
    return true;
}

// The room grows by half, so that a long line is built in linear time; near the limit by only
// what is needed, so that a line that fits is not refused for the room it might have grown to.
bool Zeilenpuffer::platz(qsizetype anzahl) {
    const qint64 noetig = qint64(m_zeile.size()) + anzahl;
    const qint64 raum = m_zeile.capacity();
    if (noetig <= raum)
        return true;
    const qint64 erlaubt = (m_zeilen.rest() + m_belastet - Kopf) / 2;
    const qint64 neu = std::max(
        std::min(std::max({noetig, raum + raum / 2, qint64(MindestRaum)}), erlaubt), noetig);
    if (!m_zeilen.belasten(textKosten(neu) - m_belastet))
        return false;
    m_zeile.reserve(static_cast<qsizetype>(neu));
    m_belastet = textKosten(neu);
    return true;
}

bool Zeilenpuffer::anhaengen(QChar zeichen) {
    if (!platz(1))
        return false;
    m_zeile.append(zeichen);
    return true;
}

bool Zeilenpuffer::ansiAnhaengen(QByteArrayView bytes) {
    if (!platz(bytes.size()))
        return false;
    const qsizetype alt = m_zeile.size();
    m_zeile.resize(alt + bytes.size());
    QChar* ziel = m_zeile.data() + alt;
    for (const char c : bytes)
        *ziel++ = ansiZeichen(static_cast<unsigned char>(c));
    return true;
}

bool Zeilenpuffer::abgeben() {
    const qsizetype laenge = m_zeile.size();
    if (laenge <= KurzeZeile) {
        if (!m_zeilen.belasten(Zeilensammlung::kosten(laenge)))
            return false;
        m_zeilen.zeilen.append(laenge == 0 ? QString() : QString(m_zeile.constData(), laenge));
        m_zeile.truncate(0);
        return true;
    }
    // Cut to its size in place: the room past its end goes back, nothing is copied.
    m_zeile.squeeze();
    m_zeilen.entlasten(m_belastet);
    m_belastet = 0;
    if (!m_zeilen.belasten(Zeilensammlung::kosten(laenge)))
        return false;
    m_zeilen.zeilen.append(std::exchange(m_zeile, QString()));
    return true;
}

bool Zeilenpuffer::ansiAbgeben(QByteArrayView schluss) {
    if (!leer())
        return ansiAnhaengen(schluss) && abgeben();
    if (!m_zeilen.belasten(Zeilensammlung::kosten(schluss.size())))
        return false;
    m_zeilen.zeilen.append(schluss.isEmpty() ? QString() : ansiZuText(schluss));
    return true;
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
        if (!m_zeile.ansiAbgeben(text.sliced(anfang, i - anfang)))
            return false;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else if (c == '\r' && i + 1 == text.size())
            m_nachCr = true;
        anfang = i + 1;
    }
    return m_zeile.ansiAnhaengen(text.sliced(anfang));
}

bool Textzerleger::ende() {
    return m_zeile.leer() || m_zeile.abgeben();
}
