// Date stamp, start stamp, clock and the clearing block of the roll.
#include "rechner/kern/hauptmodell.h"

QString uhrtext(const QDateTime& jetzt) {
    QString text = jetzt.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QTime zeit = jetzt.time();
    if (zeit.hour() != 0 || zeit.minute() != 0 || zeit.second() != 0)
        text += QLatin1Char(' ') + zeit.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

void Hauptmodell::datumsstempel() {
    anhaengen(QStringLiteral("\r\r") + m_uhrText + QStringLiteral("      \r\r"));
    m_operatorzeichen.clear();
}

// The start stamp; the window's one-shot timer ticks only once, which switches it off.
void Hauptmodell::startstempel() {
    if (m_werte.ohneAnmeldung())
        datumsstempel();
}

void Hauptmodell::uhrTick(const QDateTime& jetzt) {
    m_uhrText = uhrtext(jetzt);
}

void Hauptmodell::allesLoeschen(Rolle& rollenkopie) {
    rollenkopie.leeren();
    rollenkopie.anhaengen(Trennlinie + QStringLiteral("\r\r"));
    rollenkopie.anhaengen(m_uhrText + QStringLiteral("  \r"));
    rollenkopie.anhaengen(QStringLiteral("Administrator - Alles gelöscht!  \r\r"));
    rollenkopie.anhaengen(Trennlinie + QStringLiteral("\r\r"));
}
