#pragma once

// The five windows of Rechner over one Programm, made in the program's order: the main window
// first, the others as its children, each hooked to the menu item that shows it. The program and
// the outside world outlive them.

#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/druckformular.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/fenster/infofenster.h"
#include "rechner/fenster/pinfenster.h"
#include "rechner/fenster/plattform.h"
#include "rechner/fenster/verwaltungsfenster.h"
#include "rechner/kern/programm.h"

#include "common/web.h"

struct Rechnerfenster {
    Rechnerfenster(Programm& programm, Shell& shell)
        : hauptfenster(programm, shell), verwaltungsfenster(hauptfenster, programm.verwaltung()),
          pinFenster(hauptfenster, programm.anmeldung()), druckformular(hauptfenster),
          infofenster(hauptfenster) {}

    Hauptfenster hauptfenster;
    Verwaltungsfenster verwaltungsfenster;
    PinFenster pinFenster;
    Druckformular druckformular;
    Infofenster infofenster;
};

// The whole program on the desktop: its outside world, the models, the windows. Made in this
// order and destroyed backwards, so that the windows go before the models they borrow and the
// models before the outside world they ask.
struct Rechnerprogramm {
    // The file dialogs and boxes stand over the main window and keep the names they last held.
    QtDialoge dialoge{[this]() -> QWidget* {
        return &fenster.hauptfenster;
    }};
    QtShell shell;
    QtZwischenablage zwischenablage;
    Programm programm{{dialoge, shell, zwischenablage, Open_Internet,
                       [this] {
                           fenster.hauptfenster.schliessenNachUebergabe();
                       }},
                      QStringLiteral(RECHNER_UPDATE_SERVER)};
    Rechnerfenster fenster{programm, shell};
};
