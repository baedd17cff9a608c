#include "nivex/fenster/stufenrahmen.h"

#include <QPainter>

void Stufenrahmen::setzeStift(const Stift& stift) {
    if (stift == m_stift)
        return;
    m_stift = stift;
    update();
}

void Stufenrahmen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const QColor farbe = m_stift.farbe == Stift::Farbe::Rot ? QColor(255, 0, 0) : Qt::black;
    maler.setPen(QPen(farbe, m_stift.breite));
    maler.setBrush(QColor(166, 202, 240));
    // The pen is drawn centred on the outline; keep it inside the widget.
    const qreal rand = m_stift.breite / 2.0;
    maler.drawRoundedRect(QRectF(rect()).adjusted(rand, rand, -rand, -rand), 8, 8);
}
