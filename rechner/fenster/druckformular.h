#pragma once

#include "rechner/fenster/druckbericht.h"

#include <QWidget>

class Hauptfenster;

// The print form: it holds the report definition and is never shown itself. The menu item
// "Drucken" fills the report from the main window's model and opens the print preview.
class Druckformular : public QWidget {
public:
    explicit Druckformular(Hauptfenster& hauptfenster);

    // The report as the last print command filled it.
    const Druckbericht& bericht() const { return m_bericht; }

    // Builds the report and opens the print preview, from which the user prints; returns when
    // the preview is closed, with the other windows usable meanwhile.
    void vorschau(QWidget* eltern);

private:
    Druckbericht m_bericht;
};
