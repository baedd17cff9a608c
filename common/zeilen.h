#pragma once

// Lines and line breaks. Three rules, each for its own texts:
// - the roll's rule (zeilenDurchgehen, zeilenAus, mitCrLf): a line ends at CR LF, at a lone CR or
//   at a lone LF; text after the last break is a last line only when it is not empty. It splits
//   the roll's pieces, plain-text roll files and the operator list;
// - the settings file's rule (einstellungszeilen): a line ends at CR LF or at a lone LF, a CR not
//   followed by LF is dropped from the text, and a line missing at the end reads as empty;
// - the updater's text fields' rule (ohneErsteFeldzeile): a field holds CR LF breaks and a line
//   ends only there; a lone CR or LF is part of its line.
// Stored and shared texts break their lines with CR LF; a QPlainTextEdit shows LF alone.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
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

// The first `anzahl` lines of the settings file's bytes, by its rule, each without its break;
// missing lines are empty.
QList<QByteArray> einstellungszeilen(QByteArrayView bytes, qsizetype anzahl);

// A field's text without its first line, which takes its CR LF with it; the empty text when the
// text holds no CR LF.
QString ohneErsteFeldzeile(QStringView text);

// Every break made CR LF: CR LF stays, a lone CR and a lone LF each become CR LF.
QString mitCrLf(QStringView text);

// A text with CR LF breaks as a QPlainTextEdit shows it: every CR LF becomes LF.
QString alsAnzeige(QStringView text);
// The shown text back with CR LF breaks; the widget's text has no CR, so every LF becomes CR LF.
inline QString ausAnzeige(QStringView anzeige) {
    return mitCrLf(anzeige);
}
