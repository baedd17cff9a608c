#include "rechner/fenster/rollenmeldung.h"

#include "rechner/fenster/rolleneditor.h"
#include "rechner/fenster/rollenzugang.h"

namespace rollenmeldung {

namespace {

QAccessible::UpdateHandler hoererFuerTests = nullptr;

// A longer piece is told as a new roll: a screen reader speaks a line, not a book, and the
// piece would cross the bus whole.
constexpr int laengstesStueck = 1 << 16;

void senden(QAccessibleEvent& ereignis) {
    if (hoererFuerTests)
        hoererFuerTests(&ereignis);
    else
        QAccessible::updateAccessibility(&ereignis);
}

RollenZugang* zugangVon(RollenFlaeche* ansicht) {
    return dynamic_cast<RollenZugang*>(QAccessible::queryAccessibleInterface(ansicht));
}

// The selected range; every empty selection is the same.
std::pair<RollenFlaeche::Stelle, RollenFlaeche::Stelle> auswahl(const RollenZugang::Stand& stand) {
    if (stand.cursor == stand.anker)
        return {};
    return std::minmax(stand.cursor, stand.anker);
}

// Tells what changed of the cursor and the selection since they were last told; with
// `cursorImmer` the cursor in any case, since the text around it is new.
void standMelden(RollenFlaeche* ansicht, bool cursorImmer) {
    RollenZugang* zugang = zugangVon(ansicht);
    if (!zugang)
        return;
    const RollenZugang::Stand vorher = zugang->standAlsGemeldet();
    const RollenZugang::Stand jetzt = zugang->stand();
    const int cursor = zugang->cursorPosition();
    if (auswahl(vorher) != auswahl(jetzt)) {
        int von = cursor;
        int bis = cursor;
        if (zugang->selectionCount() > 0)
            zugang->selection(0, &von, &bis);
        QAccessibleTextSelectionEvent ereignis(ansicht, von, bis);
        ereignis.setCursorPosition(cursor);
        senden(ereignis);
    }
    if (cursorImmer || vorher.cursor != jetzt.cursor) {
        QAccessibleTextCursorEvent ereignis(ansicht, cursor);
        senden(ereignis);
    }
}

} // namespace

bool gehoert() {
    return hoererFuerTests || QAccessible::isActive();
}

QAccessible::UpdateHandler mithoeren(QAccessible::UpdateHandler hoerer) {
    return std::exchange(hoererFuerTests, hoerer);
}

// The lines come after the break that now ends the line before them.
void angehaengt(RollenFlaeche* ansicht, qsizetype ersteZeile) {
    if (!gehoert())
        return;
    RollenZugang* zugang = zugangVon(ansicht);
    if (!zugang)
        return;
    const int position = RollenZugang::alsPosition(
        ersteZeile == 0 ? 0 : ansicht->rolle().zeilenanfang(ersteZeile) - 1);
    const int ende = zugang->characterCount();
    // Lines past what Qt's interfaces count change nothing they can read.
    if (position == ende)
        return;
    if (qsizetype{ende} - position > laengstesStueck)
        return neuGefuellt(ansicht);
    QAccessibleTextInsertEvent ereignis(ansicht, position, zugang->text(position, ende));
    ereignis.setCursorPosition(zugang->cursorPosition());
    senden(ereignis);
}

void neuGefuellt(RollenFlaeche* ansicht) {
    if (gehoert())
        standMelden(ansicht, true);
}

void zustandGeaendert(RollenFlaeche* ansicht) {
    if (!gehoert() || !dynamic_cast<RollenEditor*>(ansicht))
        return;
    QAccessible::State geaendert;
    geaendert.editable = true;
    geaendert.readOnly = true;
    QAccessibleStateChangeEvent ereignis(ansicht, geaendert);
    senden(ereignis);
}

void cursorBewegt(RollenEditor* editor) {
    if (gehoert())
        standMelden(editor, false);
}

Bearbeitung::Bearbeitung(RollenEditor* editor, RollenFlaeche::Stelle von, RollenFlaeche::Stelle bis)
    : m_editor(editor), m_gehoert(gehoert()) {
    const RollenZugang* zugang = m_gehoert ? zugangVon(editor) : nullptr;
    if (!zugang) {
        m_gehoert = false;
        return;
    }
    m_position = zugang->position(von);
    const int ende = zugang->position(bis);
    m_zuLang = qsizetype{ende} - m_position > laengstesStueck;
    if (!m_zuLang)
        m_entfernt = zugang->text(m_position, ende);
}

void Bearbeitung::gemacht(RollenFlaeche::Stelle ende) const {
    const RollenZugang* zugang = m_gehoert ? zugangVon(m_editor) : nullptr;
    if (!zugang)
        return;
    const int bis = zugang->position(ende);
    if (m_zuLang || qsizetype{bis} - m_position > laengstesStueck)
        return neuGefuellt(m_editor);
    const QString eingefuegt = zugang->text(m_position, bis);
    if (eingefuegt.isEmpty() && m_entfernt.isEmpty())
        return;
    if (m_entfernt.isEmpty()) {
        QAccessibleTextInsertEvent ereignis(m_editor, m_position, eingefuegt);
        senden(ereignis);
    } else if (eingefuegt.isEmpty()) {
        QAccessibleTextRemoveEvent ereignis(m_editor, m_position, m_entfernt);
        senden(ereignis);
    } else {
        QAccessibleTextUpdateEvent ereignis(m_editor, m_position, m_entfernt, eingefuegt);
        senden(ereignis);
    }
}

} // namespace rollenmeldung
