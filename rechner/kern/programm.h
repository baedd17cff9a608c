#pragma once

// The owner of the program's models: the program-wide values and the models of the main
// window, the administration window and the PIN window, in the order they depend on each
// other. It is made before the windows and outlives them; the windows borrow its models.

#include "rechner/kern/anmeldung.h"
#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmstart.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/verwaltung.h"

#include <functional>

class Programm {
public:
    // `dialoge` answer the models' questions and file dialogs; `hauptfensterSchliessen` asks the
    // main window to close, which runs its close query.
    Programm(Dialoge& dialoge, std::function<void()> hauptfensterSchliessen)
        : verwaltung(werte, hauptmodell, dialoge), anmeldung(hauptmodell, verwaltung),
          start(verwaltung, std::move(hauptfensterSchliessen)) {}
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Programmwerte werte;
    Hauptmodell hauptmodell{werte};
    Verwaltung verwaltung;
    Anmeldung anmeldung;
    Programmstart start;
};
