#pragma once

// The program's models as the program block makes them, over scripted dialogs: the one way
// model tests and window tests build them. The shell's jobs are written down instead of run.

#include "common/web.h"
#include "rechner/kern/programm.h"
#include "tests/hilfen/skriptdialoge.h"

#include <QStringList>
#include <functional>

// The shell's jobs, in order: "oeffnen ziel", "starten programm".
struct Shellprotokoll : Shell {
    QStringList auftraege;
    void oeffnen(const QString& ziel) override { auftraege << QStringLiteral("oeffnen ") + ziel; }
    void starten(const QString& programm) override {
        auftraege << QStringLiteral("starten ") + programm;
    }
};

// A clipboard of the test's own.
struct Textablage : Zwischenablage {
    QString inhalt;
    void setzen(const QString& text) override { inhalt = text; }
    QString text() const override { return inhalt; }
};

// An update server that answers nothing: nobody listens on the discard port.
inline const QString KeinUpdateServer = QStringLiteral("http://127.0.0.1:9");

struct Testprogramm {
    // `nachUebergabe` is the main window's close after the hand-off to the updater; `ablage`
    // the clipboard (the test's own when none is given).
    explicit Testprogramm(
        std::function<void()> nachUebergabe = [] {}, Zwischenablage* ablage = nullptr,
        const QString& updateServer = KeinUpdateServer)
        : m_nachUebergabe(std::move(nachUebergabe)), m_ablage(ablage ? *ablage : eigeneAblage),
          m_updateServer(updateServer) {}

    SkriptDialoge dialoge;
    Shellprotokoll shell;
    Textablage eigeneAblage;

private:
    std::function<void()> m_nachUebergabe;
    Zwischenablage& m_ablage;
    QString m_updateServer;

public:
    Programm programm{{dialoge, shell, m_ablage, Open_Internet,
                       [this] {
                           m_nachUebergabe();
                       }},
                      m_updateServer};
    Programmwerte& w = programm.werte();
    Hauptmodell& haupt = programm.hauptmodell();
    Verwaltung& verwaltung = programm.verwaltung();
    Anmeldung& anmeldung = programm.anmeldung();
    Programmstart& start = programm.start();
};
