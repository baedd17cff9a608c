#include "rechner/fenster/handeingabe.h"

#include <QScopedValueRollback>

Handeingabe::Stelle Handeingabe::ende(Stelle von, const QString& text) {
    const qsizetype umbruch = text.lastIndexOf(QLatin1Char('\n'));
    if (umbruch < 0)
        return {von.zeile, von.spalte + text.size()};
    return {von.zeile + text.count(QLatin1Char('\n')), text.size() - umbruch - 1};
}

void Handeingabe::ersetzen(Stelle von, const QString& alt, const QString& neu) {
    const QScopedValueRollback art(m_editor.m_bearbeitung, RollenEditor::Bearbeitung::AusVerlauf);
    m_editor.ersetzen(von, ende(von, alt), neu);
}

void Handeingabe::undo() {
    ersetzen(m_aenderung.von, m_aenderung.neu, m_aenderung.alt);
    m_editor.cursorSetzen(m_vorher.anker);
    m_editor.cursorSetzen(m_vorher.cursor, true);
    m_gemacht = false;
}

void Handeingabe::redo() {
    if (std::exchange(m_gemacht, true))
        return;
    ersetzen(m_aenderung.von, m_aenderung.alt, m_aenderung.neu);
}

int Handeingabe::id() const {
    return m_art == Art::Tippen || m_art == Art::Loeschen ? static_cast<int>(m_art) : -1;
}

// Typing on where the typing before ended, with nothing selected, continues its step; so does
// deleting on where the deleting before was, forwards or backwards.
bool Handeingabe::mergeWith(const QUndoCommand* anderer) {
    const auto& weiter = static_cast<const Handeingabe&>(*anderer).m_aenderung;
    Aenderung& bisher = m_aenderung;
    const auto umbruch = [](const QString& text) {
        return text.contains(QLatin1Char('\n'));
    };
    if (m_art == Art::Tippen) {
        if (!weiter.alt.isEmpty() || umbruch(weiter.neu) ||
            weiter.von != ende(bisher.von, bisher.neu))
            return false;
        bisher.neu += weiter.neu;
        return true;
    }
    if (umbruch(weiter.alt) || umbruch(bisher.alt))
        return false;
    if (weiter.von == bisher.von) {
        bisher.alt += weiter.alt;
        return true;
    }
    if (ende(weiter.von, weiter.alt) == bisher.von) {
        bisher.von = weiter.von;
        bisher.alt = weiter.alt + bisher.alt;
        return true;
    }
    return false;
}
