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

#include <QMainWindow>
#include <QTimer>
#include <functional>

class Hauptmodell;
class Programm;
class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RollenAnsicht;
class Shell;

class Hauptfenster : public QMainWindow {
public:
    // `shell` opens the outside links; it and `programm` outlive the window.
    Hauptfenster(Programm& programm, Shell& shell);

    Hauptmodell& modell() { return m_modell; }

    // Runs an operation of the model as an event handler: refresh afterwards, the error box on
    // failure, the keyboard focus back to the sink on success.
    void ausfuehren(const std::function<void()>& operation);
    // Copies the model's field texts and states into the widgets.
    void aktualisieren();
    // The start-up sequence (hauptfenster_start.cpp). The program runs it once, right before it
    // shows the window.
    void starten();

    // The menu items that show the other windows, which hook themselves to them.
    enum class Menuepunkt { Registrieren, Anmelden, Abmelden, Drucken, Info };
    void beiMenuepunkt(Menuepunkt punkt, const std::function<void()>& wirkung);
    // Gives the keyboard focus back to the hidden keyboard sink, as every key operation does.
    void tastaturfokusZurueck();
    // Asks the window to close after the hand-off to the updater (hauptfenster_update.cpp):
    // when the close request lets it close, the program keeps the clipboard for the updater
    // before it ends.
    void schliessenNachUebergabe();

    // The outside links (hauptfenster_menue.cpp); the about box's links open the same two
    // addresses.
    void webseiteOeffnen();
    void emailSchreiben();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    // The close request (hauptfenster_start.cpp).
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
    // Keyboard sink and focus (hauptfenster_tastatur.cpp); true when the event is used up.
    void tastaturVerbinden();
    bool tastaturEreignis(QObject* objekt, QEvent* ereignis);
    void funktionstaste(int nummer);
    // Status hints of panel 0 (hauptfenster_menue.cpp).
    void hinweisBeiBewegung(QObject* objekt);
    void hinweisZeigen(const QString& text);
    // The help file, handed to the shell (hauptfenster_menue.cpp).
    void hilfeOeffnen();
    void aufrufExtern(const QString& pfad);

    Programm& m_programm;
    Hauptmodell& m_modell;
    Shell& m_shell;

    QAction* m_registrierenAktion = nullptr;
    QAction* m_beendenAktion = nullptr;
    QAction* m_anmeldenAktion = nullptr;
    QAction* m_abmeldenAktion = nullptr;
    QAction* m_druckenAktion = nullptr;
    QAction* m_infoAktion = nullptr;
    QAction* m_webseiteAktion = nullptr;
    QAction* m_emailAktion = nullptr;
    QAction* m_updateAktion = nullptr;
    QAction* m_hilfeAktion = nullptr;

    QLineEdit* m_tastaturfeld = nullptr; // the hidden keyboard sink
    QWidget* m_tastenkoerper = nullptr;
    QLabel* m_anmeldeDeckel = nullptr;
    QLabel* m_anzeige = nullptr;
    QLabel* m_operatorzeichen = nullptr;
    QLabel* m_zwischenwertFeld = nullptr;
    QLabel* m_speicherFeld = nullptr;
    QLabel* m_uhrFeld = nullptr;
    QLabel* m_firmenFeld = nullptr;
    QLineEdit* m_gesamtFeld = nullptr;
    QPlainTextEdit* m_versionszeile = nullptr;
    RollenAnsicht* m_rollenAnsicht = nullptr;
    QLabel* m_statusfelder[3] = {};
    Tasten m_tasten{};
    QTimer m_uhr;
    QTimer m_startstempelZeitgeber;
};
