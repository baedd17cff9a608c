#pragma once

#include "rechner/kern/rolle.h"

#include <QPlainTextEdit>

// The editable roll view of the administration window: right-aligned bold lines, vertical
// scroll bar only, lines wrapped. Appends from the model are added at the end, a replaced roll
// is shown anew, and every hand edit is written back into the roll as its lines. After every
// change it scrolls to the last line once the current event has been handled.
class RollenEditor : public QPlainTextEdit, public RollenBeobachter {
public:
    RollenEditor(Rolle& rolle, QWidget* eltern);
    ~RollenEditor() override;

    void vorAnhaengen(qsizetype erste, qsizetype anzahl) override;
    void nachAnhaengen() override;
    void vorErsetzen() override {}
    void nachErsetzen() override;

private:
    void ausRolleZeigen();
    void handeingabeUebernehmen();
    void zumEndeEinreihen();

    Rolle& m_rolle;
    qsizetype m_ersteNeue = 0;
    bool m_zeigtModell = false;
    bool m_scrollAngefordert = false;
};
