#include "rechner/rollenfeld/handeingabe.h"

Handeingabe::Stelle Handeingabe::ende(Stelle von, const QString& text) {
    const qsizetype umbruch = text.lastIndexOf(QLatin1Char('\n'));
    if (umbruch < 0)
        return {von.zeile, von.spalte + text.size()};
    return {von.zeile + text.count(QLatin1Char('\n')), text.size() - umbruch - 1};
}

void Handeingabe::undo() {
    const Aenderung& a = m_aenderung;
    m_editor.rollentextErsetzen(a.von, ende(a.von, a.neuerRollentext()), a.alterRollentext());
    m_editor.cursorSetzen(m_vorher.anker);
    m_editor.cursorSetzen(m_vorher.cursor, true);
    m_gemacht = false;
}

void Handeingabe::redo() {
    if (std::exchange(m_gemacht, true))
        return;
    const Aenderung& a = m_aenderung;
    m_editor.rollentextErsetzen(a.von, ende(a.von, a.alterRollentext()), a.neuerRollentext());
    m_editor.cursorSetzen(ende(a.von, a.neu));
}

int Handeingabe::id() const {
    return m_art == Art::Tippen || m_art == Art::Loeschen ? static_cast<int>(m_art) : -1;
}

// Typing on where the typing before ended, with nothing selected, continues its step; so does
// deleting on where the deleting before was, forwards or backwards. The step keeps whether the
// first found the roll empty and whether the last left it so.
bool Handeingabe::mergeWith(const QUndoCommand* anderer) {
    const auto& weiter = static_cast<const Handeingabe&>(*anderer).m_aenderung;
    Aenderung& bisher = m_aenderung;
    const auto umbruch = [](const QString& text) {
        return text.contains(QLatin1Char('\n'));
    };
    if (bisher.liessLeer || weiter.fandLeer)
        return false;
    if (m_art == Art::Tippen) {
        if (!weiter.alt.isEmpty() || umbruch(weiter.neu) ||
            weiter.von != ende(bisher.von, bisher.neu))
            return false;
        bisher.neu += weiter.neu;
    } else if (umbruch(weiter.alt) || umbruch(bisher.alt)) {
        return false;
    } else if (weiter.von == bisher.von) {
        bisher.alt += weiter.alt;
    } else if (ende(weiter.von, weiter.alt) == bisher.von) {
        bisher.von = weiter.von;
        bisher.alt = weiter.alt + bisher.alt;
    } else {
        return false;
    }
    bisher.liessLeer = weiter.liessLeer;
    return true;
}
