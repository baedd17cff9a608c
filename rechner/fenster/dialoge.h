#pragma once

#include "common/fenster/boxen.h"
#include "rechner/kern/aussenwelt.h"

#include <QString>
#include <functional>

class QWidget;

// A yes/no question of the information type, caption "Information", "&Ja" as default.
Dialoge::Antwort frageStellen(QWidget* eltern, const QString& text);

// The dialogs of the logic, shown over a window. The two file dialogs keep the name they
// last held, as the logic expects.
class QtDialoge : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern) : m_eltern([eltern] { return eltern; }) {}
    // Over the window `eltern` names when a dialog is shown: the program's dialogs are made
    // before the main window they stand over.
    explicit QtDialoge(std::function<QWidget*()> eltern) : m_eltern(std::move(eltern)) {}
    void meldung(const QString& text) override { meldungsboxZeigen(m_eltern(), text); }
    Antwort frage(const QString& text) override { return frageStellen(m_eltern(), text); }
    std::optional<QString> speichernDialog(const QString& dateiname) override;
    std::optional<QString> oeffnenDialog(const std::optional<QString>& dateiname) override;

private:
    std::function<QWidget*()> m_eltern;
    QString m_speichernName;
    QString m_oeffnenName;
};
