#include "rechner/rollenfeld/rollenmeldung.h"

#include "rechner/rollenfeld/rolleneditor.h"
#include "rechner/rollenfeld/rollenzugang.h"

namespace rollenmeldung {

namespace {

QAccessible::UpdateHandler hoererFuerTests = nullptr;

// A longer piece that an edit takes away is told by its length, in blanks, as Qt's text
// controls tell every one: noting its text before the edit would cost its length.
constexpr int LaengstesStueck = 1 << 16;

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

// As Qt's text controls tell a change of their text: an insert, a removal or both in one event,
// with the place the cursor is left at.
void aenderungMelden(QObject* ansicht, int position, const QString& entfernt,
                     const QString& eingefuegt, int cursor) {
    if (entfernt.isEmpty() && eingefuegt.isEmpty())
        return;
    if (entfernt.isEmpty()) {
        QAccessibleTextInsertEvent ereignis(ansicht, position, eingefuegt);
        ereignis.setCursorPosition(cursor);
        senden(ereignis);
    } else if (eingefuegt.isEmpty()) {
        QAccessibleTextRemoveEvent ereignis(ansicht, position, entfernt);
        ereignis.setCursorPosition(cursor);
        senden(ereignis);
    } else {
        QAccessibleTextUpdateEvent ereignis(ansicht, position, entfernt, eingefuegt);
        ereignis.setCursorPosition(cursor);
        senden(ereignis);
    }
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
    aenderungMelden(ansicht, position, {}, zugang->text(position, zugang->characterCount()),
                    zugang->cursorPosition());
}

void vorDemErsetzen(RollenFlaeche* ansicht) {
    if (!gehoert())
        return;
    if (RollenZugang* zugang = zugangVon(ansicht))
        zugang->laengeVormerken();
}

// The new text is put together once, for the one event that carries it.
void neuGefuellt(RollenFlaeche* ansicht) {
    if (!gehoert())
        return;
    RollenZugang* zugang = zugangVon(ansicht);
    if (!zugang)
        return;
    aenderungMelden(ansicht, 0, QString(zugang->laengeVorher(), u' '),
                    zugang->text(0, zugang->characterCount()), zugang->cursorPosition());
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
    m_entfernt = qsizetype{ende} - m_position > LaengstesStueck ? QString(ende - m_position, u' ')
                                                                : zugang->text(m_position, ende);
}

void Bearbeitung::gemacht(RollenFlaeche::Stelle ende) const {
    const RollenZugang* zugang = m_gehoert ? zugangVon(m_editor) : nullptr;
    if (!zugang)
        return;
    const int bis = zugang->position(ende);
    aenderungMelden(m_editor, m_position, m_entfernt, zugang->text(m_position, bis), bis);
}

} // namespace rollenmeldung
