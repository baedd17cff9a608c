#pragma once

// The main window as right after a successful start-up without sign-in, in euro mode with two
// decimals: the state the test driver starts in. For tests of the main window alone, which
// have no administration window to run the real start-up with.

#include "hilfen/modellstart.h"
#include "rechner/fenster/tform1.h"

inline void wieNachDemStart(TForm1& f) {
    wieNachDemStart(f.modell());
    f.aktualisieren();
}
