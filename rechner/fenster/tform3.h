#pragma once

// The PIN window: every change of the PIN field runs the model's match; a match writes its
// block onto the main roll and switches the main window's menu items and cover, so the main
// window is refreshed after each event too.

#include "rechner/kern/anmeldung.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class TForm1;
class TForm2;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public QWidget {
public:
    TForm3(TForm1& form1, TForm2& form2);

    Anmeldung& modell() { return m_modell; }
    // Shows the window without blocking, or brings it to the front when it is open already.
    void zeigen();
    void ausfuehren(const std::function<void()>& operation);
    void aktualisieren();
    // The close timer's tick.
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* ereignis) override;
    // Escape presses "Abbrechen", wherever the focus is.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    TForm1& m_form1;
    Anmeldung m_modell;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTimer Timer1{this};
};
