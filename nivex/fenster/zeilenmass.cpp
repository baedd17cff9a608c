#include "nivex/fenster/zeilenmass.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>

QList<qsizetype> angezeigteZeilen(const QPlainTextEdit& feld, const QString& zeile) {
    const QTextDocument& dokument = *feld.document();
    // The text is as wide as the viewport, less the document's margin on both sides. A hidden
    // field never lays out its viewport; its width then follows from the field's size, frame
    // and always-on scroll bar.
    const int sichtbreite =
        feld.isVisible() ? feld.viewport()->width() : feld.maximumViewportSize().width();
    const qreal breite = sichtbreite - 2 * dokument.documentMargin();
    QTextLayout layout(zeile, dokument.defaultFont());
    layout.setTextOption(dokument.defaultTextOption());
    layout.beginLayout();
    for (QTextLine zeilenstueck = layout.createLine(); zeilenstueck.isValid();
         zeilenstueck = layout.createLine())
        zeilenstueck.setLineWidth(breite);
    layout.endLayout();
    QList<qsizetype> laengen;
    for (int i = 0; i < layout.lineCount(); ++i)
        laengen << layout.lineAt(i).textLength();
    return laengen;
}
