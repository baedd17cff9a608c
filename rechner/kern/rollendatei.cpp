#include "rechner/kern/rollendatei.h"

#include "common/ansi.h"
#include "common/dateiablage.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "rechner/kern/rtfleser.h"

#include <algorithm>
#include <new>

namespace {

// Files are read and written in pieces of this size.
constexpr qsizetype Stueck = 1 << 20;

// The view's formatting: a 12-point bold sans-serif, paragraphs right-aligned. It holds for
// every paragraph, since nothing after it resets it. Word processors take blanks literally
// only from a document that names its generator; without one they adjust runs of blanks.
constexpr char RtfKopf[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                           "{\\*\\generator Rechner;}\r\n"
                           "\\pard\\qr\\b\\f0\\fs24 ";
constexpr char RtfAbsatz[] = "\\par\r\n";
constexpr char RtfEnde[] = "}\r\n";

void hexAnhaengen(QByteArray& rtf, unsigned char byte) {
    static constexpr char Ziffern[] = "0123456789abcdef";
    rtf.append("\\'");
    rtf.append(Ziffern[byte >> 4]);
    rtf.append(Ziffern[byte & 0x0F]);
}

// A blank stands as itself only between two other characters. Readers that collapse runs of
// blanks or trim them at the ends of a paragraph keep them when they are written as \'20.
bool blankAlsHex(const QString& zeile, qsizetype i) {
    return i == 0 || i + 1 == zeile.size() || zeile[i - 1] == u' ' || zeile[i + 1] == u' ';
}

void zeileAnhaengen(QByteArray& rtf, const QString& zeile) {
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        // A character outside the 16-bit range is one "?", not one for each half.
        if (zeile[i].isLowSurrogate() && i > 0 && zeile[i - 1].isHighSurrogate())
            continue;
        const unsigned char byte = static_cast<unsigned char>(ansiByte(zeile[i]));
        if (byte == ' ' && blankAlsHex(zeile, i))
            hexAnhaengen(rtf, byte);
        else if (byte == '\\' || byte == '{' || byte == '}')
            rtf.append('\\').append(char(byte));
        else if (byte == '\t')
            rtf.append("\\tab ");
        else if (byte < 0x20 || byte >= 0x80)
            hexAnhaengen(rtf, byte);
        else
            rtf.append(char(byte));
    }
}

// The roll as RTF in pieces of about Stueck bytes, each handed to `abgeben`.
template <typename Abgabe> void rtfErzeugen(const QStringList& zeilen, Abgabe&& abgeben) {
    // Room for the whole document where it is smaller than a piece; a character takes up to
    // four bytes ("\'80"), a line's paragraph mark six.
    qsizetype groesse = sizeof RtfKopf + sizeof RtfEnde;
    for (const QString& zeile : zeilen) {
        groesse += zeile.size() + 8;
        if (groesse > Stueck)
            break;
    }
    QByteArray puffer;
    puffer.reserve(std::min(groesse, Stueck) + 1024);
    puffer.append(RtfKopf);
    for (const QString& zeile : zeilen) {
        zeileAnhaengen(puffer, zeile);
        puffer.append(RtfAbsatz);
        if (puffer.size() >= Stueck) {
            abgeben(QByteArrayView(puffer));
            puffer.resize(0);
        }
    }
    puffer.append(RtfEnde);
    abgeben(QByteArrayView(puffer));
}

// The pieces of a file as they are read.
class Dateiquelle : public Bytequelle {
public:
    explicit Dateiquelle(Lesedatei& datei) : m_datei(datei) {}
    QByteArrayView naechstesStueck() override {
        m_puffer.resize(0);
        m_datei.weiterlesen(m_puffer, Stueck);
        return m_puffer;
    }

private:
    Lesedatei& m_datei;
    QByteArray m_puffer;
};

enum class Lesestand { Gelesen, Unlesbar, ZuGross };

// RTF when the document starts with "{\rtf", else plain text.
Lesestand zeilenLesen(Bytequelle& quelle, Zeilensammlung& zeilen) {
    constexpr QByteArrayView RtfAnfang("{\\rtf");
    Vorschau vorschau(quelle, RtfAnfang.size());
    bool gelesen;
    if (vorschau.anfang().startsWith(RtfAnfang)) {
        gelesen = rtfZeilen(vorschau, zeilen);
    } else {
        Textzerleger text(zeilen);
        gelesen = true;
        for (QByteArrayView stueck = vorschau.naechstesStueck(); gelesen && !stueck.isEmpty();
             stueck = vorschau.naechstesStueck())
            gelesen = text.stueck(stueck);
        gelesen = gelesen && text.ende();
    }
    if (zeilen.voll())
        return Lesestand::ZuGross;
    return gelesen ? Lesestand::Gelesen : Lesestand::Unlesbar;
}

// The lines into `ergebnis` when they can be read. A load that runs out of memory before it
// reaches its limit is too large as well; what it had read is freed before the error is raised.
Lesestand zeilenNehmen(Bytequelle& quelle, qint64 speichergrenze, QStringList& ergebnis) {
    try {
        Zeilensammlung zeilen(speichergrenze);
        const Lesestand stand = zeilenLesen(quelle, zeilen);
        if (stand == Lesestand::Gelesen)
            ergebnis = std::move(zeilen.zeilen);
        return stand;
    } catch (const std::bad_alloc&) {
        return Lesestand::ZuGross;
    }
}

} // namespace

QByteArray rtfAusZeilen(const QStringList& zeilen) {
    QByteArray rtf;
    rtfErzeugen(zeilen, [&rtf](QByteArrayView stueck) { rtf.append(stueck); });
    return rtf;
}

QStringList zeilenAusQuelle(Bytequelle& quelle, qint64 speichergrenze) {
    QStringList zeilen;
    switch (zeilenNehmen(quelle, speichergrenze, zeilen)) {
    case Lesestand::Gelesen:
        return zeilen;
    case Lesestand::ZuGross:
        throw Ursachenfehler(Fehlertexte::dateiZuGross(QString()));
    case Lesestand::Unlesbar:
        break;
    }
    throw Fehler(Fehlertexte::FehlerBeimLaden);
}

QStringList zeilenAusDatei(const QByteArray& inhalt) {
    Speicherquelle quelle(inhalt);
    return zeilenAusQuelle(quelle, lesespeichergrenze());
}

void rollendateiSchreiben(const QString& pfad, const QStringList& zeilen) {
    try {
        Ablagedatei datei(pfad);
        rtfErzeugen(zeilen, [&datei](QByteArrayView stueck) { datei.schreiben(stueck); });
        datei.ersetzen();
    } catch (const Ursachenfehler&) {
        throw;
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Writing", pfad, fehler);
        throw Fehler(Fehlertexte::dateiNichtErstellbar(pfad));
    }
}

QStringList rollendateiLesen(const QString& pfad) {
    return rollendateiLesen(pfad, lesespeichergrenze());
}

QStringList rollendateiLesen(const QString& pfad, qint64 speichergrenze) {
    QStringList zeilen;
    Lesestand stand = Lesestand::Gelesen;
    try {
        Lesedatei datei(pfad);
        Dateiquelle quelle(datei);
        stand = zeilenNehmen(quelle, speichergrenze, zeilen);
    } catch (const Ursachenfehler&) {
        throw;
    } catch (const std::bad_alloc&) {
        stand = Lesestand::ZuGross;
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Reading", pfad, fehler);
        const auto* ea = dynamic_cast<const EaFehler*>(&fehler);
        throw Oeffnungsfehler(
            pfad, ea && (ea->nummer() == Ea::DateiFehlt || ea->nummer() == Ea::OrdnerFehlt));
    }
    if (stand == Lesestand::ZuGross)
        throw Ursachenfehler(Fehlertexte::dateiZuGross(pfad));
    if (stand == Lesestand::Unlesbar)
        throw Fehler(Fehlertexte::FehlerBeimLaden);
    return zeilen;
}

QString dateinamenteil(const QString& pfad) {
    return pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}
