// The roll copy's editor: keys, mouse, input methods and the edit menu.
#include "rechner/fenster/rolleneditor.h"

#include "rechner/fenster/rollenmeldung.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <functional>

namespace {

// Typed text, not a shortcut: AltGr arrives as Ctrl+Alt on some systems and still types.
bool getippt(const QKeyEvent* ereignis) {
    const QString text = ereignis->text();
    const Qt::KeyboardModifiers tasten = ereignis->modifiers();
    if (text.isEmpty() || ((tasten & Qt::ControlModifier) && !(tasten & Qt::AltModifier)))
        return false;
    if (text == QLatin1String("\t"))
        return true;
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar zeichen) { return zeichen.isPrint() || zeichen.isSurrogate(); });
}

bool istBlank(QChar zeichen) {
    return zeichen.isSpace();
}

} // namespace

bool RollenEditor::schrittTaste(QKeyEvent* ereignis) {
    using K = QKeySequence;
    static const struct {
        K::StandardKey taste;
        Schritt schritt;
        bool auswaehlen;
    } tasten[] = {
        {K::MoveToNextChar, Schritt::ZeichenVor, false},
        {K::SelectNextChar, Schritt::ZeichenVor, true},
        {K::MoveToPreviousChar, Schritt::ZeichenZurueck, false},
        {K::SelectPreviousChar, Schritt::ZeichenZurueck, true},
        {K::MoveToNextWord, Schritt::WortVor, false},
        {K::SelectNextWord, Schritt::WortVor, true},
        {K::MoveToPreviousWord, Schritt::WortZurueck, false},
        {K::SelectPreviousWord, Schritt::WortZurueck, true},
        {K::MoveToNextLine, Schritt::ReiheAb, false},
        {K::SelectNextLine, Schritt::ReiheAb, true},
        {K::MoveToPreviousLine, Schritt::ReiheAuf, false},
        {K::SelectPreviousLine, Schritt::ReiheAuf, true},
        {K::MoveToNextPage, Schritt::SeiteAb, false},
        {K::SelectNextPage, Schritt::SeiteAb, true},
        {K::MoveToPreviousPage, Schritt::SeiteAuf, false},
        {K::SelectPreviousPage, Schritt::SeiteAuf, true},
        {K::MoveToStartOfLine, Schritt::ReihenAnfang, false},
        {K::SelectStartOfLine, Schritt::ReihenAnfang, true},
        {K::MoveToEndOfLine, Schritt::ReihenEnde, false},
        {K::SelectEndOfLine, Schritt::ReihenEnde, true},
        {K::MoveToStartOfDocument, Schritt::RollenAnfang, false},
        {K::SelectStartOfDocument, Schritt::RollenAnfang, true},
        {K::MoveToEndOfDocument, Schritt::RollenEnde, false},
        {K::SelectEndOfDocument, Schritt::RollenEnde, true},
    };
    for (const auto& eintrag : tasten) {
        if (ereignis->matches(eintrag.taste)) {
            schreiten(eintrag.schritt, eintrag.auswaehlen);
            return true;
        }
    }
    return false;
}

void RollenEditor::keyPressEvent(QKeyEvent* ereignis) {
    const bool loeschtZurueck =
        ereignis->key() == Qt::Key_Backspace && !(ereignis->modifiers() & ~Qt::ShiftModifier);
    if (ereignis->matches(QKeySequence::SelectAll))
        allesAuswaehlen();
    else if (ereignis->matches(QKeySequence::Copy))
        kopieren();
    else if (ereignis->matches(QKeySequence::Cut))
        ausschneiden();
    else if (ereignis->matches(QKeySequence::Paste))
        einfuegen();
    // Enter, with Shift too, ends the line: every line of the view is a roll line.
    else if (ereignis->matches(QKeySequence::InsertParagraphSeparator) ||
             ereignis->matches(QKeySequence::InsertLineSeparator))
        eingeben(QStringLiteral("\n"));
    else if (ereignis->matches(QKeySequence::Delete))
        loeschen(true);
    else if (loeschtZurueck)
        loeschen(false);
    else if (!schrittTaste(ereignis)) {
        if (!getippt(ereignis)) {
            ereignis->ignore();
            return;
        }
        eingeben(ereignis->text());
    }
    ereignis->accept();
}

// Tab types a TAB, as in a text field that takes tabs.
bool RollenEditor::focusNextPrevChild(bool) {
    return false;
}

void RollenEditor::schreiten(Schritt schritt, bool auswaehlen) {
    const bool senkrecht = schritt == Schritt::ReiheAb || schritt == Schritt::ReiheAuf ||
                           schritt == Schritt::SeiteAb || schritt == Schritt::SeiteAuf;
    if (!senkrecht)
        m_zielX = -1;
    const auto [von, bis] = geordnet();
    // Left or right on a selection lands on its edge.
    Stelle nach = ziel(schritt);
    if (!auswaehlen && von != bis && schritt == Schritt::ZeichenZurueck)
        nach = von;
    if (!auswaehlen && von != bis && schritt == Schritt::ZeichenVor)
        nach = bis;
    if (schritt == Schritt::SeiteAb || schritt == Schritt::SeiteAuf)
        scrollenUm(schritt == Schritt::SeiteAb ? sichtbareReihen() : -sichtbareReihen());
    m_cursor = nach;
    if (!auswaehlen)
        m_anker = nach;
    cursorZeigen();
    viewport()->update();
    rollenmeldung::cursorBewegt(this);
}

RollenEditor::Stelle RollenEditor::ziel(Schritt schritt) {
    const QTextLine reihe =
        satz(m_cursor.zeile)->lineForTextPosition(static_cast<int>(m_cursor.spalte));
    const qsizetype letzte = zeilenzahl() - 1;
    switch (schritt) {
    case Schritt::ZeichenVor:
    case Schritt::ZeichenZurueck:
        return zeichenweise(m_cursor, schritt == Schritt::ZeichenVor, QTextLayout::SkipCharacters);
    case Schritt::WortVor:
    case Schritt::WortZurueck:
        return zeichenweise(m_cursor, schritt == Schritt::WortVor, QTextLayout::SkipWords);
    case Schritt::ReiheAb:
        return reihenweise(m_cursor, 1);
    case Schritt::ReiheAuf:
        return reihenweise(m_cursor, -1);
    case Schritt::SeiteAb:
        return reihenweise(m_cursor, sichtbareReihen());
    case Schritt::SeiteAuf:
        return reihenweise(m_cursor, -sichtbareReihen());
    case Schritt::ReihenAnfang:
        return {m_cursor.zeile, reihe.textStart()};
    case Schritt::ReihenEnde: {
        // A row broken at blanks ends before them.
        const QString text = zeilentext(m_cursor.zeile);
        qsizetype ende = reihe.textStart() + reihe.textLength();
        if (reihe.lineNumber() + 1 < satz(m_cursor.zeile)->lineCount())
            while (ende > reihe.textStart() && text[ende - 1] == u' ')
                --ende;
        return {m_cursor.zeile, ende};
    }
    case Schritt::RollenAnfang:
        return {};
    case Schritt::RollenEnde:
        return {letzte, zeilenlaenge(letzte)};
    }
    return m_cursor;
}

RollenEditor::Stelle RollenEditor::zeichenweise(Stelle stelle, bool vor,
                                                QTextLayout::CursorMode art) {
    const int spalte = static_cast<int>(stelle.spalte);
    if (vor && stelle.spalte < zeilenlaenge(stelle.zeile))
        return {stelle.zeile, satz(stelle.zeile)->nextCursorPosition(spalte, art)};
    if (vor)
        return stelle.zeile + 1 < zeilenzahl() ? Stelle{stelle.zeile + 1, 0} : stelle;
    if (stelle.spalte > 0)
        return {stelle.zeile, satz(stelle.zeile)->previousCursorPosition(spalte, art)};
    return stelle.zeile > 0 ? Stelle{stelle.zeile - 1, zeilenlaenge(stelle.zeile - 1)} : stelle;
}

// Up and down keep the cursor's distance from the left edge; beyond the first or the last row
// they go to the start or the end of the roll.
RollenEditor::Stelle RollenEditor::reihenweise(Stelle stelle, qsizetype reihen) {
    const int spalte = static_cast<int>(stelle.spalte);
    const QTextLine reihe = satz(stelle.zeile)->lineForTextPosition(spalte);
    if (m_zielX < 0)
        m_zielX = reihe.cursorToX(spalte);
    const Reihe von{stelle.zeile, reihe.lineNumber()};
    const Reihe nach = verschoben(von, reihen);
    if (nach == von) {
        const qsizetype letzte = zeilenzahl() - 1;
        return reihen > 0 ? Stelle{letzte, zeilenlaenge(letzte)} : Stelle{};
    }
    return {nach.zeile, satz(nach.zeile)->lineAt(static_cast<int>(nach.reihe)).xToCursor(m_zielX)};
}

void RollenEditor::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton)
        return;
    cursorSetzen(stelleBei(ereignis->position().toPoint()),
                 ereignis->modifiers() & Qt::ShiftModifier);
}

// Dragging past the top or the bottom scrolls a row at each move.
void RollenEditor::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!(ereignis->buttons() & Qt::LeftButton))
        return;
    const QPoint punkt = ereignis->position().toPoint();
    if (punkt.y() < 0)
        scrollenUm(-1);
    else if (punkt.y() >= viewport()->height())
        scrollenUm(1);
    cursorSetzen(stelleBei(punkt), true);
}

void RollenEditor::mouseReleaseEvent(QMouseEvent* ereignis) {
    ereignis->setAccepted(ereignis->button() == Qt::LeftButton);
}

// A double click selects the blank-free run of characters under the mouse.
void RollenEditor::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton)
        return;
    const Stelle stelle = stelleBei(ereignis->position().toPoint());
    const QString text = zeilentext(stelle.zeile);
    qsizetype anfang = stelle.spalte;
    qsizetype ende = stelle.spalte;
    while (anfang > 0 && !istBlank(text[anfang - 1]))
        --anfang;
    while (ende < text.size() && !istBlank(text[ende]))
        ++ende;
    cursorSetzen({stelle.zeile, anfang});
    cursorSetzen({stelle.zeile, ende}, true);
}

void RollenEditor::focusInEvent(QFocusEvent* ereignis) {
    RollenFlaeche::focusInEvent(ereignis);
    viewport()->update();
}

void RollenEditor::focusOutEvent(QFocusEvent* ereignis) {
    RollenFlaeche::focusOutEvent(ereignis);
    viewport()->update();
}

void RollenEditor::inputMethodEvent(QInputMethodEvent* ereignis) {
    if (!ereignis->commitString().isEmpty())
        eingeben(ereignis->commitString());
    ereignis->accept();
}

QVariant RollenEditor::inputMethodQuery(Qt::InputMethodQuery abfrage) const {
    switch (abfrage) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
        return m_cursorFeld;
    default:
        return RollenFlaeche::inputMethodQuery(abfrage);
    }
}

void RollenEditor::contextMenuEvent(QContextMenuEvent* ereignis) {
    QMenu* menue = bearbeitenMenue();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(ereignis->globalPos());
}

// The entries of a text field's own menu, in the toolkit's German words; undo is not offered.
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
    eintrag("Cu&t", QKeySequence::Cut, markiert, [this] { ausschneiden(); });
    eintrag("&Copy", QKeySequence::Copy, markiert, [this] { kopieren(); });
    eintrag("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { einfuegen(); });
    eintrag("Delete", QKeySequence::UnknownKey, markiert, [this] { eingeben({}); });
    menue->addSeparator();
    eintrag("Select All", QKeySequence::SelectAll, true, [this] { allesAuswaehlen(); });
    return menue;
}
