#pragma once

#include "rechner/fenster/rolleneditor.h"

#include <QUndoCommand>

// One hand edit of the roll copy as the undo history keeps it: at a place, a text gave way to
// another (line breaks as LF). Undone, the old text comes back with the selection there was;
// redone, the new text with the cursor after it. Both go through the editor's one edit.
// As in Qt's text fields, consecutive typed characters merge into one step, and so do
// characters deleted one after the other with Backspace or Delete; a line break is a step of
// its own.
class Handeingabe : public QUndoCommand {
public:
    using Stelle = RollenFlaeche::Stelle;
    using Art = RollenEditor::Bearbeitung;
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
    Handeingabe(RollenEditor& editor, Aenderung aenderung, Auswahl vorher, Art art)
        : m_editor(editor), m_aenderung(std::move(aenderung)), m_vorher(vorher), m_art(art) {}

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* anderer) override;

private:
    // Where a text put at a place ends.
    static Stelle ende(Stelle von, const QString& text);
    void ersetzen(Stelle von, const QString& alt, const QString& neu);

    RollenEditor& m_editor;
    Aenderung m_aenderung;
    Auswahl m_vorher;
    Art m_art;
    bool m_gemacht = true;
};
