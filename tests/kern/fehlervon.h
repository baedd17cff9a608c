#pragma once

#include "common/fehler.h"

#include <QString>

// The text of the error an operation raises, or empty when it raises none.
template <typename Operation> QString fehlerVon(Operation&& operation) {
    try {
        operation();
    } catch (const Fehler& fehler) {
        return fehler.text();
    }
    return {};
}
