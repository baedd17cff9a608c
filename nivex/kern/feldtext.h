#pragma once

// The updater's text fields drop their first line as the field shows it.

#include <QList>
#include <QString>
#include <functional>

// The text without its first displayed line. `zeilen` gives the lengths of the displayed lines
// that a text line takes in the field: a line that wraps loses only the characters of its first
// displayed line, which has no line break of its own to take along. Otherwise the first line
// goes with its CR LF (ohneErsteFeldzeile).
QString ohneErsteAngezeigteZeile(const QString& text,
                                 const std::function<QList<qsizetype>(const QString&)>& zeilen);
