#pragma once

// Helpers for the roll views' tests: keys pressed by name, the roll copy's editor on its own,
// and the ink a grab shows.

#include "rechner/rollenfeld/rolleneditor.h"

#include <QApplication>
#include <QImage>
#include <QWheelEvent>
#include <QtTest>

using Stelle = RollenEditor::Stelle;
Q_DECLARE_METATYPE(Stelle)

inline char* toString(const Stelle& stelle) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(stelle.zeile).arg(stelle.spalte));
}

namespace rollen {

// The roll copy's editor at its size in the administration window, shown and with focus.
struct Editor {
    explicit Editor(const QStringList& zeilen) {
        rolle.ersetzen(zeilen);
        ansicht.resize(289, 209);
        ansicht.show();
        ansicht.setFocus();
        QApplication::processEvents();
    }
    Rolle rolle;
    RollenEditor ansicht{rolle, nullptr};
};

// Presses keys by name, separated by blanks: "Enter", "Backspace", "Delete", "Tab", "Left",
// "Right", "Up", "Down", "Home", "End", "PgUp", "PgDown", with "S-" for Shift and "C-" for
// Ctrl in front; a single letter with C- is that letter's key, and any other word is typed.
inline void tasten(QWidget* ziel, const QString& folge) {
    static const QHash<QString, Qt::Key> Namen{
        {QStringLiteral("Enter"), Qt::Key_Return},
        {QStringLiteral("Backspace"), Qt::Key_Backspace},
        {QStringLiteral("Delete"), Qt::Key_Delete},
        {QStringLiteral("Tab"), Qt::Key_Tab},
        {QStringLiteral("Left"), Qt::Key_Left},
        {QStringLiteral("Right"), Qt::Key_Right},
        {QStringLiteral("Up"), Qt::Key_Up},
        {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Home"), Qt::Key_Home},
        {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("PgUp"), Qt::Key_PageUp},
        {QStringLiteral("PgDown"), Qt::Key_PageDown},
    };
    for (QString wort : folge.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers mod;
        for (;;) {
            if (wort.startsWith(QLatin1String("S-")) && wort.size() > 2)
                mod |= Qt::ShiftModifier;
            else if (wort.startsWith(QLatin1String("C-")) && wort.size() > 2)
                mod |= Qt::ControlModifier;
            else
                break;
            wort = wort.mid(2);
        }
        if (Namen.contains(wort))
            QTest::keyClick(ziel, Namen.value(wort), mod);
        else if (mod & Qt::ControlModifier)
            QTest::keyClick(ziel, Qt::Key(Qt::Key_A + wort[0].toUpper().unicode() - u'A'), mod);
        else
            for (QChar zeichen : wort)
                QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), mod);
    }
}

// One turn of the wheel over a widget, by an angle in eighths of a degree (up when positive).
inline void rad(QWidget* ziel, int winkel) {
    const QPointF mitte = QRectF(ziel->rect()).center();
    QWheelEvent ereignis(mitte, ziel->mapToGlobal(mitte), QPoint(), QPoint(0, winkel), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ziel, &ereignis);
}

// How many pixels of a grab have a colour.
inline int pixelInFarbe(const QImage& bild, QColor farbe) {
    int anzahl = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            anzahl += bild.pixelColor(x, y) == farbe;
    return anzahl;
}

// Whether a pixel row of the grab between two x positions holds any dark pixel.
inline bool tinte(const QImage& bild, int y, int links = 0, int rechts = -1) {
    if (rechts < 0)
        rechts = bild.width();
    for (int x = links; x < rechts; ++x)
        if (qGray(bild.pixel(x, y)) < 128)
            return true;
    return false;
}

// The rightmost dark pixel in a band of rows, or -1.
inline int rechteTinte(const QImage& bild, int oben, int unten) {
    for (int x = bild.width() - 1; x >= 0; --x)
        for (int y = std::max(0, oben); y < std::min(unten, bild.height()); ++y)
            if (qGray(bild.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace rollen
