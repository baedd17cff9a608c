#pragma once

#include <QStringView>
#include <utility>

// Where the cursor stops in a roll line: characters as the user sees them (graphemes) and words,
// both by the Unicode rules of QTextBoundaryFinder. One word rule serves the arrow keys with Ctrl,
// deleting a word and the double click. Only the text around the place is looked at, so a
// step costs the same in a line of megabytes.
namespace textgrenzen {

// The character boundary after `spalte` and before it (the line's ends at most).
qsizetype naechstesZeichen(QStringView zeile, qsizetype spalte);
qsizetype vorigesZeichen(QStringView zeile, qsizetype spalte);

// A word here is what a double click selects: a word or number of the Unicode rules (so
// "1.234,56" is one), a sign, or a run of blanks. The arrow keys with Ctrl stop at the start of
// each word that is not blanks: the next after `spalte` or the line's end, the one before it (or
// the one it stands in) or the line's start.
qsizetype naechsterWortanfang(QStringView zeile, qsizetype spalte);
qsizetype vorigerWortanfang(QStringView zeile, qsizetype spalte);

// The word at a place, as start and end. At the line's end it is the one before; the empty line
// gives the empty range.
std::pair<qsizetype, qsizetype> wortBei(QStringView zeile, qsizetype spalte);

} // namespace textgrenzen
