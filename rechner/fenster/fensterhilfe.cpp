#include "rechner/fenster/fensterhilfe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void Zentrieren(QWidget* fenster) {
    const QScreen* bildschirm =
        fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (bildschirm)
        fenster->move(bildschirm->availableGeometry().center() - fenster->rect().center());
}

void ModelessZeigen(QWidget* fenster) {
    if (!fenster->isVisible()) {
        Zentrieren(fenster);
        fenster->show();
    }
    fenster->raise();
    fenster->activateWindow();
}
