#pragma once

// What the roll views tell screen readers of their changes, as Qt's accessibility events. An
// append or a hand edit names the changed piece only, and a move of the cursor or the selection
// its new place. A whole new roll (the copy on showing, the copy handed back, a roll file, a new
// roll, clearing) is told as a text control tells a text set anew: the old text removed, told
// by its length, and the new one inserted, put together once; then the cursor. A reader that
// keeps its own copy of the text from these events (as braille drivers do) holds the view's
// text after each of them. Nothing is built or sent while no screen reader listens.

#include "rechner/rollenfeld/rollenflaeche.h"

#include <QAccessible>

class RollenEditor;

namespace rollenmeldung {

// Lines from `ersteZeile` on were appended to the view's roll.
void angehaengt(RollenFlaeche* ansicht, qsizetype ersteZeile);
// The view's roll is about to be replaced: the length of the text that goes is noted.
void vorDemErsetzen(RollenFlaeche* ansicht);
// The view shows another roll.
void neuGefuellt(RollenFlaeche* ansicht);
// The view was enabled or disabled, which makes the roll copy editable or not.
void zustandGeaendert(RollenFlaeche* ansicht);
// The roll copy's cursor or selection may have moved.
void cursorBewegt(RollenEditor* editor);

// A hand edit in the roll copy that replaces the text from one place to another: made before
// the edit, so that it can note the text that goes, and told once the edit is made.
class Bearbeitung {
public:
    Bearbeitung(RollenEditor* editor, RollenFlaeche::Stelle von, RollenFlaeche::Stelle bis);
    // The new text runs from the first place to `ende`.
    void gemacht(RollenFlaeche::Stelle ende) const;

private:
    RollenEditor* m_editor;
    bool m_gehoert;
    int m_position = 0;
    QString m_entfernt;
};

// Whether a screen reader listens.
bool gehoert();
// Tests and benchmarks run on a platform without screen readers: `hoerer` takes the events in
// their place, as if one listened (none: back to the platform's). Returns the one before.
QAccessible::UpdateHandler mithoeren(QAccessible::UpdateHandler hoerer);

} // namespace rollenmeldung
