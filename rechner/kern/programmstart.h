#pragma once

// Start-up and shut-down of the main window: the start-up sequence of the first showing and the
// close request. They work on the main window's model and on the administration window's
// operator list and roll operations.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/version.h"
#include "rechner/kern/verwaltung.h"

#include <QString>

// The folder of the running program file with a trailing "/".
QString Programmordner();

class Programmstart {
public:
    Programmstart(Programmwerte& werte, Hauptmodell& hauptmodell, Verwaltung& verwaltung,
                  Dialoge& dialoge);

    // What the main window does with a request to close.
    enum class Schliessantwort { Schliessen, Offenbleiben };

    // The start-up sequence; an error ends it at the failing step.
    void beimZeigen();
    // A request to close the main window: the grand-total lines of a start without sign-in go
    // onto the roll, the roll is saved or the user asked, and the answer says whether the
    // window closes. A refusal while signed in, or a failed automatic save, is raised: the
    // window stays open.
    Schliessantwort schliessenAnfragen();

private:
    void automatischeRolleLaden();
    void autopfadAuswerten();
    Schliessantwort rolleSpeichern();
    Schliessantwort beenden();

    Programmwerte& m_werte;
    Hauptmodell& m_haupt;
    Verwaltung& m_verwaltung;
    Dialoge& m_dialoge;
    QString m_unlesbareRolle; // the automatic roll file that start-up found but could not read
};
