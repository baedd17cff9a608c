// Main window: start-up and the close query.
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"

#include <QAction>
#include <QCloseEvent>

// "Beenden" asks the window to close; the close query decides.
void Hauptfenster::startVerbinden() {
    connect(m_beendenAktion, &QAction::triggered, this, [this] { close(); });
}

// Centred before start-up, so that its message boxes stand over the centred window.
void Hauptfenster::starten() {
    zentrieren(this);
    ausfuehren([this] { m_programm.start().beimZeigen(); });
}

// An error raised by the query, or its refusal, keeps the window open.
void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    bool schliessen = false;
    ausfuehren([this, &schliessen] { schliessen = m_programm.start().schliessenErlaubt(); });
    ereignis->setAccepted(schliessen);
}
