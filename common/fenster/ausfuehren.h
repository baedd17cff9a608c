#pragma once

// The event boundary of every window.

#include <functional>

class QWidget;

// Runs one event's operation, then refreshes the window from its model, in every case: what an
// operation changed before it failed stays changed and shows. A Fehler it throws is shown after
// the refresh in the error box over `boxEltern`. False when the operation threw.
bool ausfuehren(QWidget* boxEltern, const std::function<void()>& operation,
                const std::function<void()>& auffrischen);
