#pragma once

// The program with its five windows as the program block makes them, offscreen: the models
// over scripted dialogs, the desktop's opener and program start written down instead of run,
// the real clipboard. The update check's close after the hand-off closes the main window.

#include "rechner/fenster/plattform.h"
#include "rechner/fenster/rechnerfenster.h"
#include "tests/hilfen/testprogramm.h"

inline QtZwischenablage* desktopAblage() {
    static QtZwischenablage ablage;
    return &ablage;
}

struct Testrechner : Testprogramm {
    explicit Testrechner(const QString& updateServer = KeinUpdateServer)
        : Testprogramm([this] { hauptfenster.schliessenNachUebergabe(); }, desktopAblage(),
                       updateServer) {}

    Rechnerfenster fenster{programm, shell};
    Hauptfenster& hauptfenster = fenster.hauptfenster;
};
