#include "rechner/kern/rtfleser.h"

#include "common/ansi.h"

#include <algorithm>
#include <array>
#include <climits>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

// Destinations whose text is not part of the document's body: tables of the header, document
// information, pictures, headers and footers, field instructions, list numbering.
// clang-format off
constexpr std::string_view ausgeblendeteZiele[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid", "atnref",
    "author", "bkmkend", "bkmkstart", "colortbl", "comment", "company", "datastore", "doccomm",
    "fldinst", "fonttbl", "footer", "footerf", "footerl", "footerr", "footnote", "ftncn",
    "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info",
    "keywords", "listoverridetable", "listtable", "listtext", "nonshppict", "objclass",
    "objdata", "operator", "pict", "pntext", "revtbl", "rsidtbl", "shpinst", "stylesheet",
    "subject", "tc", "title", "xe"};
// clang-format on

bool ausgeblendetesZiel(std::string_view wort) {
    return std::find(std::begin(ausgeblendeteZiele), std::end(ausgeblendeteZiele), wort) !=
           std::end(ausgeblendeteZiele);
}

// Named characters that word processors write instead of their code.
std::optional<char16_t> benanntesZeichen(std::string_view wort) {
    struct Name {
        std::string_view wort;
        char16_t zeichen;
    };
    static constexpr std::array<Name, 8> namen = {{{"tab", u'\t'},
                                                   {"emdash", 0x2014},
                                                   {"endash", 0x2013},
                                                   {"lquote", 0x2018},
                                                   {"rquote", 0x2019},
                                                   {"ldblquote", 0x201C},
                                                   {"rdblquote", 0x201D},
                                                   {"bullet", 0x2022}}};
    for (const Name& n : namen) {
        if (n.wort == wort)
            return n.zeichen;
    }
    return std::nullopt;
}

bool istBuchstabe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}
int hexWert(char c) {
    if (istZiffer(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What a group carries and restores at its end.
struct Gruppe {
    int uc = 1;                // fallback characters after each \uN
    bool ausgeblendet = false; // inside a destination that is not body text
};

class RtfLeser {
public:
    RtfLeser(QByteArrayView rtf, qsizetype hoechstZeilen) : m_rtf(rtf), m_hoechst(hoechstZeilen) {}

    std::optional<QStringList> lesen() {
        while (m_pos < m_rtf.size() && !m_fehler) {
            const char c = m_rtf[m_pos++];
            if (c == '}' && m_stapel.size() == 1)
                return ende();
            zeichenVerarbeiten(c);
        }
        return std::nullopt; // the document ended before its outermost group
    }

private:
    void zeichenVerarbeiten(char c) {
        switch (c) {
        case '{':
            gruppeAuf();
            break;
        case '}':
            gruppeZu();
            break;
        case '\\':
            steuerung();
            break;
        case '\r':
        case '\n':
            break;
        default:
            // Other control bytes are noise in RTF; a TAB byte counts as a tab.
            if (c == '\t' || static_cast<unsigned char>(c) >= 0x20)
                text(ansiZeichen(static_cast<unsigned char>(c)));
        }
    }

    void gruppeAuf() {
        if (m_stapel.size() >= RtfHoechsteTiefe) {
            m_fehler = true;
            return;
        }
        m_stapel.push_back(m_gruppe);
        m_auslassen = 0;
    }

    void gruppeZu() {
        if (m_stapel.empty()) {
            m_fehler = true;
            return;
        }
        m_gruppe = m_stapel.back();
        m_stapel.pop_back();
        m_auslassen = 0;
    }

    void steuerung() {
        if (m_pos >= m_rtf.size()) {
            m_fehler = true;
            return;
        }
        if (istBuchstabe(m_rtf[m_pos]))
            steuerwortLesen();
        else
            steuersymbol(m_rtf[m_pos++]);
    }

    void steuerwortLesen() {
        const qsizetype anfang = m_pos;
        while (m_pos < m_rtf.size() && istBuchstabe(m_rtf[m_pos]))
            ++m_pos;
        const std::string_view wort(m_rtf.data() + anfang, static_cast<size_t>(m_pos - anfang));
        const std::optional<int> parameter = parameterLesen();
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ')
            ++m_pos;
        steuerwort(wort, parameter);
    }

    // An optional signed number; its value is clamped, its digits are all consumed.
    std::optional<int> parameterLesen() {
        const bool negativ =
            m_pos + 1 < m_rtf.size() && m_rtf[m_pos] == '-' && istZiffer(m_rtf[m_pos + 1]);
        if (negativ)
            ++m_pos;
        if (m_pos >= m_rtf.size() || !istZiffer(m_rtf[m_pos]))
            return std::nullopt;
        qint64 wert = 0;
        for (; m_pos < m_rtf.size() && istZiffer(m_rtf[m_pos]); ++m_pos)
            wert = std::min<qint64>(wert * 10 + (m_rtf[m_pos] - '0'), 1LL << 32);
        wert = negativ ? -wert : wert;
        return static_cast<int>(std::clamp<qint64>(wert, INT_MIN, INT_MAX));
    }

    void steuerwort(std::string_view wort, std::optional<int> parameter) {
        if (wort == "bin")
            return binaerUeberspringen(parameter.value_or(0));
        // A field's shown text is body text, also when its writer marks it with "\*".
        if (wort == "fldrslt" && !m_stapel.empty())
            m_gruppe.ausgeblendet = m_stapel.back().ausgeblendet;
        if (m_gruppe.ausgeblendet)
            return;
        if (wort == "u")
            return unicode(parameter.value_or(0));
        if (wort == "uc") {
            m_gruppe.uc = std::clamp(parameter.value_or(1), 0, 1000);
            return;
        }
        if (ausgeblendetesZiel(wort)) {
            m_gruppe.ausgeblendet = true;
            return;
        }
        // A control word in the fallback of \uN counts as one of its characters.
        if (m_auslassen > 0) {
            --m_auslassen;
            return;
        }
        if (wort == "par" || wort == "line" || wort == "sect" || wort == "cell")
            absatz();
        else if (const auto zeichen = benanntesZeichen(wort))
            anhaengen(QChar(*zeichen));
    }

    void steuersymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            return text(QLatin1Char(c));
        case '~':
            return text(QChar(0xA0));
        case '-':
            return text(QChar(0xAD));
        case '_':
            return text(QLatin1Char('-'));
        case '*':
            m_gruppe.ausgeblendet = true;
            return;
        case '\'':
            return hexZeichen();
        case '\r':
        case '\n':
            return steuerwort("par", std::nullopt);
        default:
            return steuerwort({}, std::nullopt);
        }
    }

    void hexZeichen() {
        if (m_pos + 2 > m_rtf.size()) {
            m_fehler = true;
            return;
        }
        const int hoch = hexWert(m_rtf[m_pos]);
        const int tief = hexWert(m_rtf[m_pos + 1]);
        if (hoch < 0 || tief < 0)
            return; // not a hex escape: the bytes are read as they come
        m_pos += 2;
        text(ansiZeichen(static_cast<unsigned char>(hoch * 16 + tief)));
    }

    void binaerUeberspringen(int anzahl) {
        if (anzahl > m_rtf.size() - m_pos) {
            m_fehler = true;
            return;
        }
        m_pos += std::max(anzahl, 0);
    }

    // A UTF-16 unit; characters outside Windows-1252 become "?", a surrogate pair one "?".
    void unicode(int wert) {
        if (wert < 0)
            wert += 0x10000;
        const QChar zeichen = wert >= 0 && wert <= 0xFFFF ? QChar(char16_t(wert)) : QChar(u'?');
        const bool zweiteHaelfte = m_hohesSurrogat && zeichen.isLowSurrogate();
        m_auslassen = 0;
        if (!zweiteHaelfte)
            anhaengen(ansiByte(zeichen) == '?' ? QChar(u'?') : zeichen);
        m_hohesSurrogat = zeichen.isHighSurrogate();
        m_auslassen = m_gruppe.uc;
    }

    void text(QChar zeichen) {
        if (m_gruppe.ausgeblendet)
            return;
        if (m_auslassen > 0) {
            --m_auslassen;
            return;
        }
        anhaengen(zeichen);
    }

    void anhaengen(QChar zeichen) {
        m_zeile.append(zeichen);
        m_hohesSurrogat = false;
    }

    void absatz() {
        m_zeilen.append(std::move(m_zeile));
        m_zeile = QString();
        m_hohesSurrogat = false;
        if (m_zeilen.size() > m_hoechst)
            m_fehler = true;
    }

    std::optional<QStringList> ende() {
        if (!m_zeile.isEmpty())
            m_zeilen.append(std::move(m_zeile));
        if (m_zeilen.size() > m_hoechst)
            return std::nullopt;
        return std::move(m_zeilen);
    }

    QByteArrayView m_rtf;
    qsizetype m_hoechst;
    qsizetype m_pos = 0;
    bool m_fehler = false;
    std::vector<Gruppe> m_stapel;
    Gruppe m_gruppe;
    int m_auslassen = 0; // fallback characters of \uN still to skip
    bool m_hohesSurrogat = false;
    QString m_zeile;
    QStringList m_zeilen;
};

} // namespace

std::optional<QStringList> RtfZeilen(QByteArrayView rtf, qsizetype hoechstZeilen) {
    if (!rtf.startsWith(QByteArrayView("{\\rtf")))
        return std::nullopt;
    return RtfLeser(rtf, hoechstZeilen).lesen();
}
