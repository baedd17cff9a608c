#pragma once

// The main window as right after a successful start-up without sign-in, in euro mode with two
// decimals: the state the test driver starts in. For tests of the main window alone, which
// have no administration window to run the real start-up with.

#include "rechner/fenster/tform1.h"

inline void wieNachDemStart(TForm1& f) {
    Hauptmodell& m = f.modell();
    m.w.Kommastellen = 2;
    m.w.RechnerModus = 1;
    m.w.OhneAnmeldung = 1;
    m.w.OhneAnmeldungText = QStringLiteral("1");
    m.Anmelden1 = m.Abmelden1 = false;
    m.BitBtn29 = false;
    m.Grundstellung();
    m.Panel4 = m.Panel6 = QStringLiteral("0");
    m.Panel3Sichtbar = false;
    f.aktualisieren();
}
