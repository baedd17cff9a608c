#pragma once

#include "nivex/kern/updatemodell.h"

#include <QWidget>

// A step frame: a rounded rectangle filled sky blue whose pen shows whether the step runs.
class Stufenrahmen : public QWidget {
public:
    explicit Stufenrahmen(QWidget* eltern) : QWidget(eltern) {}
    void setzeStift(const Stift& stift);
    const Stift& stift() const { return m_stift; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Stift m_stift = SchwarzerStift;
};
