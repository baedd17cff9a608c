#pragma once

// The windows place their controls at fixed pixel positions. Each control is made in one call
// with its objectName (by which tests and outside tools find it), its place and its look.

#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// A widget of any kind made in `eltern` with the constructor arguments before the parent and
// named, for a widget whose place a layout gives or the window sets later.
template <class W, class... Argumente>
W* benannt(QWidget* eltern, const QString& name, Argumente&&... argumente) {
    auto* widget = new W(std::forward<Argumente>(argumente)..., eltern);
    widget->setObjectName(name);
    return widget;
}

// The same, placed.
template <class W, class... Argumente>
W* platziert(QWidget* eltern, const QString& name, const QRect& ort, Argumente&&... argumente) {
    auto* widget = benannt<W>(eltern, name, std::forward<Argumente>(argumente)...);
    widget->setGeometry(ort);
    return widget;
}

// The same, as large as its content in the style sheet's look, its top left corner at `ort`.
template <class W, class... Argumente>
W* eingepasst(QWidget* eltern, const QString& name, QPoint ort, const QString& stil,
              Argumente&&... argumente) {
    auto* widget = benannt<W>(eltern, name, std::forward<Argumente>(argumente)...);
    widget->setStyleSheet(stil);
    widget->adjustSize();
    widget->move(ort);
    return widget;
}

// A label as large as its text in the style sheet's look, its top left corner at `ort`.
QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
                     const QString& stil = {});
// A one-line field that takes at most `hoechstLaenge` characters.
QLineEdit* eingabefeld(QWidget* eltern, const QString& name, const QRect& ort,
                       const QString& stil = {}, int hoechstLaenge = 32767);
// A push button with an optional picture.
QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QRect& ort,
                   const QIcon& bild = {});
// A bevel: a panel frame, raised or sunken.
QFrame* rahmen(QWidget* eltern, const QString& name, const QRect& ort, int stil,
               int linienbreite = 1);
