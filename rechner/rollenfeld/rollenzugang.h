#pragma once

// How screen readers read the two roll views: the accessible interface of the main window's
// roll (read only) and of the administration window's roll copy (editable while the window is
// unlocked). Their text is the roll's lines joined by one line break ("\n"); the empty roll is
// the empty text. Everything is served from the roll's lines and its counts of line lengths:
// only the range asked for is put together, never the text of a long roll.

#include "rechner/rollenfeld/rollenflaeche.h"

#include <QAccessibleWidget>
#include <utility>

class RollenEditor;

class RollenZugang : public QAccessibleWidget,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface {
public:
    using Stelle = RollenFlaeche::Stelle;
    // The cursor and the anchor of the selection.
    struct Stand {
        Stelle cursor;
        Stelle anker;
        bool operator==(const Stand&) const = default;
    };

    explicit RollenZugang(RollenFlaeche* ansicht);

    // Lets Qt ask this class for a roll view's interface; every view calls it when it is made.
    static void einrichten(RollenFlaeche* ansicht);

    void* interface_cast(QAccessible::InterfaceType art) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text art) const override;
    // The text is all there is: a point in the view is a place in the text, not a child.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // The roll copy has one selection; the main view has none and its cursor stands at the
    // end, where the next line is written.
    void selection(int nummer, int* von, int* bis) const override;
    int selectionCount() const override;
    void addSelection(int von, int bis) override;
    void removeSelection(int nummer) override;
    void setSelection(int nummer, int von, int bis) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;

    QString text(int von, int bis) const override;
    QString textBeforeOffset(int position, QAccessible::TextBoundaryType art, int* von,
                             int* bis) const override;
    QString textAfterOffset(int position, QAccessible::TextBoundaryType art, int* von,
                            int* bis) const override;
    QString textAtOffset(int position, QAccessible::TextBoundaryType art, int* von,
                         int* bis) const override;
    int characterCount() const override;

    QRect characterRect(int position) const override;
    int offsetAtPoint(const QPoint& punkt) const override;
    void scrollToSubstring(int von, int bis) override;
    QString attributes(int position, int* von, int* bis) const override;

    // Hand edits of the roll copy while it is enabled, made as typing makes them.
    void deleteText(int von, int bis) override;
    void insertText(int position, const QString& text) override;
    void replaceText(int von, int bis, const QString& text) override;

    RollenFlaeche* ansicht() const;
    // The roll copy's editor; none for the main view.
    RollenEditor* editor() const;
    // A position as Qt's interfaces count, in int: one past their reach is their end.
    static int alsPosition(qsizetype position);
    int position(Stelle stelle) const;
    Stelle stelle(int position) const;
    Stand stand() const;
    // Notes the cursor and the selection as now told to screen readers; gives what was told
    // before, so that only what changed is told.
    Stand standAlsGemeldet() { return std::exchange(m_gemeldet, stand()); }
    // The text's length before the roll is replaced, noted while its old lines are there: a
    // new roll is told as the old text removed and the new inserted.
    void laengeVormerken() { m_laengeVorher = characterCount(); }
    int laengeVorher() const { return m_laengeVorher; }

private:
    enum class Richtung { Davor, Darauf, Danach };
    QString umgebung(Richtung richtung, int position, QAccessible::TextBoundaryType art, int* von,
                     int* bis) const;
    const Rolle& rolle() const { return ansicht()->rolle(); }

    Stand m_gemeldet;
    int m_laengeVorher = 0;
};
