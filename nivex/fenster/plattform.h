#pragma once

// The updater's outside world on Qt: the web functions of common/, the clipboard, the plain
// message box over the window (captioned with the application title, "Nivex"), and the program
// start.

#include "nivex/kern/aussenwelt.h"

class QWidget;

class NivexPlattform : public NivexAussenwelt {
public:
    void setzeEltern(QWidget* eltern) { m_eltern = eltern; }
    QString abrufen(const QString& url) override;
    bool herunterladen(const QString& url, Ablagedatei& datei) override;
    QString zwischenablage() const override;
    void meldung(const QString& text) override;
    void starten(const QString& programm) override;

private:
    QWidget* m_eltern = nullptr;
};
