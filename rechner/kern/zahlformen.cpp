#include "rechner/kern/zahlformen.h"

#include "common/fehler.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

// A decimal value 0,d1d2d3... times 10 to the power `exponent`; no digits means zero.
struct Ziffern {
    QByteArray ziffern;
    int exponent = 0;
    bool negativ = false;
};

// The first 18 significant digits of the value, correctly rounded, without trailing zeros.
Ziffern ersteZiffern(double wert) {
    Ziffern z;
    if (wert == 0 || !std::isfinite(wert))
        return z;
    char puffer[64];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                    std::chars_format::scientific, 17)
                          .ptr;
    // d.ddddddddddddddddde±xx
    z.ziffern.append(puffer[0]);
    const char* e = std::find(puffer, ende, 'e');
    z.ziffern.append(puffer + 2, static_cast<qsizetype>(e - (puffer + 2)));
    // to_chars writes no terminating NUL: read the exponent within the written characters only.
    const char* exponentAnfang = e + 1 < ende && e[1] == '+' ? e + 2 : e + 1;
    int exponent = 0;
    std::from_chars(exponentAnfang, ende, exponent);
    z.exponent = exponent + 1;
    z.negativ = wert < 0;
    while (z.ziffern.endsWith('0'))
        z.ziffern.chop(1);
    return z;
}

// Keeps `anzahl` significant digits, rounding half away from zero at the cut.
Ziffern runden(Ziffern z, int anzahl) {
    if (anzahl >= z.ziffern.size())
        return z;
    if (anzahl < 0) {
        z.ziffern.clear();
    } else {
        const bool aufrunden = z.ziffern[anzahl] >= '5';
        z.ziffern.truncate(anzahl);
        if (aufrunden) {
            int i = anzahl - 1;
            while (i >= 0 && z.ziffern[i] == '9')
                z.ziffern[i--] = '0';
            if (i >= 0) {
                ++z.ziffern[i];
            } else {
                z.ziffern.prepend('1');
                z.ziffern.truncate(std::max(anzahl, 1));
                ++z.exponent;
            }
        }
    }
    while (z.ziffern.endsWith('0'))
        z.ziffern.chop(1);
    if (z.ziffern.isEmpty()) {
        z.exponent = 0;
        z.negativ = false;
    }
    return z;
}

QString vorzeichen(const Ziffern& z) {
    return z.negativ ? QStringLiteral("-") : QString();
}

// d,dddE-x: the exponent form shared by every number form.
QString exponentform(const Ziffern& z) {
    QString text = vorzeichen(z) + QLatin1Char(z.ziffern[0]);
    if (z.ziffern.size() > 1)
        text += QLatin1Char(',') + QString::fromLatin1(z.ziffern.mid(1));
    return text + QLatin1Char('E') + QString::number(z.exponent - 1);
}

// The digits before the comma, "0" when there are none.
QString ganzerTeil(const Ziffern& z) {
    if (z.exponent <= 0)
        return QStringLiteral("0");
    QString teil = QString::fromLatin1(z.ziffern.left(z.exponent));
    return teil.leftJustified(z.exponent, QLatin1Char('0'));
}

// The digits after the comma as far as they are kept.
QString nachkommaTeil(const Ziffern& z) {
    if (z.exponent >= z.ziffern.size())
        return {};
    if (z.exponent >= 0)
        return QString::fromLatin1(z.ziffern.mid(z.exponent));
    return QString(-z.exponent, QLatin1Char('0')) + QString::fromLatin1(z.ziffern);
}

QString mitTausenderpunkten(const QString& ganz) {
    QString text;
    text.reserve(ganz.size() + ganz.size() / 3);
    for (qsizetype i = 0; i < ganz.size(); ++i) {
        if (i > 0 && (ganz.size() - i) % 3 == 0)
            text += QLatin1Char('.');
        text += ganz[i];
    }
    return text;
}

QString festeNachkommastellen(const Ziffern& z, int stellen) {
    if (stellen <= 0)
        return {};
    return QLatin1Char(',') + nachkommaTeil(z).leftJustified(stellen, QLatin1Char('0'), true);
}

} // namespace

QString anzeigeform(double wert) {
    const Ziffern z = runden(ersteZiffern(wert), 15);
    if (z.ziffern.isEmpty())
        return QStringLiteral("0");
    if (z.exponent < -3 || z.exponent > 15)
        return exponentform(z);
    QString text = vorzeichen(z) + ganzerTeil(z);
    const QString nachkomma = nachkommaTeil(z);
    if (!nachkomma.isEmpty())
        text += QLatin1Char(',') + nachkomma;
    return text;
}

QString gruppiert(double wert, int kommastellen) {
    const Ziffern roh = ersteZiffern(wert);
    const Ziffern z = runden(roh, std::min(8, roh.exponent + kommastellen));
    if (z.exponent > 8)
        return exponentform(z);
    return vorzeichen(z) + mitTausenderpunkten(ganzerTeil(z)) +
           festeNachkommastellen(z, kommastellen);
}

QString waehrung(double wert, int kommastellen) {
    const QString betrag = gruppiert(std::fabs(wert), kommastellen);
    const bool exponent = betrag.contains(QLatin1Char('E'));
    const bool null = gruppiert(wert, kommastellen) == betrag; // rounded to zero: no sign
    const QString text = exponent ? betrag : betrag + QStringLiteral(" €");
    return (wert < 0 && !null) ? QLatin1Char('-') + text : text;
}

QString rollenform(double wert, int kommastellen, int rechnerModus) {
    return rechnerModus == 1 ? waehrung(wert, kommastellen) : gruppiert(wert, kommastellen);
}

QString festform(double wert) {
    const Ziffern roh = ersteZiffern(wert);
    const Ziffern z = runden(roh, std::min(10, roh.exponent + 2));
    if (z.exponent > 10)
        return exponentform(z);
    return vorzeichen(z) + ganzerTeil(z) + festeNachkommastellen(z, 2);
}

double anzeigewert(const QString& text) {
    const auto fehler = [&] {
        return Fehler(Fehlertexte::keinGueltigerGleitkommawert(text));
    };
    QByteArray c;
    c.reserve(text.size() + 1);
    qsizetype i = 0;
    const auto ist = [&](char zeichen) {
        return i < text.size() && text[i] == QLatin1Char(zeichen);
    };
    const auto ziffer = [&] {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    while (ist(' '))
        ++i;
    if (ist('+') || ist('-'))
        c.append(static_cast<char>(text[i++].unicode()));
    bool mantisse = false;
    for (; ziffer(); ++i, mantisse = true)
        c.append(static_cast<char>(text[i].unicode()));
    if (ist(',')) {
        ++i;
        mantisse = true;
        c.append('.');
        for (; ziffer(); ++i)
            c.append(static_cast<char>(text[i].unicode()));
    }
    if (!mantisse)
        throw fehler();
    if (c.back() == '.')
        c.append('0'); // "17," and a lone comma
    if (ist('E') || ist('e')) {
        ++i;
        c.append('e');
        if (ist('+') || ist('-'))
            c.append(static_cast<char>(text[i++].unicode()));
        if (!ziffer())
            throw fehler();
        for (; ziffer(); ++i)
            c.append(static_cast<char>(text[i].unicode()));
    }
    while (ist(' '))
        ++i;
    if (i != text.size())
        throw fehler();
    // The platform's locale must not change what a display text means.
    static const locale_t CLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const double wert = strtod_l(c.constData(), nullptr, CLocale);
    if (!std::isfinite(wert))
        throw Fehler(Fehlertexte::Ueberlauf);
    return wert;
}

double anzeigewertOderNull(const QString& text) {
    return text.isEmpty() ? 0.0 : anzeigewert(text);
}

std::optional<qint32> ganzzahl(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negativ = text[i++] == u'-';
    const bool hex = i < text.size() && text[i] == u'$';
    if (hex)
        ++i;
    if (i >= text.size())
        return std::nullopt;
    const int basis = hex ? 16 : 10;
    const qint64 grenze = hex ? 0xFFFFFFFFLL : (negativ ? 2147483648LL : 2147483647LL);
    qint64 wert = 0;
    for (; i < text.size(); ++i) {
        const int ziffer = text[i].digitValue();
        const int hexZiffer = QStringLiteral("0123456789abcdef").indexOf(text[i].toLower());
        const int z = hex ? hexZiffer : (text[i] < u'0' || text[i] > u'9' ? -1 : ziffer);
        if (z < 0)
            return std::nullopt;
        wert = wert * basis + z;
        if (wert > grenze)
            return std::nullopt;
    }
    if (hex)
        wert = static_cast<qint32>(static_cast<quint32>(wert));
    return static_cast<qint32>(negativ ? -wert : wert);
}

bool istGanzzahl(const QString& text) {
    return ganzzahl(text).has_value();
}

qint32 ganzzahlWert(const QString& text) {
    const auto wert = ganzzahl(text);
    if (!wert)
        throw Fehler(Fehlertexte::keinGueltigerIntegerwert(text));
    return *wert;
}
