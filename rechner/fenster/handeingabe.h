#pragma once

#include "rechner/fenster/rolleneditor.h"

#include <QUndoCommand>

// One hand edit of the roll copy as the undo history keeps it: at a place, a text gave way to
// another (line breaks as LF). Undone, the old text comes back with the selection there was;
// redone, the new text with the cursor after it. Both go through the editor's one edit.
// Consecutive typed characters merge into one step.
class Handeingabe : public QUndoCommand {
public:
    using Stelle = RollenFlaeche::Stelle;
    struct Aenderung {
        Stelle von;
        QString alt;
        QString neu;
    };
    struct Auswahl {
        Stelle anker;
        Stelle cursor;
    };

    // The edit is already made: the first redo, which pushing it calls, does nothing.
    Handeingabe(RollenEditor& editor, Aenderung aenderung, Auswahl vorher, bool getippt)
        : m_editor(editor), m_aenderung(std::move(aenderung)), m_vorher(vorher),
          m_getippt(getippt) {}

    void undo() override;
    void redo() override;
    int id() const override { return m_getippt ? 1 : -1; }
    bool mergeWith(const QUndoCommand* anderer) override;

private:
    // Where a text put at a place ends.
    static Stelle ende(Stelle von, const QString& text);
    void ersetzen(Stelle von, const QString& alt, const QString& neu);

    RollenEditor& m_editor;
    Aenderung m_aenderung;
    Auswahl m_vorher;
    bool m_getippt;
    bool m_gemacht = true;
};
