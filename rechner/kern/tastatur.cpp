// The keyboard sink Edit1: typed characters and the function keys.
#include "rechner/kern/hauptmodell.h"

// Typed characters are locked out while nobody is signed in, unless the settings text says
// to start without sign-in. The lock reads the text, not the number.
bool Hauptmodell::tastaturGesperrt() const {
    return !Abmelden1 && w.OhneAnmeldungText != QLatin1String("1");
}

void Hauptmodell::Edit1KeyPress(QChar zeichen) {
    if (tastaturGesperrt())
        return;
    switch (zeichen.unicode()) {
    case u',':
        if (KommaErlaubt == 1) {
            Stundenstellung();
            Panel2 += QLatin1Char(',');
            KommaErlaubt = 0;
        }
        return;
    case u'+':
        return BitBtn14Click();
    case u'-':
        return BitBtn15Click();
    case u'*':
        return BitBtn16Click();
    case u'/':
        return BitBtn17Click();
    case 13:
        return BitBtn12Click();
    case 8:
        return BitBtn18Click();
    case u'%':
        return BitBtn20Click();
    default:
        break;
    }
    if (zeichen < u'0' || zeichen > u'9')
        return; // swallowed, the point included
    // The keypad's digit steps, except that a typed digit leaves the time keys as they are.
    if (NeueEingabe == 1)
        Panel2 = QStringLiteral("0");
    NeueEingabe = 0;
    if (Panel2 == QLatin1String("0"))
        Panel2.clear();
    Panel2 += zeichen;
    Panel34.clear();
}

void Hauptmodell::Edit1KeyDown(int funktionstaste) {
    switch (funktionstaste) {
    case 1:
        return BitBtn21Click();
    case 2:
        return BitBtn23Click();
    case 3:
        return BitBtn22Click();
    case 4:
        return BitBtn19Click();
    case 5:
        return BitBtn27Click();
    case 6:
        return BitBtn28Click();
    case 7:
        return BitBtn26Click();
    case 8:
        return BitBtn18Click();
    case 9:
        return BitBtn25Click();
    case 11:
        return BitBtn13Click();
    default:
        return; // F10, F12 and every other key do nothing
    }
}
