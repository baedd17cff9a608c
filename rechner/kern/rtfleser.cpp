#include "rechner/kern/rtfleser.h"

#include "common/ansi.h"

#include <algorithm>
#include <array>
#include <climits>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Destinations whose text is not part of the document's body: tables of the header, document
// information, pictures, headers and footers, field instructions, list numbering.
// clang-format off
constexpr std::string_view AusgeblendeteZiele[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid", "atnref",
    "author", "bkmkend", "bkmkstart", "colortbl", "comment", "company", "datastore", "doccomm",
    "fldinst", "fonttbl", "footer", "footerf", "footerl", "footerr", "footnote", "ftncn",
    "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info",
    "keywords", "listoverridetable", "listtable", "listtext", "nonshppict", "objclass",
    "objdata", "operator", "pict", "pntext", "revtbl", "rsidtbl", "shpinst", "stylesheet",
    "subject", "tc", "title", "xe"};
// clang-format on

bool ausgeblendetesZiel(std::string_view wort) {
    return std::find(std::begin(AusgeblendeteZiele), std::end(AusgeblendeteZiele), wort) !=
           std::end(AusgeblendeteZiele);
}

// Named characters that word processors write instead of their code.
std::optional<char16_t> benanntesZeichen(std::string_view wort) {
    struct Name {
        std::string_view wort;
        char16_t zeichen;
    };
    static constexpr std::array<Name, 8> Namen = {{{"tab", u'\t'},
                                                   {"emdash", 0x2014},
                                                   {"endash", 0x2013},
                                                   {"lquote", 0x2018},
                                                   {"rquote", 0x2019},
                                                   {"ldblquote", 0x201C},
                                                   {"rdblquote", 0x201D},
                                                   {"bullet", 0x2022}}};
    for (const Name& n : Namen) {
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

// The bytes of a source one at a time, with one byte of lookahead.
class Cursor {
public:
    explicit Cursor(Bytequelle& quelle) : m_quelle(quelle) {}

    static constexpr int Ende = -1;
    // The next byte without taking it, or Ende.
    int sieh() {
        if (m_pos == m_ende && !fuellen())
            return Ende;
        return static_cast<unsigned char>(*m_pos);
    }
    // Takes the byte sieh() gave.
    void weiter() { ++m_pos; }
    int nimm() {
        const int c = sieh();
        if (c != Ende)
            ++m_pos;
        return c;
    }
    // Takes the bytes from here on that are plain text (no group, control word or line break,
    // no other control byte), as far as the piece at hand goes; empty where none follows.
    QByteArrayView klartext() {
        const char* anfang = m_pos;
        while (m_pos != m_ende && klar(*m_pos))
            ++m_pos;
        return QByteArrayView(anfang, m_pos - anfang);
    }
    // False when the document ends first.
    bool ueberspringen(qint64 anzahl) {
        while (anzahl > 0) {
            if (m_pos == m_ende && !fuellen())
                return false;
            const qint64 schritt = std::min<qint64>(anzahl, m_ende - m_pos);
            m_pos += schritt;
            anzahl -= schritt;
        }
        return true;
    }

private:
    static bool klar(char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 0x20 && c != '\\' && c != '{' && c != '}') || c == '\t';
    }

    bool fuellen() {
        const QByteArrayView stueck = m_quelle.naechstesStueck();
        m_pos = stueck.data();
        m_ende = stueck.data() + stueck.size();
        return !stueck.isEmpty();
    }

    Bytequelle& m_quelle;
    const char* m_pos = nullptr;
    const char* m_ende = nullptr;
};

// Control words are at most 32 letters long; a longer one is read whole and means nothing.
constexpr int WortLaenge = 32;

class RtfLeser {
public:
    RtfLeser(Bytequelle& quelle, Zeilensammlung& zeilen) : m_rtf(quelle), m_zeile(zeilen) {}

    bool lesen() {
        while (!m_fehler) {
            // Runs of plain text are taken whole: most of a roll file is text.
            if (!m_gruppe.ausgeblendet && m_auslassen == 0) {
                const QByteArrayView text = m_rtf.klartext();
                if (!text.isEmpty()) {
                    klartextAnhaengen(text);
                    continue;
                }
            }
            const int c = m_rtf.nimm();
            if (c == Cursor::Ende)
                return false; // the document ended before its outermost group
            if (c == '}' && m_stapel.size() == 1)
                return ende();
            zeichenVerarbeiten(static_cast<char>(c));
        }
        return false;
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
        const int c = m_rtf.sieh();
        if (c == Cursor::Ende) {
            m_fehler = true;
            return;
        }
        m_rtf.weiter();
        if (istBuchstabe(static_cast<char>(c)))
            steuerwortLesen(static_cast<char>(c));
        else
            steuersymbol(static_cast<char>(c));
    }

    void steuerwortLesen(char erster) {
        char wort[WortLaenge];
        int laenge = 0;
        wort[laenge++] = erster;
        for (int c = m_rtf.sieh(); c != Cursor::Ende && istBuchstabe(static_cast<char>(c));
             c = m_rtf.sieh()) {
            m_rtf.weiter();
            if (laenge < WortLaenge)
                wort[laenge] = static_cast<char>(c);
            ++laenge;
        }
        const std::string_view gelesen = laenge <= WortLaenge
                                             ? std::string_view(wort, static_cast<size_t>(laenge))
                                             : std::string_view();
        bool minusOhneZahl = false;
        const std::optional<int> parameter = parameterLesen(minusOhneZahl);
        if (!minusOhneZahl && m_rtf.sieh() == ' ')
            m_rtf.weiter();
        steuerwort(gelesen, parameter);
        // A "-" that no digit follows is no sign but text of its own.
        if (minusOhneZahl)
            zeichenVerarbeiten('-');
    }

    // An optional signed number; its value is clamped, its digits are all consumed.
    std::optional<int> parameterLesen(bool& minusOhneZahl) {
        bool negativ = false;
        if (m_rtf.sieh() == '-') {
            m_rtf.weiter();
            negativ = true;
            if (!istZiffer(static_cast<char>(m_rtf.sieh()))) {
                minusOhneZahl = true;
                return std::nullopt;
            }
        }
        if (!istZiffer(static_cast<char>(m_rtf.sieh())))
            return std::nullopt;
        qint64 wert = 0;
        for (int c = m_rtf.sieh(); c != Cursor::Ende && istZiffer(static_cast<char>(c));
             c = m_rtf.sieh()) {
            m_rtf.weiter();
            wert = std::min<qint64>(wert * 10 + (c - '0'), 1LL << 32);
        }
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
        const int erstes = m_rtf.sieh();
        const int hoch = hexWert(static_cast<char>(erstes));
        if (hoch < 0) {
            // Not a hex escape: the bytes are read as they come; a document that ends here is
            // truncated.
            m_fehler = m_rtf.sieh() == Cursor::Ende;
            return;
        }
        m_rtf.weiter();
        const int zweites = m_rtf.sieh();
        if (zweites == Cursor::Ende) {
            m_fehler = true;
            return;
        }
        const int tief = hexWert(static_cast<char>(zweites));
        if (tief < 0) {
            text(ansiZeichen(static_cast<unsigned char>(erstes)));
            return;
        }
        m_rtf.weiter();
        text(ansiZeichen(static_cast<unsigned char>(hoch * 16 + tief)));
    }

    void binaerUeberspringen(int anzahl) {
        if (!m_rtf.ueberspringen(std::max(anzahl, 0)))
            m_fehler = true;
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

    void klartextAnhaengen(QByteArrayView text) {
        if (!m_zeile.ansiAnhaengen(text))
            m_fehler = true;
        m_hohesSurrogat = false;
    }

    void anhaengen(QChar zeichen) {
        if (!m_zeile.anhaengen(zeichen))
            m_fehler = true;
        m_hohesSurrogat = false;
    }

    void zeileAbgeben() {
        if (!m_zeile.abgeben())
            m_fehler = true;
    }

    void absatz() {
        zeileAbgeben();
        m_hohesSurrogat = false;
    }

    bool ende() {
        if (!m_zeile.leer())
            zeileAbgeben();
        return !m_fehler;
    }

    Cursor m_rtf;
    Zeilenpuffer m_zeile;
    bool m_fehler = false;
    std::vector<Gruppe> m_stapel;
    Gruppe m_gruppe;
    int m_auslassen = 0; // fallback characters of \uN still to skip
    bool m_hohesSurrogat = false;
};

} // namespace

bool rtfZeilen(Bytequelle& quelle, Zeilensammlung& zeilen) {
    return RtfLeser(quelle, zeilen).lesen();
}
