// Main window: start-up, close, administration window and sign-in.
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/tform1.h"
#include "rechner/fenster/tform2.h"
#include "rechner/fenster/tform3.h"
#include "rechner/kern/programmstart.h"

#include <QAction>
#include <QCloseEvent>

// Start-up and close work on the administration window's operator list and roll operations;
// asking the window to close runs the close query again.
Programmstart& TForm1::startmodell() {
    if (!m_start)
        m_start =
            std::make_unique<Programmstart>(Form2->modell(), Anwendungstitel, [this] { close(); });
    return *m_start;
}

void TForm1::anmeldungVerbinden() {
    Programmstart::FormCreate(m_modell);
    connect(Registrieren1, &QAction::triggered, this, [this] {
        if (Form2)
            Form2->zeigen();
    });
    // Beenden1Click: ask the window to close; the close query decides.
    connect(Beenden1, &QAction::triggered, this, [this] { close(); });
    connect(Anmelden1, &QAction::triggered, this, [this] {
        if (!Form3)
            return;
        ausfuehren([this] { Form3->modell().Anmelden1Click(); });
        Form3->zeigen();
    });
    connect(Abmelden1, &QAction::triggered, this, [this] {
        if (!Form3)
            return;
        ausfuehren([this] { Form3->modell().Abmelden1Click(); });
        Form3->zeigen();
    });
}

// Centred before start-up, so that its message boxes stand over the centred window.
void TForm1::FormShow() {
    Zentrieren(this);
    ausfuehren([this] { startmodell().FormShow(); });
}

// An error raised by the query, or its refusal, keeps the window open. A main window without
// the other windows (a test of the keypad alone) has nothing to save and closes.
void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (!Form2) {
        QMainWindow::closeEvent(ereignis);
        return;
    }
    bool schliessen = false;
    ausfuehren([this, &schliessen] { schliessen = startmodell().FormCloseQuery(); });
    ereignis->setAccepted(schliessen);
}
