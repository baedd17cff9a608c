#pragma once

// The main window's model as right after a successful start-up without sign-in, in euro mode
// with two decimals: the state the test driver and the model tests start in. `werte` are the
// values the model shares.

#include "rechner/kern/hauptmodell.h"

inline void wieNachDemStart(Hauptmodell& m, Programmwerte& werte) {
    werte.Kommastellen = 2;
    werte.RechnerModus = Programmwerte::Euromodus;
    werte.OhneAnmeldung = Programmwerte::AnmeldungAus;
    werte.OhneAnmeldungText = QStringLiteral("1");
    m.vorDemStart();
    m.nachStarteinstellungen();
    m.Zeitgrund();
}
