#pragma once

// The PIN window: every change of the PIN field runs the model's match; a match writes its
// block onto the main roll and switches the main window's menu items and cover, so the main
// window is refreshed after each event too. The menu items "Anmelden" and "Abmelden" show it.

#include "rechner/kern/anmeldung.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class Hauptfenster;
class QLabel;
class QLineEdit;
class QPushButton;

class PinFenster : public QWidget {
public:
    PinFenster(Hauptfenster& hauptfenster, Anmeldung& anmeldung);

    Anmeldung& modell() { return m_modell; }
    // Shows the window without blocking, or brings it to the front when it is open already.
    void zeigen();
    void ausfuehren(const std::function<void()>& operation);
    void aktualisieren();
    // The close timer's tick.
    void schliessZeitgeberTick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    // Escape presses "Abbrechen", wherever the focus is.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void menueVerbinden();

    Hauptfenster& m_hauptfenster;
    Anmeldung& m_modell;
    QLabel* m_statusFeld = nullptr;
    QLineEdit* m_pinFeld = nullptr;
    QPushButton* m_abbrechenKnopf = nullptr;
    QTimer m_schliessZeitgeber{this};
};
