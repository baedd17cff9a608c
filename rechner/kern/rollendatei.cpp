#include "rechner/kern/rollendatei.h"

#include "common/ansi.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "common/zeilen.h"
#include "rechner/kern/rtfleser.h"

namespace {

// The view's formatting: a 12-point bold sans-serif, paragraphs right-aligned. It holds for
// every paragraph, since nothing after it resets it. Word processors take blanks literally
// only from a document that names its generator; without one they adjust runs of blanks.
constexpr char rtfKopf[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                           "{\\*\\generator Rechner;}\r\n"
                           "\\pard\\qr\\b\\f0\\fs24 ";
constexpr char rtfAbsatz[] = "\\par\r\n";
constexpr char rtfEnde[] = "}\r\n";

void hexAnhaengen(QByteArray& rtf, unsigned char byte) {
    static constexpr char ziffern[] = "0123456789abcdef";
    rtf.append("\\'");
    rtf.append(ziffern[byte >> 4]);
    rtf.append(ziffern[byte & 0x0F]);
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

// The roll's splitting rule on the bytes themselves, so that a large file is not held twice.
QStringList textZeilen(QByteArrayView text) {
    QStringList zeilen;
    zeilenDurchgehen(text, [&zeilen](QByteArrayView zeile) {
        zeilen.append(ansiZuText(zeile));
        if (zeilen.size() > RollendateiHoechstZeilen)
            throw Fehler(Fehlertexte::FehlerBeimLaden);
    });
    return zeilen;
}

} // namespace

QByteArray RtfAusZeilen(const QStringList& zeilen) {
    qsizetype groesse = sizeof rtfKopf + sizeof rtfEnde;
    for (const QString& zeile : zeilen)
        groesse += zeile.size() + 12;
    QByteArray rtf;
    rtf.reserve(groesse);
    rtf.append(rtfKopf);
    for (const QString& zeile : zeilen) {
        zeileAnhaengen(rtf, zeile);
        rtf.append(rtfAbsatz);
    }
    rtf.append(rtfEnde);
    return rtf;
}

QStringList ZeilenAusDatei(const QByteArray& inhalt) {
    if (inhalt.size() > RollendateiHoechstBytes)
        throw Fehler(Fehlertexte::FehlerBeimLaden);
    if (!inhalt.startsWith("{\\rtf"))
        return textZeilen(inhalt);
    std::optional<QStringList> zeilen = RtfZeilen(inhalt, RollendateiHoechstZeilen);
    if (!zeilen)
        throw Fehler(Fehlertexte::FehlerBeimLaden);
    return std::move(*zeilen);
}

void RollendateiSchreiben(const QString& pfad, const QStringList& zeilen) {
    try {
        DateiErsetzen(pfad, RtfAusZeilen(zeilen));
    } catch (const Fehler& fehler) {
        DateifehlerProtokollieren("Writing", pfad, fehler);
        throw Fehler(Fehlertexte::dateiNichtErstellbar(pfad));
    }
}

QStringList RollendateiLesen(const QString& pfad) {
    QByteArray inhalt;
    try {
        inhalt = DateiLesen(pfad, RollendateiHoechstBytes);
    } catch (const Fehler& fehler) {
        DateifehlerProtokollieren("Reading", pfad, fehler);
        throw Fehler(Fehlertexte::dateiNichtOeffenbar(pfad));
    }
    return ZeilenAusDatei(inhalt);
}

QString Dateiname(const QString& pfad) {
    return pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}
