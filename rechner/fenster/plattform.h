#pragma once

// The desktop's opener, program start and clipboard, as the logic asks for them.

#include "rechner/kern/aussenwelt.h"

class QtShell : public Shell {
public:
    void oeffnen(const QString& ziel) override;
    void starten(const QString& programm) override;
};

class QtZwischenablage : public Zwischenablage {
public:
    void setzen(const QString& text) override;
    QString text() const override;
};
