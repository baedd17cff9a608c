#pragma once

// Start-up and shut-down of the main window: the version line written when the program is
// made, the start-up sequence of the first showing and the close query. They work on the main
// window's model and on the administration window's operator list and roll operations.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/version.h"
#include "rechner/kern/verwaltung.h"

#include <QString>
#include <functional>

// The folder of the running program file with a trailing "/".
QString Programmordner();

class Programmstart {
public:
    // `schliessen` asks the main window to close, which runs the close query again.
    Programmstart(Programmwerte& werte, Hauptmodell& hauptmodell, Verwaltung& verwaltung,
                  Dialoge& dialoge, std::function<void()> schliessen);

    // The start-up sequence; an error ends it at the failing step.
    void beimZeigen();
    // Whether the main window may close. A refusal while signed in, or a failed automatic save,
    // is raised and keeps the window open.
    bool schliessenErlaubt();
    // Marks the roll as saved and asks the window to close. (The menu item "Beenden" only asks
    // the window to close.)
    void beenden();

private:
    void automatischeRolleLaden();
    void autopfadAuswerten();
    bool rolleSpeichern();

    Programmwerte& m_werte;
    Hauptmodell& m_haupt;
    Verwaltung& m_verwaltung;
    Dialoge& m_dialoge;
    std::function<void()> m_schliessen;
    QString m_unlesbareRolle; // the automatic roll file that start-up found but could not read
};
