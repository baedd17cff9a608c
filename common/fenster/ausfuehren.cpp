#include "common/fenster/ausfuehren.h"

#include "common/fehler.h"
#include "common/fenster/boxen.h"

bool ausfuehren(QWidget* boxEltern, const std::function<void()>& operation,
                const std::function<void()>& auffrischen) {
    try {
        operation();
    } catch (const Fehler& fehler) {
        auffrischen();
        fehlerboxZeigen(boxEltern, fehler.text());
        return false;
    }
    auffrischen();
    return true;
}
