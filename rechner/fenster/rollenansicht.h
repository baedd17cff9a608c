#pragma once

#include "rechner/kern/rolle.h"

#include <QAbstractScrollArea>

// The read-only view of a roll: right-aligned bold lines, vertical scroll bar only. It paints
// only the lines in sight and learns of each append from the roll itself, so neither a key
// nor a repaint costs more with a million lines than with ten. After every change it scrolls
// to the last line once the current event has been handled.
class RollenAnsicht : public QAbstractScrollArea, public RollenBeobachter {
public:
    RollenAnsicht(Rolle& rolle, QWidget* eltern);
    ~RollenAnsicht() override;

    // The first line in sight and the number of whole lines the view shows.
    qsizetype ersteSichtbareZeile() const;
    qsizetype sichtbareZeilen() const;

    void vorAnhaengen(qsizetype, qsizetype) override {}
    void nachAnhaengen() override { geaendert(); }
    void vorErsetzen() override {}
    void nachErsetzen() override { geaendert(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void geaendert();
    void bereichSetzen();
    void zumEnde();
    int zeilenhoehe() const;

    Rolle& m_rolle;
    bool m_scrollAngefordert = false;
};
