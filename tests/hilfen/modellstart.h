#pragma once

// The main window's model as right after a successful start-up without sign-in, in euro mode
// with two decimals: the state the test driver and the model tests start in.

#include "rechner/kern/hauptmodell.h"

inline void wieNachDemStart(Hauptmodell& m) {
    m.w.Kommastellen = 2;
    m.w.RechnerModus = 1;
    m.w.OhneAnmeldung = 1;
    m.w.OhneAnmeldungText = QStringLiteral("1");
    m.Anmelden1 = m.Abmelden1 = false;
    m.Grundstellung();
    m.Zeitgrund();
    m.Panel4 = m.Panel6 = QStringLiteral("0");
    m.Panel3Sichtbar = false;
}
