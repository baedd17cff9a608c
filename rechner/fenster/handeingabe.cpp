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

// Typing on where the typing before ended, with nothing selected, continues its step.
bool Handeingabe::mergeWith(const QUndoCommand* anderer) {
    const auto& weiter = static_cast<const Handeingabe&>(*anderer).m_aenderung;
    if (!weiter.alt.isEmpty() || weiter.von != ende(m_aenderung.von, m_aenderung.neu) ||
        weiter.neu.contains(QLatin1Char('\n')) || m_aenderung.neu.contains(QLatin1Char('\n')))
        return false;
    m_aenderung.neu += weiter.neu;
    return true;
}
