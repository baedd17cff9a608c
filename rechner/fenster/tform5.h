#pragma once

#include "rechner/fenster/druckbericht.h"

#include <QWidget>

// The print form: it holds the report definition and is never shown itself.
class TForm5 : public QWidget {
public:
    explicit TForm5(QWidget* eltern = nullptr);

    Druckbericht QuickRep8;

    // Builds the report and opens the print preview, from which the user prints; returns when
    // the preview is closed, with the other windows usable meanwhile.
    void Vorschau(QWidget* eltern);
};
