#include "rechner/fenster/fensterhilfe.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void zentrieren(QWidget* fenster) {
    const QScreen* bildschirm =
        fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (bildschirm)
        fenster->move(bildschirm->availableGeometry().center() - fenster->rect().center());
}

void modelessZeigen(QWidget* fenster) {
    if (!fenster->isVisible()) {
        zentrieren(fenster);
        fenster->show();
    }
    fenster->raise();
    fenster->activateWindow();
}

void textSetzen(QLineEdit* feld, const QString& text) {
    if (feld->text() == text)
        return;
    const int cursor = feld->cursorPosition();
    feld->setText(text);
    feld->setCursorPosition(std::min<int>(cursor, text.size()));
}
