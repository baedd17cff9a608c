#pragma once

#include "common/fehler.h"

#include <cmath>

// Double arithmetic with the floating-point conditions raised as the platform raises them.
// Underflow and inexact results raise nothing.
inline double geprueft(double ergebnis) {
    if (std::isnan(ergebnis))
        throw Fehler(Fehlertexte::UngueltigeOperation);
    if (std::isinf(ergebnis))
        throw Fehler(Fehlertexte::Ueberlauf);
    return ergebnis;
}

inline double geteilt(double dividend, double divisor) {
    if (divisor == 0)
        throw Fehler(dividend == 0 ? Fehlertexte::UngueltigeOperation
                                   : Fehlertexte::DivisionDurchNull);
    return geprueft(dividend / divisor);
}
