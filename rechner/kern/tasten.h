#pragma once

#include "rechner/kern/hauptmodell.h"

#include <QString>

// The 30 keys of the keypad: button number, caption and the operation a click runs. The
// numbers are the buttons' object names ("BitBtn24"), which outside tools rely on.
struct Taste {
    int nummer;
    const char16_t* beschriftung;
    void (*klick)(Hauptmodell&);

    void druecken(Hauptmodell& modell) const { klick(modell); }
};

const Taste* tasteNachNummer(int nummer);
// The key with this caption; the date-stamp key has no caption and is named "Datum".
const Taste* tasteNachName(const QString& name);
// Only the three time keys are ever disabled.
bool tasteAktiv(const Hauptmodell& modell, int nummer);
