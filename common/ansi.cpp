#include "common/ansi.h"

#include <array>

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control of the
// same number, as the platform's conversion does.
constexpr std::array<char16_t, 32> HoheZeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QChar ansiZeichen(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HoheZeichen[byte - 0x80]);
    return QChar(byte);
}

char ansiByte(QChar zeichen) {
    const char16_t c = zeichen.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < HoheZeichen.size(); ++i) {
        if (HoheZeichen[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString ansiZuText(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (char b : bytes)
        *ziel++ = ansiZeichen(static_cast<unsigned char>(b));
    return text;
}

QByteArray textZuAnsi(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* ziel = bytes.data();
    for (QChar c : text)
        *ziel++ = ansiByte(c);
    return bytes;
}

QString ansiTauglich(QStringView text) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            continue;
        ergebnis += ansiZeichen(static_cast<unsigned char>(ansiByte(text[i])));
    }
    return ergebnis;
}
