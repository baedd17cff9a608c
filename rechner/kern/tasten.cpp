#include "rechner/kern/tasten.h"

#include <iterator>

namespace {

using H = Hauptmodell;
constexpr Taste tasten[] = {
    {1, u"1", &H::BitBtn1Click},       {2, u"2", &H::BitBtn2Click},
    {3, u"3", &H::BitBtn3Click},       {4, u"4", &H::BitBtn4Click},
    {5, u"5", &H::BitBtn5Click},       {6, u"6", &H::BitBtn6Click},
    {7, u"7", &H::BitBtn7Click},       {8, u"8", &H::BitBtn8Click},
    {9, u"9", &H::BitBtn9Click},       {10, u"0", &H::BitBtn10Click},
    {11, u",", &H::BitBtn11Click},     {12, u"=", &H::BitBtn12Click},
    {13, u"(-)", &H::BitBtn13Click},   {14, u"+", &H::BitBtn14Click},
    {15, u"-", &H::BitBtn15Click},     {16, u"x", &H::BitBtn16Click},
    {17, u"/", &H::BitBtn17Click},     {18, u"AC", &H::BitBtn18Click},
    {19, u"MC", &H::BitBtn19Click},    {20, u"%", &H::BitBtn20Click},
    {21, u"M+", &H::BitBtn21Click},    {22, u"MR", &H::BitBtn22Click},
    {23, u"M-", &H::BitBtn23Click},    {24, u"M-Std", &H::BitBtn24Click},
    {25, u"Datum", &H::BitBtn25Click}, {26, u"CE", &H::BitBtn26Click},
    {27, u"x²", &H::BitBtn27Click},    {28, u"V¯", &H::BitBtn28Click},
    {29, u"Std-M", &H::BitBtn29Click}, {30, u"M-Dez", &H::BitBtn30Click},
};

} // namespace

const Taste* TasteNachNummer(int nummer) {
    return nummer >= 1 && nummer <= static_cast<int>(std::size(tasten)) ? &tasten[nummer - 1]
                                                                        : nullptr;
}

const Taste* TasteNachName(const QString& name) {
    for (const Taste& taste : tasten)
        if (name == QString::fromUtf16(taste.beschriftung))
            return &taste;
    return nullptr;
}

bool TasteAktiv(const Hauptmodell& modell, int nummer) {
    switch (nummer) {
    case 24:
        return modell.BitBtn24;
    case 29:
        return modell.BitBtn29;
    case 30:
        return modell.BitBtn30;
    default:
        return true;
    }
}
