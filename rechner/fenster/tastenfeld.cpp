#include "rechner/fenster/tastenfeld.h"

#include "rechner/kern/tasten.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>

namespace {

struct Platz {
    int nummer;
    int zeile, spalte;
};

// Row and column in the 6 x 5 grid.
constexpr Platz Plaetze[] = {
    {21, 0, 0}, {23, 0, 1}, {22, 0, 2}, {19, 0, 3}, {27, 0, 4}, {28, 0, 5}, {7, 1, 0},
    {8, 1, 1},  {9, 1, 2},  {20, 1, 3}, {26, 1, 4}, {18, 1, 5}, {4, 2, 0},  {5, 2, 1},
    {6, 2, 2},  {16, 2, 3}, {17, 2, 4}, {25, 2, 5}, {1, 3, 0},  {2, 3, 1},  {3, 3, 2},
    {14, 3, 3}, {15, 3, 4}, {10, 4, 0}, {11, 4, 1}, {13, 4, 2}, {12, 4, 3},
};

// The time keys, top to bottom in column 6 over rows 4 and 5.
constexpr Platz Zeitplaetze[] = {{24, 0, 0}, {30, 1, 0}, {29, 2, 0}};

constexpr int Abstand = 72;
constexpr int Rahmen = 65;
constexpr int Knopf = 49;

QFrame* rahmenBauen(QWidget* koerper, const QRect& feld) {
    auto* frame = new QFrame(koerper);
    frame->setGeometry(feld);
    frame->setAutoFillBackground(true);
    frame->setStyleSheet(QStringLiteral("QFrame { background: #800080; }"));
    frame->setAttribute(Qt::WA_NoMousePropagation);
    return frame;
}

QPushButton* knopfBauen(QFrame* frame, const Platz& taste, QSize groesse, int pixel) {
    auto* knopfWidget = new QPushButton(frame);
    if (taste.nummer != 25)
        knopfWidget->setText(QString::fromUtf16(tasteNachNummer(taste.nummer)->beschriftung));
    knopfWidget->setObjectName(QStringLiteral("BitBtn%1").arg(taste.nummer));
    knopfWidget->setGeometry(QRect(
        QPoint((frame->width() - groesse.width()) / 2, (frame->height() - groesse.height()) / 2),
        groesse));
    const bool rot = taste.nummer == 26 || taste.nummer == 18 || taste.nummer == 19;
    knopfWidget->setStyleSheet(
        QStringLiteral("QPushButton { background: #d4d0c8; font-weight: bold; font-size: %1px;"
                       " color: %2; border: 2px outset #ffffff; }"
                       " QPushButton:pressed { border-style: inset; }"
                       " QPushButton:disabled { color: #808080; }")
            .arg(pixel)
            .arg(rot ? QStringLiteral("#ff0000") : QStringLiteral("#000000")));
    knopfWidget->setAttribute(Qt::WA_NoMousePropagation);
    return knopfWidget;
}

} // namespace

Tasten tastenfeldBauen(QWidget* koerper, QPoint ursprung) {
    Tasten ergebnis{};
    for (const Platz& taste : Plaetze) {
        const int breite = taste.nummer == 12 ? Abstand + Rahmen : Rahmen;
        QFrame* frame = rahmenBauen(
            koerper, QRect(ursprung + QPoint(taste.spalte * Abstand, taste.zeile * Abstand),
                           QSize(breite, Rahmen)));
        const QSize groesse = taste.nummer == 12 ? QSize(121, Knopf) : QSize(Knopf, Knopf);
        ergebnis[taste.nummer] = knopfBauen(frame, taste, groesse, 24);
    }
    ergebnis[25]->setIcon(uhrsymbol());
    ergebnis[25]->setIconSize(QSize(16, 16));
    for (const Platz& taste : Zeitplaetze) {
        QFrame* frame = rahmenBauen(
            koerper, QRect(ursprung + QPoint(5 * Abstand, 3 * Abstand + taste.zeile * 48),
                           QSize(Rahmen, 41)));
        ergebnis[taste.nummer] = knopfBauen(frame, taste, QSize(Knopf, 27), 11);
    }
    return ergebnis;
}

QIcon uhrsymbol() {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(Qt::red, 2));
    maler.setBrush(Qt::white);
    maler.drawEllipse(QRectF(1, 1, 14, 14));
    maler.setPen(QPen(Qt::blue, 1));
    for (int stunde = 0; stunde < 12; stunde += 3) {
        maler.save();
        maler.translate(8, 8);
        maler.rotate(stunde * 30);
        maler.drawLine(QPointF(0, -5.5), QPointF(0, -4));
        maler.restore();
    }
    maler.setPen(QPen(Qt::black, 1.2));
    maler.drawLine(QPointF(8, 8), QPointF(8, 4));
    maler.drawLine(QPointF(8, 8), QPointF(11, 9));
    maler.end();
    return QIcon(bild);
}
