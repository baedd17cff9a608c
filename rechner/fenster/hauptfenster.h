#pragma once

// The main window. An event travels like this: a key click (or a typed character reaching the
// hidden keyboard sink) calls one operation of the model Hauptmodell; the operation changes the
// calculator state and the field texts and appends pieces to the roll; the window then copies
// the field texts and enabled states into its widgets, and the roll view, told of each appended
// line by the roll itself, paints the lines in sight and scrolls to the end after the event. An
// operation that throws Fehler is shown in the error box, with what it changed before still in
// place.
//
// The window borrows its model from the Programm, which outlives it. The other windows hook
// themselves to the menu items that show them.

#include "rechner/fenster/tastenfeld.h"
#include "rechner/kern/aktualisierung.h"
#include "rechner/kern/programm.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RollenAnsicht;

class Hauptfenster : public QMainWindow {
public:
    // `dialoge`, `shell` and `zwischenablage` are the outside world the windows show to and
    // start from; they and `programm` outlive the window.
    Hauptfenster(Programm& programm, Dialoge& dialoge, Shell& shell,
                 Zwischenablage& zwischenablage);

    Hauptmodell& modell() { return m_modell; }

    // Runs an operation of the model as an event handler: refresh afterwards, the error box on
    // failure, the keyboard focus back to the sink on success.
    void ausfuehren(const std::function<void()>& operation);
    // Copies the model's field texts and states into the widgets.
    void aktualisieren();
    // The start-up sequence (hauptfenster_start.cpp). The program runs it once, right before it
    // shows the window.
    void starten();

    QAction* registrierenAktion = nullptr;
    QAction* beendenAktion = nullptr;
    QAction* anmeldenAktion = nullptr;
    QAction* abmeldenAktion = nullptr;
    QAction* druckenAktion = nullptr;
    QAction* infoAktion = nullptr;
    QAction* webseiteAktion = nullptr;
    QAction* emailAktion = nullptr;
    QAction* updateAktion = nullptr;
    QAction* hilfeAktion = nullptr;

    QLineEdit* tastaturfeld = nullptr; // the hidden keyboard sink

    // The outside links (hauptfenster_menue.cpp); the about box's links open the same two
    // addresses.
    void webseiteOeffnen();
    void emailSchreiben();
    void hilfeOeffnen();
    void aufrufExtern();
    QString aufrufPfad; // the file the shell is asked to open

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    // The close query (hauptfenster_start.cpp).
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void menueBauen();
    void felderBauen(QWidget* koerper);
    void statusleisteBauen();
    void tastenVerbinden();
    // Wiring of the menu items, each in the file of its topic.
    void startVerbinden();  // hauptfenster_start.cpp: "Beenden"
    void menueVerbinden();  // hauptfenster_menue.cpp: links, hints
    void updateVerbinden(); // hauptfenster_update.cpp: the online update check
    Onlineaktualisierung aktualisierungBauen(Dialoge& dialoge, Shell& shell,
                                             Zwischenablage& zwischenablage);
    // Keyboard sink and focus (hauptfenster_tastatur.cpp); true when the event is used up.
    void tastaturVerbinden();
    bool tastaturEreignis(QObject* objekt, QEvent* ereignis);
    void funktionstaste(int nummer);
    // Status hints of panel 0 (hauptfenster_menue.cpp).
    void hinweisBeiBewegung(QObject* objekt);

    Programm& m_programm;
    Hauptmodell& m_modell;
    Shell& m_shell;
    Onlineaktualisierung m_aktualisierung;

    QWidget* tastenkoerper = nullptr;
    QLabel* anmeldeDeckel = nullptr;
    QLabel* anzeige = nullptr;
    QLabel* operatorzeichen = nullptr;
    QLabel* zwischenwertFeld = nullptr;
    QLabel* speicherFeld = nullptr;
    QLabel* uhrFeld = nullptr;
    QLabel* firmenFeld = nullptr;
    QLineEdit* gesamtFeld = nullptr;
    QPlainTextEdit* versionszeile = nullptr;
    RollenAnsicht* rollenAnsicht = nullptr;
    QLabel* statusfelder[3] = {};
    Tasten m_tasten{};
    QTimer uhr;
    QTimer startstempelZeitgeber;
};
