#include "rechner/fenster/rolleneditor.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

RollenEditor::RollenEditor(Rolle& rolle, QWidget* eltern) : QPlainTextEdit(eltern), m_rolle(rolle) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    setFont(schrift);
    QTextOption rechts = document()->defaultTextOption();
    rechts.setAlignment(Qt::AlignRight);
    rechts.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(rechts);
    ausRolleZeigen();
    m_rolle.setBeobachter(this);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int entfernt, int hinzugefuegt) {
                if (!m_zeigtModell)
                    handeingabe(position, entfernt, hinzugefuegt);
            });
}

RollenEditor::~RollenEditor() {
    m_rolle.setBeobachter(nullptr);
}

void RollenEditor::vorAnhaengen(qsizetype erste, qsizetype) {
    m_ersteNeue = erste;
}

// Only the new lines are inserted, so an append costs what the piece costs.
void RollenEditor::nachAnhaengen() {
    if (m_veraltet || !isVisible()) {
        m_veraltet = true;
        return;
    }
    const QStringList neu = m_rolle.zeilen().mid(m_ersteNeue);
    m_zeigtModell = true;
    QTextCursor ende(document());
    ende.movePosition(QTextCursor::End);
    ende.insertText((m_ersteNeue > 0 ? QStringLiteral("\n") : QString()) +
                    neu.join(QLatin1Char('\n')));
    m_zeigtModell = false;
    m_bloecke = document()->blockCount();
    zumEndeEinreihen();
}

// A long roll takes seconds to lay out; it is shown when the view is next in sight.
void RollenEditor::nachErsetzen() {
    m_veraltet = true;
    if (isVisible())
        ausRolleZeigen();
    zumEndeEinreihen();
}

void RollenEditor::aktualisieren() {
    if (m_veraltet)
        ausRolleZeigen();
}

void RollenEditor::focusInEvent(QFocusEvent* ereignis) {
    aktualisieren();
    QPlainTextEdit::focusInEvent(ereignis);
}

void RollenEditor::insertFromMimeData(const QMimeData* quelle) {
    aktualisieren();
    QPlainTextEdit::insertFromMimeData(quelle);
}

void RollenEditor::showEvent(QShowEvent* ereignis) {
    aktualisieren();
    QPlainTextEdit::showEvent(ereignis);
    zumEndeEinreihen();
}

// Shift+Enter would put a line separator inside a block; here every new line is a roll line.
void RollenEditor::keyPressEvent(QKeyEvent* ereignis) {
    aktualisieren();
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
        ereignis->modifiers() & Qt::ShiftModifier) {
        textCursor().insertBlock();
        return;
    }
    QPlainTextEdit::keyPressEvent(ereignis);
}

void RollenEditor::ausRolleZeigen() {
    m_zeigtModell = true;
    setPlainText(m_rolle.zeilen().join(QLatin1Char('\n')));
    m_zeigtModell = false;
    m_bloecke = document()->blockCount();
    m_veraltet = false;
}

// A hand edit replaces the roll lines of the blocks it touched by their new text: the blocks
// from the one holding the change's start to the one holding its end, against as many old lines
// as the block count says. The empty roll and the emptied view are taken whole.
void RollenEditor::handeingabe(int position, int, int hinzugefuegt) {
    const int alteBloecke = m_bloecke;
    m_bloecke = document()->blockCount();
    if (m_rolle.anzahl() == 0 || document()->isEmpty() || m_rolle.anzahl() != alteBloecke)
        return alleZeilenUebernehmen();
    QTextBlock block = document()->findBlock(position);
    QTextBlock letzter = document()->findBlock(position + hinzugefuegt);
    if (!letzter.isValid())
        letzter = document()->lastBlock();
    const int erster = block.blockNumber();
    const int alteAnzahl = letzter.blockNumber() - erster + 1 - (m_bloecke - alteBloecke);
    QStringList neu;
    for (; block.isValid() && block.blockNumber() <= letzter.blockNumber(); block = block.next())
        neu.append(block.text());
    m_rolle.setBeobachter(nullptr);
    m_rolle.bereichErsetzen(erster, alteAnzahl, neu);
    m_rolle.setBeobachter(this);
    zumEndeEinreihen();
}

void RollenEditor::alleZeilenUebernehmen() {
    QStringList zeilen;
    if (!document()->isEmpty()) {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
            zeilen.append(block.text());
    }
    m_rolle.setBeobachter(nullptr);
    m_rolle.ersetzen(zeilen);
    m_rolle.setBeobachter(this);
    m_bloecke = document()->blockCount();
    zumEndeEinreihen();
}

void RollenEditor::zumEndeEinreihen() {
    if (m_scrollAngefordert)
        return;
    m_scrollAngefordert = true;
    QTimer::singleShot(0, this, [this] {
        m_scrollAngefordert = false;
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    });
}
