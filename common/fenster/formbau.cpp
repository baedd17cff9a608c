#include "common/fenster/formbau.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
                     const QString& stil) {
    return eingepasst<QLabel>(eltern, name, ort, stil, text);
}

QLineEdit* eingabefeld(QWidget* eltern, const QString& name, const QRect& ort, const QString& stil,
                       int hoechstLaenge) {
    auto* feld = platziert<QLineEdit>(eltern, name, ort);
    feld->setStyleSheet(stil);
    feld->setMaxLength(hoechstLaenge);
    return feld;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QRect& ort,
                   const QIcon& bild) {
    return platziert<QPushButton>(eltern, name, ort, bild, text);
}

QFrame* rahmen(QWidget* eltern, const QString& name, const QRect& ort, int stil, int linienbreite) {
    auto* frame = platziert<QFrame>(eltern, name, ort);
    frame->setFrameStyle(stil);
    frame->setLineWidth(linienbreite);
    return frame;
}
