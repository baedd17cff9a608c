#include "rechner/kern/tasten.h"

#include <iterator>

namespace {

using H = Hauptmodell;

template <void (H::*operation)()> void rufe(H& modell) {
    (modell.*operation)();
}
template <int n> void ziffer(H& modell) {
    modell.ziffer(n);
}

constexpr Taste Tasten[] = {
    {1, u"1", ziffer<1>},
    {2, u"2", ziffer<2>},
    {3, u"3", ziffer<3>},
    {4, u"4", ziffer<4>},
    {5, u"5", ziffer<5>},
    {6, u"6", ziffer<6>},
    {7, u"7", ziffer<7>},
    {8, u"8", ziffer<8>},
    {9, u"9", ziffer<9>},
    {10, u"0", ziffer<0>},
    {11, u",", rufe<&H::komma>},
    {12, u"=", rufe<&H::gleich>},
    {13, u"(-)", rufe<&H::vorzeichenwechsel>},
    {14, u"+", rufe<&H::plus>},
    {15, u"-", rufe<&H::minus>},
    {16, u"x", rufe<&H::mal>},
    {17, u"/", rufe<&H::geteilt>},
    {18, u"AC", rufe<&H::ac>},
    {19, u"MC", rufe<&H::speicherLoeschen>},
    {20, u"%", rufe<&H::prozent>},
    {21, u"M+", rufe<&H::speicherPlus>},
    {22, u"MR", rufe<&H::speicherAbruf>},
    {23, u"M-", rufe<&H::speicherMinus>},
    {24, u"M-Std", rufe<&H::minutenInStunden>},
    {25, u"Datum", rufe<&H::datumsstempel>},
    {26, u"CE", rufe<&H::ce>},
    {27, u"x²", rufe<&H::quadrat>},
    {28, u"V¯", rufe<&H::wurzel>},
    {29, u"Std-M", rufe<&H::stundenInMinuten>},
    {30, u"M-Dez", rufe<&H::minutenInDezimal>},
};

} // namespace

const Taste* tasteNachNummer(int nummer) {
    return nummer >= 1 && nummer <= static_cast<int>(std::size(Tasten)) ? &Tasten[nummer - 1]
                                                                        : nullptr;
}

const Taste* tasteNachName(const QString& name) {
    for (const Taste& taste : Tasten)
        if (name == QString::fromUtf16(taste.beschriftung))
            return &taste;
    return nullptr;
}

bool tasteAktiv(const Hauptmodell& modell, int nummer) {
    switch (nummer) {
    case 24:
        return modell.mStdAktiv();
    case 29:
        return modell.stdMAktiv();
    case 30:
        return modell.mDezAktiv();
    default:
        return true;
    }
}
