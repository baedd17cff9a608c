#pragma once

// The program with its five windows as the program block makes them, offscreen: the models
// over scripted dialogs, the desktop's opener and program start written down instead of run,
// the real clipboard. A close request of the models closes the main window.

#include "rechner/fenster/plattform.h"
#include "rechner/fenster/rechnerfenster.h"
#include "tests/hilfen/testprogramm.h"

#include <QStringList>

// The shell's jobs, in order: "oeffnen ziel", "starten programm".
struct Shellprotokoll : Shell {
    QStringList auftraege;
    void oeffnen(const QString& ziel) override { auftraege << QStringLiteral("oeffnen ") + ziel; }
    void starten(const QString& programm) override {
        auftraege << QStringLiteral("starten ") + programm;
    }
};

struct Testrechner : Testprogramm {
    Testrechner() : Testprogramm([this] { hauptfenster.close(); }) {}

    Shellprotokoll shell;
    QtZwischenablage zwischenablage;
    Rechnerfenster fenster{programm, dialoge, shell, zwischenablage};
    Hauptfenster& hauptfenster = fenster.hauptfenster;
};
