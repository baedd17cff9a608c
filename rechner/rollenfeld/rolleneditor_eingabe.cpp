// The roll copy's editor and input methods: committed text goes through the one edit, text
// being composed is shown at the cursor but stays out of the roll, and the input method learns
// the current line around the cursor.
#include "rechner/rollenfeld/rolleneditor.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QTextCharFormat>

namespace {

// How much of the line around the cursor the input method is told, at most, on either side: a
// line of megabytes is not copied to it on every key.
constexpr qsizetype Umkreis = 1024;

// The composing text's look: the input method's formats, or underlined when it gives none.
QList<QTextLayout::FormatRange> einschubFormate(const QInputMethodEvent& ereignis) {
    QList<QTextLayout::FormatRange> formate;
    for (const QInputMethodEvent::Attribute& merkmal : ereignis.attributes()) {
        const QTextCharFormat format = qvariant_cast<QTextFormat>(merkmal.value).toCharFormat();
        if (merkmal.type == QInputMethodEvent::TextFormat && format.isValid())
            formate.append({merkmal.start, merkmal.length, format});
    }
    if (formate.isEmpty()) {
        QTextCharFormat unterstrichen;
        unterstrichen.setFontUnderline(true);
        formate.append({0, static_cast<int>(ereignis.preeditString().size()), unterstrichen});
    }
    return formate;
}

} // namespace

int RollenEditor::Eingabeteil::position(qsizetype spalte) const {
    return static_cast<int>(std::clamp(spalte, anfang, ende) - anfang);
}

qsizetype RollenEditor::Eingabeteil::spalte(qsizetype position) const {
    return anfang + std::max<qsizetype>(0, position);
}

RollenEditor::Eingabeteil RollenEditor::eingabeteil() const {
    const qsizetype laenge = zeilenlaenge(m_cursor.zeile);
    return {std::max<qsizetype>(0, m_cursor.spalte - Umkreis),
            std::min(laenge, m_cursor.spalte + Umkreis)};
}

// As in Qt's text fields: input removes a selection first; then the replacement range, counted
// from the cursor and cut to the line, gives way to the committed text, in one edit. The
// positions of the selection the method sets count from the part of the line it was shown.
void RollenEditor::inputMethodEvent(QInputMethodEvent* ereignis) {
    const Eingabeteil teil = eingabeteil();
    const QString& festgelegt = ereignis->commitString();
    const bool festlegen = !festgelegt.isEmpty() || ereignis->replacementLength() > 0;
    const bool ersetzt = ereignis->replacementStart() != 0 || ereignis->replacementLength() > 0;
    if (festlegen && !ersetzt) {
        tippen(festgelegt);
    } else {
        if (m_anker != m_cursor && (festlegen || ereignis->preeditString() != einschub().text))
            eingeben({});
        if (festlegen) {
            const qsizetype laenge = zeilenlaenge(m_cursor.zeile);
            const qsizetype ersatz = teil.position(m_cursor.spalte) + ereignis->replacementStart();
            const qsizetype von = std::min(teil.spalte(ersatz), laenge);
            const qsizetype bis =
                std::clamp(teil.spalte(ersatz + ereignis->replacementLength()), von, laenge);
            ersetzen({m_cursor.zeile, von}, {m_cursor.zeile, bis}, festgelegt);
        }
    }
    Einschub neu{ereignis->preeditString(), static_cast<int>(ereignis->preeditString().size()),
                 true, einschubFormate(*ereignis)};
    for (const QInputMethodEvent::Attribute& merkmal : ereignis->attributes()) {
        if (merkmal.type == QInputMethodEvent::Cursor) {
            neu.cursor = merkmal.start;
            neu.cursorSichtbar = merkmal.length != 0;
        } else if (merkmal.type == QInputMethodEvent::Selection) {
            cursorSetzen({m_cursor.zeile, teil.spalte(merkmal.start)});
            cursorSetzen({m_cursor.zeile, teil.spalte(merkmal.start + merkmal.length)}, true);
        }
    }
    if (neu.text.isEmpty())
        neu = {};
    einschubSetzen(m_cursor, std::move(neu));
    cursorBewegt();
    ereignis->accept();
}

// A click elsewhere or leaving the field ends composing: the input method is asked to commit,
// and what it leaves composing is dropped.
void RollenEditor::einschubFestlegen() {
    if (einschub().text.isEmpty())
        return;
    QGuiApplication::inputMethod()->commit();
    if (!einschub().text.isEmpty())
        einschubSetzen({}, {});
}

// A roll filled anew takes away the text composing was for.
void RollenEditor::einschubVerwerfen() {
    if (einschub().text.isEmpty())
        return;
    einschubSetzen({}, {});
    if (hasFocus())
        QGuiApplication::inputMethod()->reset();
}

// A place in another line than the cursor's is told as the edge of the part on its side.
QVariant RollenEditor::inputMethodQuery(Qt::InputMethodQuery abfrage) const {
    const QString zeile = zeilentext(m_cursor.zeile);
    const Eingabeteil teil = eingabeteil();
    const auto imTeil = [&](Stelle stelle) {
        return teil.position(stelle.zeile < m_cursor.zeile   ? teil.anfang
                             : stelle.zeile > m_cursor.zeile ? teil.ende
                                                             : stelle.spalte);
    };
    switch (abfrage) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImHints:
        return static_cast<int>(inputMethodHints());
    case Qt::ImSurroundingText:
        return zeile.mid(teil.anfang, teil.ende - teil.anfang);
    case Qt::ImCursorPosition:
        return imTeil(m_cursor);
    case Qt::ImAnchorPosition:
        return imTeil(m_anker);
    case Qt::ImCurrentSelection:
        return auswahl();
    case Qt::ImTextBeforeCursor:
        return zeile.mid(teil.anfang, m_cursor.spalte - teil.anfang);
    case Qt::ImTextAfterCursor:
        return zeile.mid(m_cursor.spalte, teil.ende - m_cursor.spalte);
    // Finding the box may lay out the cursor's line, which only fills the layout cache.
    case Qt::ImCursorRectangle:
        return const_cast<RollenEditor*>(this)->cursorFeld().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    default:
        return RollenFlaeche::inputMethodQuery(abfrage);
    }
}
