#pragma once

// Keypad keys of the main window's model pressed by caption, separated by blanks
// ("1 2 + 5 ="), as the key table names them ("Datum" for the date-stamp key).

#include "rechner/kern/tasten.h"

#include <QStringList>

inline void druecke(Hauptmodell& modell, const QString& folge) {
    for (const QString& name : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Taste* taste = tasteNachName(name);
        if (!taste)
            qFatal("Keine Taste heißt \"%s\"", qPrintable(name));
        taste->druecken(modell);
    }
}
