#pragma once

// The program's models as the program block makes them, over scripted dialogs: the one way
// model tests and window tests build them. A request to close the main window is counted and
// passed on.

#include "rechner/kern/programm.h"
#include "tests/hilfen/skriptdialoge.h"

#include <functional>

struct Testprogramm {
    explicit Testprogramm(std::function<void()> schliessen = [] {})
        : m_schliessen(std::move(schliessen)) {}

    SkriptDialoge dialoge;
    int schliessAnfragen = 0; // how often the main window was asked to close
    Programm programm{dialoge, [this] {
                          ++schliessAnfragen;
                          m_schliessen();
                      }};
    Programmwerte& w = programm.werte;
    Hauptmodell& haupt = programm.hauptmodell;
    Verwaltung& verwaltung = programm.verwaltung;
    Anmeldung& anmeldung = programm.anmeldung;
    Programmstart& start = programm.start;

private:
    std::function<void()> m_schliessen;
};
