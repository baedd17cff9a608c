#pragma once

#include "rechner/rollenfeld/rolleneditor.h"

#include <QUndoCommand>

// One hand edit of the roll copy as the undo history keeps it: at a place, a text gave way to
// another (line breaks as LF). Undone, the old text comes back with the selection there was;
// redone, the new text with the cursor after it.
// As in Qt's text fields, consecutive typed characters merge into one step, and so do
// characters deleted one after the other with Backspace or Delete; a line break is a step of
// its own.
//
// Undo and redo work on the roll's text in which every line ends with its break, where the
// lines the calculator appends only ever add text after the end: the places and texts a step
// keeps still hold there whatever was appended since, and its appended lines stay lines of their
// own after it. The empty roll is the empty text, but the view shows it as one empty line, so an
// edit that filled the empty roll also made the break after its last line, and one that emptied
// the roll took that break away; the step keeps which, and undoes and redoes the break with it.
class Handeingabe : public QUndoCommand {
public:
    using Stelle = RollenFlaeche::Stelle;
    using Art = RollenEditor::Bearbeitung;
    struct Aenderung {
        Stelle von;
        QString alt;            // as the view showed it
        QString neu;            // as the view shows it
        bool fandLeer = false;  // the roll was empty before
        bool liessLeer = false; // the roll was empty after

        // The texts in the roll's text, with the break the edit made or took.
        QString alterRollentext() const { return liessLeer ? alt + QLatin1Char('\n') : alt; }
        QString neuerRollentext() const { return fandLeer ? neu + QLatin1Char('\n') : neu; }
    };
    struct Auswahl {
        Stelle anker;
        Stelle cursor;
    };

    // The edit is already made: the first redo, which pushing it calls, does nothing.
    Handeingabe(RollenEditor& editor, Aenderung aenderung, Auswahl vorher, Art art)
        : m_editor(editor), m_aenderung(std::move(aenderung)), m_vorher(vorher), m_art(art) {}

    // Where a text put at a place ends.
    static Stelle ende(Stelle von, const QString& text);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* anderer) override;

private:
    RollenEditor& m_editor;
    Aenderung m_aenderung;
    Auswahl m_vorher;
    Art m_art;
    bool m_gemacht = true;
};
