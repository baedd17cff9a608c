// The roll copy's editor: the mouse and the edit menu.
#include "rechner/rollenfeld/rolleneditor.h"

#include "rechner/rollenfeld/textgrenzen.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>
#include <functional>

void RollenEditor::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton)
        return;
    einschubFestlegen();
    const QPoint punkt = ereignis->position().toPoint();
    const auto doppelklick = std::exchange(m_doppelklick, std::nullopt);
    const bool dritterKlick =
        doppelklick &&
        ereignis->timestamp() - doppelklick->first <
            static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
        (punkt - doppelklick->second).manhattanLength() <= QApplication::startDragDistance();
    if (dritterKlick)
        zeileAuswaehlen(punkt);
    else
        cursorSetzen(stelleBei(punkt), ereignis->modifiers() & Qt::ShiftModifier);
}

// Dragging selects; past the top or the bottom the view scrolls at once and then on a timer
// while the button is held, faster the farther the mouse is.
void RollenEditor::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!(ereignis->buttons() & Qt::LeftButton))
        return;
    m_ziehpunkt = ereignis->position().toPoint();
    const bool draussen = m_ziehpunkt.y() < 0 || m_ziehpunkt.y() >= viewport()->height();
    if (draussen && !m_rollTakt.isActive()) {
        m_rollTakt.start();
        rollTakt();
        return;
    }
    if (!draussen)
        m_rollTakt.stop();
    ziehen(m_ziehpunkt);
}

void RollenEditor::rollTakt() {
    const int hoehe = viewport()->height();
    const int y = m_ziehpunkt.y();
    const int ueber = y < 0 ? y : std::max(0, y - hoehe + 1);
    if (ueber == 0) {
        m_rollTakt.stop();
        return;
    }
    const qsizetype reihen =
        std::min<qsizetype>(1 + std::abs(ueber) / reihenhoehe(), sichtbareReihen());
    scrollenUm(ueber < 0 ? -reihen : reihen);
    ziehen(m_ziehpunkt);
}

// Past the edge, the selection ends in the row at the edge; the timer does the scrolling.
void RollenEditor::ziehen(QPoint punkt) {
    const int unten = std::max(0, sichtbareReihen() * reihenhoehe() - 1);
    punkt.setY(std::clamp(punkt.y(), 0, unten));
    cursorSetzen(stelleBei(punkt), true);
}

void RollenEditor::mouseReleaseEvent(QMouseEvent* ereignis) {
    m_rollTakt.stop();
    ereignis->setAccepted(ereignis->button() == Qt::LeftButton);
}

// A double click selects the word, the run of blanks or the sign under the mouse; a third click
// soon after selects the line.
void RollenEditor::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton)
        return;
    wortAuswaehlen(ereignis->position().toPoint());
    m_doppelklick = std::pair(ereignis->timestamp(), ereignis->position().toPoint());
}

void RollenEditor::wortAuswaehlen(QPoint punkt) {
    const Stelle stelle = stelleBei(punkt);
    const auto [anfang, ende] = textgrenzen::wortBei(zeilentext(stelle.zeile), stelle.spalte);
    cursorSetzen({stelle.zeile, anfang});
    cursorSetzen({stelle.zeile, ende}, true);
}

// The line with its break, so that deleting the selection takes the line away.
void RollenEditor::zeileAuswaehlen(QPoint punkt) {
    const qsizetype zeile = stelleBei(punkt).zeile;
    cursorSetzen({zeile, 0});
    cursorSetzen(
        zeile + 1 < zeilenzahl() ? Stelle{zeile + 1, 0} : Stelle{zeile, zeilenlaenge(zeile)}, true);
}

void RollenEditor::focusInEvent(QFocusEvent* ereignis) {
    RollenFlaeche::focusInEvent(ereignis);
    viewport()->update();
}

void RollenEditor::focusOutEvent(QFocusEvent* ereignis) {
    einschubFestlegen();
    RollenFlaeche::focusOutEvent(ereignis);
    m_rollTakt.stop();
    viewport()->update();
}

void RollenEditor::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu* menue = bearbeitenMenue();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(ereignis->globalPos());
}

// The entries of a text field's own menu, in the toolkit's German words.
QMenu* RollenEditor::bearbeitenMenue() {
    auto* menue = new QMenu(this);
    const bool markiert = m_anker != m_cursor;
    const auto eintrag = [this, menue](const char* text, QKeySequence::StandardKey taste, bool frei,
                                       const std::function<void()>& wirkung) {
        QString titel = QCoreApplication::translate("QWidgetTextControl", text);
        if (taste != QKeySequence::UnknownKey)
            titel += QLatin1Char('\t') + QKeySequence(taste).toString(QKeySequence::NativeText);
        menue->addAction(titel, this, wirkung)->setEnabled(frei);
    };
    eintrag("&Undo", QKeySequence::Undo, m_verlauf.canUndo(), [this] { rueckgaengig(); });
    eintrag("&Redo", QKeySequence::Redo, m_verlauf.canRedo(), [this] { wiederholen(); });
    menue->addSeparator();
    eintrag("Cu&t", QKeySequence::Cut, markiert, [this] { ausschneiden(); });
    eintrag("&Copy", QKeySequence::Copy, markiert, [this] { kopieren(); });
    eintrag("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { einfuegen(); });
    eintrag("Delete", QKeySequence::UnknownKey, markiert, [this] { eingeben({}); });
    menue->addSeparator();
    eintrag("Select All", QKeySequence::SelectAll, true, [this] { allesAuswaehlen(); });
    return menue;
}
