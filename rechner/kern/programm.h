#pragma once

// The owner of the program's models: the program-wide values and the models of the main
// window, the administration window, the PIN window and the update check, in the order they
// depend on each other. It is made before the windows and outlives them; the windows borrow its
// models.

#include "rechner/kern/aktualisierung.h"
#include "rechner/kern/anmeldung.h"
#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmstart.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/verwaltung.h"

#include <functional>

class Programm {
public:
    // What the models ask of the outside world and of the main window.
    struct Aussenwelt {
        // Answer the models' questions and file dialogs.
        Dialoge& dialoge;
        Shell& shell;
        Zwischenablage& zwischenablage;
        // The web fetch of the update check.
        Onlineaktualisierung::Abruf abruf;
        // Asks the main window to close after the hand-off to the updater, which still needs
        // the clipboard.
        std::function<void()> schliessenNachUebergabe;
    };

    // `updateServer` is the update server's base address.
    Programm(Aussenwelt welt, const QString& updateServer)
        : m_verwaltung(m_werte, m_hauptmodell, welt.dialoge),
          m_anmeldung(m_werte, m_hauptmodell, m_verwaltung),
          m_start(m_werte, m_hauptmodell, m_verwaltung, welt.dialoge),
          m_aktualisierung(m_hauptmodell,
                           {welt.dialoge, welt.shell, welt.zwischenablage, std::move(welt.abruf),
                            std::move(welt.schliessenNachUebergabe)},
                           updateServer, Programmordner()) {}
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    Programmwerte& werte() { return m_werte; }
    Hauptmodell& hauptmodell() { return m_hauptmodell; }
    Verwaltung& verwaltung() { return m_verwaltung; }
    Anmeldung& anmeldung() { return m_anmeldung; }
    Programmstart& start() { return m_start; }
    Onlineaktualisierung& aktualisierung() { return m_aktualisierung; }

private:
    Programmwerte m_werte;
    Hauptmodell m_hauptmodell{m_werte};
    Verwaltung m_verwaltung;
    Anmeldung m_anmeldung;
    Programmstart m_start;
    Onlineaktualisierung m_aktualisierung;
};
