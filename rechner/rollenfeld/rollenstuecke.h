#pragma once

#include <QStringView>

// A roll line longer than a few thousand characters is laid out in pieces, each on its own, so
// that showing or editing any part of it costs the same whatever the line's length: laying out
// a line of megabytes whole takes a second. Where a piece starts depends only on the text near
// it: at the first word after each multiple of the piece length, so that the piece's first row
// begins a word as a wrapped row does, and never inside a character as the user sees it. A line of
// up to twice the piece length is one piece and wraps exactly as laid out whole; a longer one ends
// a row early at each piece's end.
namespace rollenstuecke {

inline constexpr qsizetype Laenge = 4096;

// How many pieces a line is laid out in (at least one).
qsizetype anzahl(QStringView zeile);
// The column where a piece starts, and where it ends (the next piece's start or the line's end).
qsizetype anfang(QStringView zeile, qsizetype stueck);
qsizetype ende(QStringView zeile, qsizetype stueck);
// The piece that shows a column: the later one at a piece boundary, the last at the line's end.
qsizetype mit(QStringView zeile, qsizetype spalte);

} // namespace rollenstuecke
