// Date stamp, start stamp, clock and the clearing block of the roll.
#include "rechner/kern/hauptmodell.h"

QString Uhrtext(const QDateTime& jetzt) {
    QString text = jetzt.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QTime zeit = jetzt.time();
    if (zeit.hour() != 0 || zeit.minute() != 0 || zeit.second() != 0)
        text += QLatin1Char(' ') + zeit.toString(QStringLiteral("HH:mm:ss"));
    return text;
}

void Hauptmodell::BitBtn25Click() {
    anhaengen(QStringLiteral("\r\r") + Panel5 + QStringLiteral("      \r\r"));
    Panel34.clear();
}

// The start stamp; the window's one-shot timer ticks only once, which switches it off.
void Hauptmodell::Timer2Timer() {
    if (w.OhneAnmeldung == 1)
        BitBtn25Click();
}

void Hauptmodell::Timer1Timer(const QDateTime& jetzt) {
    Panel5 = Uhrtext(jetzt);
}

void Hauptmodell::Allesloeschen(Rolle& rollenkopie) {
    rollenkopie.leeren();
    rollenkopie.anhaengen(Trennlinie + QStringLiteral("\r\r"));
    rollenkopie.anhaengen(Panel5 + QStringLiteral("  \r"));
    rollenkopie.anhaengen(QStringLiteral("Administrator - Alles gelöscht!  \r\r"));
    rollenkopie.anhaengen(Trennlinie + QStringLiteral("\r\r"));
}
