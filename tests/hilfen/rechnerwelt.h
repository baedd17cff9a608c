#pragma once

// Rechner's outside world for the update check: the dialogs, the shell and the clipboard, every
// effect written into one list in the order it happened.

#include "rechner/kern/aussenwelt.h"
#include "tests/hilfen/skriptdialoge.h"

#include <QStringList>

struct Rechnerwelt : Shell, Zwischenablage {
    QStringList ereignisse;
    SkriptDialoge dialoge{ereignisse};
    QString ablage = QStringLiteral("vorher");

    void oeffnen(const QString&) override {}
    void starten(const QString& programm) override {
        ereignisse << QStringLiteral("Start ") + programm;
    }
    void setzen(const QString& text) override {
        ablage = text;
        ereignisse << QStringLiteral("Ablage ") + text;
    }
    QString text() const override { return ablage; }
};
