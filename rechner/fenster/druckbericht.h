#pragma once

#include "rechner/kern/hauptmodell.h"

#include <QString>
#include <QStringList>

class QFontMetricsF;
class QPrinter;

// The printed report of the roll: on A4 with 10 mm margins a title block on the first page, the
// roll right-aligned and bold in a column 82.2 mm wide continuing over as many pages as it
// needs, and "Seite" with the page number at the foot of every page. The preview and the test
// driver both print through drucken(), so what the user sees is what the tests check.
class Druckbericht {
public:
    const Rolle* rolle = nullptr; // the roll field, read when the report is built
    QString firma;
    QString uhrzeit; // the clock text
    QString titel;   // the roll's title

    // Fills the fields from the main window, in the order the print command does it.
    void fuellen(const Hauptmodell& hauptmodell);

    // A4 portrait, 10 mm margins, one copy, no duplex, all pages, automatic paper bin.
    static void einrichten(QPrinter& drucker);

    // Lays the report out on the printer page by page and returns the number of pages.
    // Throws Fehler when the printer cannot be started (an output file that cannot be made).
    int drucken(QPrinter& drucker) const;
};

// Breaks a roll line into pieces no wider than `breite`, at blanks where possible and inside a
// word only when the word alone is too wide. The pieces joined give the line again.
QStringList Umbrechen(const QString& zeile, const QFontMetricsF& masse, qreal breite);
