#pragma once

// Lines and line breaks, one rule for every text both programs split, show and store. A line
// ends at CR LF, at a lone CR or at a lone LF; text after the last break is a last line only when
// it is not empty. Stored and shared texts break their lines with CR LF; a QPlainTextEdit shows
// LF alone.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zeilen_intern {
inline char16_t zeichen(QChar c) {
    return c.unicode();
}
inline char16_t zeichen(char c) {
    return static_cast<unsigned char>(c);
}
} // namespace zeilen_intern

// Calls `zeile` with each line of `text` (a QStringView or a QByteArrayView) without its break,
// in order, so that a caller can convert or count the lines without holding the text twice.
template <typename Ansicht, typename Abnehmer>
void zeilenDurchgehen(Ansicht text, Abnehmer&& zeile) {
    using zeilen_intern::zeichen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = zeichen(text[i]);
        if (c != u'\r' && c != u'\n')
            continue;
        zeile(text.sliced(anfang, i - anfang));
        if (c == u'\r' && i + 1 < text.size() && zeichen(text[i + 1]) == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeile(text.sliced(anfang));
}

// The lines of a text.
QStringList zeilenAus(QStringView text);

// Every break made CR LF: CR LF stays, a lone CR and a lone LF each become CR LF.
QString mitCrLf(QStringView text);

// A text with CR LF breaks as a QPlainTextEdit shows it: every CR LF becomes LF.
QString alsAnzeige(QStringView text);
// The shown text back with CR LF breaks; the widget's text has no CR, so every LF becomes CR LF.
inline QString ausAnzeige(QStringView anzeige) {
    return mitCrLf(anzeige);
}
