// The roll copy's editor: keys and the steps they take.
#include "rechner/rollenfeld/rolleneditor.h"

#include "rechner/rollenfeld/textgrenzen.h"
#include <QKeyEvent>

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

// Redo is Ctrl+Shift+Z on this desktop and Ctrl+Y on others; both work everywhere.
bool wiederholenTaste(const QKeyEvent* ereignis) {
    const QKeyCombination taste = ereignis->keyCombination();
    return ereignis->matches(QKeySequence::Redo) ||
           taste == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           taste == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

bool RollenEditor::schrittTaste(QKeyEvent* ereignis) {
    using K = QKeySequence;
    static const struct {
        K::StandardKey taste;
        Schritt schritt;
        bool auswaehlen;
    } Tasten[] = {
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
    for (const auto& eintrag : Tasten) {
        if (ereignis->matches(eintrag.taste)) {
            schreiten(eintrag.schritt, eintrag.auswaehlen);
            return true;
        }
    }
    return false;
}

// The keys that edit or use the clipboard; whether the key was one of them.
bool RollenEditor::bearbeitenTaste(QKeyEvent* ereignis) {
    const bool loeschtZurueck =
        ereignis->key() == Qt::Key_Backspace && !(ereignis->modifiers() & ~Qt::ShiftModifier);
    if (ereignis->matches(QKeySequence::Undo))
        rueckgaengig();
    else if (wiederholenTaste(ereignis))
        wiederholen();
    else if (ereignis->matches(QKeySequence::SelectAll))
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
    else if (ereignis->matches(QKeySequence::DeleteStartOfWord))
        loeschen(Schritt::WortZurueck);
    else if (ereignis->matches(QKeySequence::DeleteEndOfWord))
        loeschen(Schritt::WortVor);
    else if (ereignis->matches(QKeySequence::Delete))
        loeschen(Schritt::ZeichenVor);
    else if (loeschtZurueck)
        loeschen(Schritt::ZeichenZurueck);
    else
        return false;
    return true;
}

void RollenEditor::keyPressEvent(QKeyEvent* ereignis) {
    if (!bearbeitenTaste(ereignis) && !schrittTaste(ereignis)) {
        if (!getippt(ereignis)) {
            ereignis->ignore();
            return;
        }
        tippen(ereignis->text());
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
    cursorBewegt();
}

RollenEditor::Stelle RollenEditor::ziel(Schritt schritt) {
    const qsizetype letzte = zeilenzahl() - 1;
    switch (schritt) {
    case Schritt::ZeichenVor:
    case Schritt::ZeichenZurueck:
        return zeichenweise(m_cursor, schritt == Schritt::ZeichenVor);
    case Schritt::WortVor:
    case Schritt::WortZurueck:
        return wortweise(m_cursor, schritt == Schritt::WortVor);
    case Schritt::ReiheAb:
        return reihenweise(m_cursor, 1);
    case Schritt::ReiheAuf:
        return reihenweise(m_cursor, -1);
    case Schritt::SeiteAb:
        return reihenweise(m_cursor, sichtbareReihen());
    case Schritt::SeiteAuf:
        return reihenweise(m_cursor, -sichtbareReihen());
    case Schritt::ReihenAnfang:
    case Schritt::ReihenEnde: {
        const Stueck teil = stueckMit(m_cursor);
        const Reihe reihe = reiheVon(m_cursor.zeile, teil, teil.position(m_cursor.spalte));
        const QTextLine zeile = teil.satz->lineAt(static_cast<int>(reihe.reihe));
        if (schritt == Schritt::ReihenAnfang)
            return {m_cursor.zeile, teil.spalte(zeile.textStart())};
        // A row broken at blanks ends before them.
        const QString text = zeilentext(m_cursor.zeile);
        qsizetype ende = teil.spalte(zeile.textStart() + zeile.textLength());
        const bool letzteReihe = teil.letztes && zeile.lineNumber() + 1 == teil.reihen();
        const qsizetype anfang = teil.spalte(zeile.textStart());
        while (!letzteReihe && ende > anfang && text[ende - 1] == u' ')
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

// Over a line's end to the next line's start, and back.
RollenEditor::Stelle RollenEditor::zeichenweise(Stelle stelle, bool vor) const {
    const QString text = zeilentext(stelle.zeile);
    if (vor && stelle.spalte < text.size())
        return {stelle.zeile, textgrenzen::naechstesZeichen(text, stelle.spalte)};
    if (vor)
        return stelle.zeile + 1 < zeilenzahl() ? Stelle{stelle.zeile + 1, 0} : stelle;
    if (stelle.spalte > 0)
        return {stelle.zeile, textgrenzen::vorigesZeichen(text, stelle.spalte)};
    return stelle.zeile > 0 ? Stelle{stelle.zeile - 1, zeilenlaenge(stelle.zeile - 1)} : stelle;
}

RollenEditor::Stelle RollenEditor::wortweise(Stelle stelle, bool vor) const {
    const QString text = zeilentext(stelle.zeile);
    if (vor && stelle.spalte < text.size())
        return {stelle.zeile, textgrenzen::naechsterWortanfang(text, stelle.spalte)};
    if (!vor && stelle.spalte > 0)
        return {stelle.zeile, textgrenzen::vorigerWortanfang(text, stelle.spalte)};
    return zeichenweise(stelle, vor);
}

// Up and down keep the cursor's distance from the left edge; beyond the first or the last row
// they go to the start or the end of the roll.
RollenEditor::Stelle RollenEditor::reihenweise(Stelle stelle, qsizetype reihen) {
    const Stueck teil = stueckMit(stelle);
    const int position = teil.position(stelle.spalte);
    const Reihe von = reiheVon(stelle.zeile, teil, position);
    if (m_zielX < 0)
        m_zielX = teil.satz->lineAt(static_cast<int>(von.reihe)).cursorToX(position);
    const Reihe nach = verschoben(von, reihen);
    if (nach == von) {
        const qsizetype letzte = zeilenzahl() - 1;
        return reihen > 0 ? Stelle{letzte, zeilenlaenge(letzte)} : Stelle{};
    }
    const Stueck ziel = stueck(nach.zeile, nach.stueck);
    return {nach.zeile,
            ziel.spalte(ziel.satz->lineAt(static_cast<int>(nach.reihe)).xToCursor(m_zielX))};
}
