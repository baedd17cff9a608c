#pragma once

// Start-up and shut-down of the main window: the memo written at creation, the start-up
// sequence of the first showing and the close query. They work on the main window's model and
// on the administration window's operator list and roll operations.

#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/registrierung.h"

#include <QString>
#include <functional>

// The running program's file version, major.minor.release.build: the version compiled in.
QString DateiVersion();
// The folder of the running program file with a trailing "/".
QString Programmordner();

class Programmstart {
public:
    // `titel` is the application title; `schliessen` asks the main window to close, which runs
    // the close query again.
    Programmstart(Registrierung& registrierung, QString titel, std::function<void()> schliessen);

    static void FormCreate(Hauptmodell& haupt);
    // The start-up sequence; an error ends it at the failing step.
    void FormShow();
    // Whether the main window may close. A refusal while signed in, or a failed automatic save,
    // is raised and keeps the window open.
    bool FormCloseQuery();
    // Marks the roll as saved and asks the window to close. (The menu item "Beenden" only asks
    // the window to close.)
    void Beenden();

private:
    void automatischeRolleLaden();
    void anmeldezustandSetzen();
    void autopfadAuswerten();
    bool rolleSpeichern();

    Programmwerte& w;
    Hauptmodell& haupt;
    Registrierung& m_registrierung;
    QString m_titel;
    std::function<void()> m_schliessen;
    QString m_unlesbareRolle; // the automatic roll file that start-up found but could not read
};
