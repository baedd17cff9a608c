#pragma once

#include "rechner/rollenfeld/rollenflaeche.h"
#include "rechner/rollenfeld/rollenmeldung.h"

// The main window's read-only view of the main roll.
class RollenAnsicht : public RollenFlaeche {
public:
    RollenAnsicht(Rolle& rolle, QWidget* eltern) : RollenFlaeche(rolle, eltern) {
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) override {
        RollenFlaeche::ersetzt(von, alteAnzahl, neueAnzahl);
        rollenmeldung::neuGefuellt(this);
    }
};
