#pragma once

// Rechner's outside world for the update check: every effect, in the order it happened.

#include "rechner/kern/aussenwelt.h"

#include <QStringList>

struct Rechnerwelt : Dialoge, Shell, Zwischenablage {
    QStringList ereignisse;
    QString ablage = QStringLiteral("vorher");

    void meldung(const QString& text) override { ereignisse << QStringLiteral("Meldung ") + text; }
    Antwort frage(const QString&) override { return Antwort::Nein; }
    std::optional<QString> speichernDialog(const QString&) override { return {}; }
    std::optional<QString> oeffnenDialog(const std::optional<QString>&) override { return {}; }
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
