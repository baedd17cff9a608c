#pragma once

#include "rechner/fenster/rollenflaeche.h"

// The main window's read-only view of the main roll.
class RollenAnsicht : public RollenFlaeche {
public:
    RollenAnsicht(Rolle& rolle, QWidget* eltern) : RollenFlaeche(rolle, eltern) {
        setFocusPolicy(Qt::ClickFocus);
    }
};
