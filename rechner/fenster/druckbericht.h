#pragma once

#include "rechner/kern/hauptmodell.h"

#include <QString>
#include <QStringList>

class QFontMetricsF;
class QPageLayout;
class QPagedPaintDevice;
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
    static QPageLayout seitenlayout();

    // Lays the report out on the printer page by page and returns the number of pages.
    // Throws Fehler when the printer cannot be started (an output file that cannot be made).
    int drucken(QPagedPaintDevice& drucker) const;
    // The report as a PDF file, written through the file door as a roll file is: staged beside
    // the target and put in its place whole, links followed by the same rule. Throws
    // Fehler("Datei %s kann nicht erstellt werden"), or the Ursachenfehler of a name that cannot
    // be represented; the old file then stays as it was. Returns the number of pages.
    int pdfSchreiben(const QString& pfad, const QPageLayout& layout) const;
    int pdfSchreiben(const QString& pfad) const;
    // What the preview hands a printer to: drucken(), or pdfSchreiben() where the printer would
    // write a PDF file of its own.
    int ausgeben(QPrinter& drucker) const;
};

// Breaks a roll line into pieces no wider than `breite`, at blanks where possible and inside a
// word only when the word alone is too wide. The pieces joined give the line again.
QStringList umbrechen(const QString& zeile, const QFontMetricsF& masse, qreal breite);
