#include "rechner/rollenfeld/textgrenzen.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace textgrenzen {

namespace {

// How much text on either side of a place is looked at: far more than a word of a roll line.
constexpr qsizetype Umkreis = 1024;

// A boundary finder over the text around a place; its positions count from `anfang`.
struct Umgebung {
    Umgebung(QTextBoundaryFinder::BoundaryType art, QStringView zeile, qsizetype spalte)
        : anfang(std::max<qsizetype>(0, spalte - Umkreis)),
          ende(std::min(zeile.size(), spalte + Umkreis)),
          finder(art, zeile.data() + anfang, ende - anfang) {
        finder.setPosition(spalte - anfang);
    }
    qsizetype spalte() const { return anfang + finder.position(); }

    qsizetype anfang;
    qsizetype ende;
    QTextBoundaryFinder finder;
};

} // namespace

qsizetype naechstesZeichen(QStringView zeile, qsizetype spalte) {
    if (spalte >= zeile.size())
        return zeile.size();
    Umgebung um(QTextBoundaryFinder::Grapheme, zeile, spalte);
    return um.finder.toNextBoundary() < 0 ? um.ende : um.spalte();
}

qsizetype vorigesZeichen(QStringView zeile, qsizetype spalte) {
    if (spalte <= 0)
        return 0;
    Umgebung um(QTextBoundaryFinder::Grapheme, zeile, spalte);
    return um.finder.toPreviousBoundary() < 0 ? um.anfang : um.spalte();
}

qsizetype naechsterWortanfang(QStringView zeile, qsizetype spalte) {
    if (spalte >= zeile.size())
        return zeile.size();
    Umgebung um(QTextBoundaryFinder::Word, zeile, spalte);
    while (um.finder.toNextBoundary() >= 0)
        if (um.spalte() == zeile.size() || !zeile[um.spalte()].isSpace())
            return um.spalte();
    return um.ende;
}

qsizetype vorigerWortanfang(QStringView zeile, qsizetype spalte) {
    if (spalte <= 0)
        return 0;
    Umgebung um(QTextBoundaryFinder::Word, zeile, spalte);
    while (um.finder.toPreviousBoundary() >= 0)
        if (um.spalte() == 0 || !zeile[um.spalte()].isSpace())
            return um.spalte();
    return um.anfang;
}

std::pair<qsizetype, qsizetype> wortBei(QStringView zeile, qsizetype spalte) {
    if (zeile.isEmpty())
        return {0, 0};
    spalte = std::clamp<qsizetype>(spalte, 0, zeile.size() - 1);
    Umgebung um(QTextBoundaryFinder::Word, zeile, spalte);
    const qsizetype anfang = um.finder.isAtBoundary()             ? spalte
                             : um.finder.toPreviousBoundary() < 0 ? um.anfang
                                                                  : um.spalte();
    um.finder.setPosition(spalte - um.anfang);
    const qsizetype ende = um.finder.toNextBoundary() < 0 ? um.ende : um.spalte();
    return {anfang, ende};
}

} // namespace textgrenzen
