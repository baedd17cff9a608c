#include "rechner/rollenfeld/rollenstuecke.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace rollenstuecke {

namespace {

// How far past a multiple of the piece length a word start is looked for; less than the piece
// length, so that the pieces' starts keep their order.
constexpr qsizetype Suche = Laenge / 4;

bool blank(QChar zeichen) {
    return zeichen == u' ';
}

// Between two ASCII characters there is always a grapheme boundary (a CR before an LF aside,
// which a roll line never holds), whatever comes before or after them.
bool sicherGetrennt(QStringView zeile, qsizetype stelle) {
    return stelle <= 0 || stelle >= zeile.size() ||
           (zeile[stelle - 1].unicode() < 0x80 && zeile[stelle].unicode() < 0x80);
}

// The first boundary of a character as the user sees it (a flag, an emoji with its skin tone, a
// letter with its marks) from `stelle` to `bis`, or -1. Unicode's rules run from the nearest
// place before that is surely a boundary, looked for no further back than the search reaches;
// the character after `bis` is read too, as it decides whether `bis` is a boundary.
qsizetype grenzeAb(QStringView zeile, qsizetype stelle, qsizetype bis) {
    if (sicherGetrennt(zeile, stelle))
        return stelle;
    const qsizetype frueheste = std::max<qsizetype>(0, stelle - Suche);
    qsizetype von = stelle;
    while (von > frueheste && !sicherGetrennt(zeile, von))
        --von;
    const qsizetype ende = std::min(zeile.size(), bis + 2);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, zeile.data() + von, ende - von);
    finder.setPosition(stelle - von);
    if (finder.isAtBoundary())
        return stelle;
    const qsizetype naechste = finder.toNextBoundary();
    return naechste >= 0 && von + naechste <= bis ? von + naechste : -1;
}

} // namespace

qsizetype anfang(QStringView zeile, qsizetype stueck) {
    if (stueck <= 0)
        return 0;
    const qsizetype ab = stueck * Laenge;
    const qsizetype bis = std::min(zeile.size(), ab + Suche);
    for (qsizetype stelle = ab; stelle < bis; ++stelle)
        if (blank(zeile[stelle - 1]) && !blank(zeile[stelle]) &&
            grenzeAb(zeile, stelle, stelle) == stelle)
            return stelle;
    if (const qsizetype grenze = grenzeAb(zeile, ab, bis); grenze >= 0)
        return grenze;
    // A character longer than the search (a letter under a thousand marks) is cut, but never
    // between the halves of a surrogate pair.
    return bis < zeile.size() && zeile[bis].isLowSurrogate() ? bis + 1 : bis;
}

qsizetype anzahl(QStringView zeile) {
    if (zeile.size() <= 2 * Laenge)
        return 1;
    const qsizetype letztes = (zeile.size() - 1) / Laenge;
    return anfang(zeile, letztes) < zeile.size() ? letztes + 1 : letztes;
}

qsizetype ende(QStringView zeile, qsizetype stueck) {
    return stueck + 1 < anzahl(zeile) ? anfang(zeile, stueck + 1) : zeile.size();
}

qsizetype mit(QStringView zeile, qsizetype spalte) {
    const qsizetype stuecke = anzahl(zeile);
    if (stuecke == 1)
        return 0;
    const qsizetype stueck = std::clamp<qsizetype>(spalte / Laenge, 0, stuecke - 1);
    return stueck > 0 && anfang(zeile, stueck) > spalte ? stueck - 1 : stueck;
}

} // namespace rollenstuecke
