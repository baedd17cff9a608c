// Main window: start-up and the close request.
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/programm.h"

#include <QAction>
#include <QCloseEvent>

// "Beenden" asks the window to close; the close request decides.
void Hauptfenster::startVerbinden() {
    connect(m_beendenAktion, &QAction::triggered, this, [this] { close(); });
}

// Centred before start-up, so that its message boxes stand over the centred window.
void Hauptfenster::starten() {
    zentrieren(this);
    ausfuehren([this] { m_programm.start().beimZeigen(); });
}

// The window acts on the answer to its close request; an error raised by the request keeps it
// open.
void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    auto antwort = Programmstart::Schliessantwort::Offenbleiben;
    ausfuehren([this, &antwort] { antwort = m_programm.start().schliessenAnfragen(); });
    ereignis->setAccepted(antwort == Programmstart::Schliessantwort::Schliessen);
}
