#pragma once

// The main window's model as right after a successful start-up without sign-in, in euro mode
// with two decimals: the state the test driver and the model tests start in.

#include "rechner/kern/hauptmodell.h"

inline void wieNachDemStart(Hauptmodell& m) {
    m.w.Kommastellen = 2;
    m.w.RechnerModus = Programmwerte::Euromodus;
    m.w.OhneAnmeldung = Programmwerte::AnmeldungAus;
    m.w.OhneAnmeldungText = QStringLiteral("1");
    m.vorDemStart();
    m.nachStarteinstellungen();
    m.Grundstellung();
    m.Zeitgrund();
    m.speicherText = m.zwischenwertText = QStringLiteral("0");
}
