#pragma once

#include "rechner/kern/rolle.h"

#include <QPlainTextEdit>

// The editable roll view of the administration window: right-aligned bold lines, vertical
// scroll bar only, lines wrapped. One text block stands for one roll line (the empty roll
// shows one empty block). Appends from the model are added at the end, a replaced roll is
// shown anew when the view is next in sight, and a hand edit writes back only the lines it
// touched. After every change it scrolls to the last line once the current event is handled.
class RollenEditor : public QPlainTextEdit, public RollenBeobachter {
public:
    RollenEditor(Rolle& rolle, QWidget* eltern);
    ~RollenEditor() override;

    void vorAnhaengen(qsizetype erste, qsizetype anzahl) override;
    void nachAnhaengen() override;
    void vorErsetzen() override {}
    void nachErsetzen() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void insertFromMimeData(const QMimeData* quelle) override;

private:
    void ausRolleZeigen();
    // Before the user edits, the view shows the roll as it is now.
    void aktualisieren();
    void handeingabe(int position, int entfernt, int hinzugefuegt);
    void alleZeilenUebernehmen();
    void zumEndeEinreihen();

    Rolle& m_rolle;
    qsizetype m_ersteNeue = 0;
    int m_bloecke = 1; // the document's blocks as the roll knows them
    bool m_zeigtModell = false;
    bool m_veraltet = false; // the roll changed while the view was out of sight
    bool m_scrollAngefordert = false;
};
