#pragma once

#include "tests/kern/start_fixture.h"

// The administration window's model in euro mode with two decimals and sign-in required.
class Verwaltungsmodell : public StartTest {
protected:
    Verwaltungsmodell() {
        w.Kommastellen = 2;
        w.RechnerModus = 1;
        w.OhneAnmeldung = 2;
        w.AutopfadText = QStringLiteral("True");
        w.Firmenname = QStringLiteral("Laden Nord");
    }
    void entsperren() {
        verwaltung.beimZeigen();
        verwaltung.passwortGetippt(QStringLiteral("573904"));
        ASSERT_FALSE(verwaltung.gesperrt());
    }
    QStringList einstellungsdatei() const {
        return ansiZuText(lesen(QStringLiteral("AUTMV.txt"))).split(QStringLiteral("\r\n"));
    }
};

inline void PrintTo(Verwaltung::Fokus fokus, std::ostream* os) {
    *os << static_cast<int>(fokus);
}
