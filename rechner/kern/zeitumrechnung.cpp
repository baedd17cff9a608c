// The time conversions "M-Std", "Std-M" and "M-Dez".
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/zahlformen.h"

#include "common/fehler.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The time of day of a minute count as "hh,nn": whole days, seconds and milliseconds dropped.
// The whole days go first, exactly (fmod is exact), so that any finite count gives a
// millisecond count within one day and every conversion below is defined.
QString tageszeit(double minuten) {
    const double imTagMinuten = std::fmod(minuten, 1440.0);
    const double tag = imTagMinuten / 24 / 60;
    const double millisekunden = std::nearbyint(tag * 86400000.0); // ties to even
    const qint64 imTag = std::abs(static_cast<qint64>(millisekunden)) % 86400000;
    const qint64 stunden = imTag / 3600000;
    const qint64 minute = imTag / 60000 % 60;
    return QStringLiteral("%1,%2")
        .arg(stunden, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

qint32 mal24(double tage) {
    // Checked before the conversion to an integer, which is defined only within its range.
    if (!(tage < 2147483648.0))
        throw Fehler(Fehlertexte::Integerueberlauf);
    const qint64 stunden = 24 * static_cast<qint64>(std::trunc(tage));
    if (stunden > std::numeric_limits<qint32>::max())
        throw Fehler(Fehlertexte::Integerueberlauf);
    return static_cast<qint32>(stunden);
}

QString stundenZeile(const QString& anzeige, const QString& minuten) {
    return anzeige.chopped(3) + QStringLiteral(" : ") + minuten + QStringLiteral("  Std");
}

const QString MinutenEnde = QStringLiteral("  Min\r= \r");

} // namespace

void Hauptmodell::minutenInStunden() {
    anhaengen(QStringLiteral("Minuten -> Stunden\r"));
    anhaengen(m_anzeige + MinutenEnde);
    stundenstellung();
    const double minuten = anzeigewert(m_anzeige);
    // A negative count gives the negated hours of its absolute value.
    const double betrag = std::fabs(minuten);
    const QString uhrzeit = tageszeit(betrag);
    const auto mitVorzeichen = [&](const QString& text) {
        return minuten < 0 && text != QLatin1String("00,00") ? QLatin1Char('-') + text : text;
    };
    m_anzeige = mitVorzeichen(uhrzeit);
    const double tage = betrag / 1440;
    if (tage >= 1)
        m_anzeige = mitVorzeichen(festform(anzeigewert(uhrzeit) + mal24(tage)));
    anhaengen(stundenZeile(m_anzeige, m_anzeige.right(2)) + QStringLiteral("\r\r"));
    m_neueEingabe = true;
    Grundstellung();
}

void Hauptmodell::stundenInMinuten() {
    anhaengen(QStringLiteral("Stunden -> Minuten\r"));
    m_eingabewert = anzeigewert(m_anzeige);
    m_anzeige = festform(m_eingabewert);
    const QString minutenText = m_anzeige.right(2);
    if (ganzzahlWert(minutenText) > 59)
        throw Fehler(QStringLiteral("Achtung, Eingabe von Minuten > als 59 ist nicht möglich !"));
    anhaengen(stundenZeile(m_anzeige, minutenText) + QStringLiteral("\r= \r"));
    m_anzeige = TimeToMin(m_anzeige);
    Zeitgrund();
    anhaengen(m_anzeige + QStringLiteral("  Min\r\r"));
    m_neueEingabe = true;
    Grundstellung();
}

// Hours and minutes as "h,mm" to minutes; the minutes carry the sign of the whole text.
QString Hauptmodell::TimeToMin(const QString& stundenMinuten) {
    const qsizetype komma = stundenMinuten.indexOf(QLatin1Char(','));
    const qint64 stunden = ganzzahlWert(komma < 0 ? QString() : stundenMinuten.left(komma));
    const qint64 minuten = ganzzahlWert(stundenMinuten.mid(komma + 1));
    const bool negativ = stundenMinuten.trimmed().startsWith(QLatin1Char('-'));
    const qint64 produkt = stunden * 60;
    const auto imBereich = [](qint64 wert) {
        return wert >= std::numeric_limits<qint32>::min() &&
               wert <= std::numeric_limits<qint32>::max();
    };
    const qint64 summe = negativ ? produkt - minuten : produkt + minuten;
    if (!imBereich(produkt) || !imBereich(summe))
        throw Fehler(Fehlertexte::Integerueberlauf);
    return QString::number(summe);
}

void Hauptmodell::minutenInDezimal() {
    stundenstellung();
    anhaengen(QStringLiteral("Minuten -> Dezimalzahl\r"));
    anhaengen(m_anzeige + MinutenEnde);
    m_anzeige = festform(anzeigewert(m_anzeige) / 60);
    anhaengen(m_anzeige + QStringLiteral("\r\r"));
    m_neueEingabe = true;
    Grundstellung();
    m_stdMAktiv = false;
}
