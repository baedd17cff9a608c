#pragma once

// How the window's text fields break a text line into displayed lines.

#include <QList>
#include <QString>

class QPlainTextEdit;

// The lengths of the displayed lines that one text line (without its break) takes in the field,
// laid out with the field's own font, wrap mode and text width.
QList<qsizetype> angezeigteZeilen(const QPlainTextEdit& feld, const QString& zeile);
