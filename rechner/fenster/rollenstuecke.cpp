#include "rechner/fenster/rollenstuecke.h"

#include <algorithm>

namespace rollenstuecke {

namespace {

// How far past a multiple of the piece length a word start is looked for; less than the piece
// length, so that the pieces' starts keep their order.
constexpr qsizetype suche = laenge / 4;

bool blank(QChar zeichen) {
    return zeichen == u' ';
}

// A place that cuts no character in two: not inside a surrogate pair, not before a combining
// mark (within the search, which a run of marks longer than it may end).
qsizetype ungeteilt(QStringView zeile, qsizetype stelle) {
    const qsizetype grenze = std::min(zeile.size(), stelle + suche);
    while (stelle < grenze && (zeile[stelle].isLowSurrogate() || zeile[stelle].isMark()))
        ++stelle;
    if (stelle < zeile.size() && zeile[stelle].isLowSurrogate())
        ++stelle;
    return stelle;
}

} // namespace

qsizetype anfang(QStringView zeile, qsizetype stueck) {
    if (stueck <= 0)
        return 0;
    const qsizetype ab = stueck * laenge;
    const qsizetype bis = std::min(zeile.size(), ab + suche);
    for (qsizetype stelle = ab; stelle < bis; ++stelle)
        if (blank(zeile[stelle - 1]) && !blank(zeile[stelle]))
            return stelle;
    return ungeteilt(zeile, ab);
}

qsizetype anzahl(QStringView zeile) {
    if (zeile.size() <= 2 * laenge)
        return 1;
    const qsizetype letztes = (zeile.size() - 1) / laenge;
    return anfang(zeile, letztes) < zeile.size() ? letztes + 1 : letztes;
}

qsizetype ende(QStringView zeile, qsizetype stueck) {
    return stueck + 1 < anzahl(zeile) ? anfang(zeile, stueck + 1) : zeile.size();
}

qsizetype mit(QStringView zeile, qsizetype spalte) {
    const qsizetype stuecke = anzahl(zeile);
    if (stuecke == 1)
        return 0;
    const qsizetype stueck = std::clamp<qsizetype>(spalte / laenge, 0, stuecke - 1);
    return stueck > 0 && anfang(zeile, stueck) > spalte ? stueck - 1 : stueck;
}

} // namespace rollenstuecke
