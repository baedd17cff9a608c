#pragma once

// The one way past the models' guard, for tests only: a state that no key sequence reaches, or
// only a long one, is put in place directly.

#include "rechner/kern/hauptmodell.h"

struct Modellzugang {
    static void anzeigeSetzen(Hauptmodell& m, const QString& text) { m.m_anzeige = text; }
};
