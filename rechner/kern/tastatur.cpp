// The keyboard sink: typed characters and the function keys.
#include "rechner/kern/hauptmodell.h"

// Typed characters are locked out while nobody is signed in, unless the settings text says
// to start without sign-in. The lock reads the text, not the number.
bool Hauptmodell::tastaturGesperrt() const {
    return !istAngemeldet() && m_werte.OhneAnmeldungText != QLatin1String("1");
}

void Hauptmodell::zeichenGetippt(QChar zeichen) {
    if (tastaturGesperrt())
        return;
    switch (zeichen.unicode()) {
    case u',':
        if (m_kommaErlaubt) {
            stundenstellung();
            m_anzeige += QLatin1Char(',');
            m_kommaErlaubt = false;
        }
        return;
    case u'+':
        return plus();
    case u'-':
        return minus();
    case u'*':
        return mal();
    case u'/':
        return geteilt();
    case 13:
        return gleich();
    case 8:
        return ac();
    case u'%':
        return prozent();
    default:
        break;
    }
    if (zeichen < u'0' || zeichen > u'9')
        return; // swallowed, the point included
    // The keypad's digit steps, except that a typed digit leaves the time keys as they are.
    if (m_neueEingabe)
        m_anzeige = QStringLiteral("0");
    m_neueEingabe = false;
    if (m_anzeige == QLatin1String("0"))
        m_anzeige.clear();
    m_anzeige += zeichen;
    m_operatorzeichen.clear();
}

void Hauptmodell::funktionstaste(int funktionstaste) {
    switch (funktionstaste) {
    case 1:
        return speicherPlus();
    case 2:
        return speicherMinus();
    case 3:
        return speicherAbruf();
    case 4:
        return speicherLoeschen();
    case 5:
        return quadrat();
    case 6:
        return wurzel();
    case 7:
        return ce();
    case 8:
        return ac();
    case 9:
        return datumsstempel();
    case 11:
        return vorzeichenwechsel();
    default:
        return; // F10, F12 and every other key do nothing
    }
}
