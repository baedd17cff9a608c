#pragma once

// The text rules of the window's text fields, which hold Windows line breaks.

#include <QList>
#include <QString>
#include <functional>

// The text without its first line; the removed line takes its line break with it.
QString OhneErsteZeile(const QString& text);
// The text without its first displayed line. `zeilen` gives the lengths of the displayed lines
// that a text line takes in the field: a line that wraps loses only the characters of its first
// displayed line, which has no line break of its own to take along.
QString OhneErsteAngezeigteZeile(const QString& text,
                                 const std::function<QList<qsizetype>(const QString&)>& zeilen);
