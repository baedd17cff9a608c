// The roll copy's editor: the cursor, the selection, the edits and the clipboard.
#include "rechner/rollenfeld/rolleneditor.h"

#include "common/ansi.h"
#include "common/zeilen.h"
#include "rechner/rollenfeld/handeingabe.h"
#include "rechner/rollenfeld/rollenmeldung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopedValueRollback>

namespace {

// Hand text as roll lines hold it: composed first, so that a letter typed with a combining accent
// is the accented letter, then as the roll file keeps it, so that what the copy shows is what
// the file gives back; its line breaks, by the roll's rule, as LF.
QString rollengerecht(const QString& text) {
    return ansiTauglich(text.normalized(QString::NormalizationForm_C))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
}

} // namespace

RollenEditor::RollenEditor(Rolle& rolle, QWidget* eltern) : RollenFlaeche(rolle, eltern) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setInputMethodHints(Qt::ImhMultiLine);
    viewport()->setCursor(Qt::IBeamCursor);
    m_rollTakt.setInterval(50);
    connect(&m_rollTakt, &QTimer::timeout, this, [this] { rollTakt(); });
}

void RollenEditor::cursorSetzen(Stelle stelle, bool auswaehlen) {
    stelle.zeile = std::clamp<qsizetype>(stelle.zeile, 0, zeilenzahl() - 1);
    stelle.spalte = std::clamp<qsizetype>(stelle.spalte, 0, zeilenlaenge(stelle.zeile));
    m_cursor = stelle;
    if (!auswaehlen)
        m_anker = stelle;
    m_zielX = -1;
    cursorBewegt();
}

QString RollenEditor::textZwischen(Stelle von, Stelle bis) const {
    if (von.zeile == bis.zeile)
        return zeilentext(von.zeile).mid(von.spalte, bis.spalte - von.spalte);
    QString text = zeilentext(von.zeile).mid(von.spalte);
    for (qsizetype zeile = von.zeile + 1; zeile < bis.zeile; ++zeile)
        text += QLatin1Char('\n') + zeilentext(zeile);
    return text + QLatin1Char('\n') + zeilentext(bis.zeile).left(bis.spalte);
}

QString RollenEditor::auswahl() const {
    const auto [von, bis] = geordnet();
    return textZwischen(von, bis);
}

void RollenEditor::eingeben(const QString& text) {
    const auto [von, bis] = geordnet();
    ersetzen(von, bis, text);
}

// Typed text joins the typing before it into one step of the undo history.
void RollenEditor::tippen(const QString& text) {
    const QScopedValueRollback art(m_bearbeitung, Bearbeitung::Tippen);
    eingeben(text);
}

void RollenEditor::allesAuswaehlen() {
    m_anker = {};
    m_cursor = {zeilenzahl() - 1, zeilenlaenge(zeilenzahl() - 1)};
    cursorBewegt();
}

void RollenEditor::kopieren() const {
    if (m_anker != m_cursor)
        QGuiApplication::clipboard()->setText(auswahl());
}

void RollenEditor::ausschneiden() {
    if (m_anker == m_cursor)
        return;
    kopieren();
    eingeben({});
}

// Pasted text keeps its no-break spaces; its line breaks split lines as in the roll.
void RollenEditor::einfuegen() {
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        eingeben(text);
}

// A hand edit, the one place where hand text enters the copy: the text shown between two places
// becomes `text`, as roll lines hold it, its line breaks splitting lines by the roll's rule. An
// edit that leaves one empty line leaves the empty roll. The edit goes into the undo history with
// the text it replaced, its line breaks as LF, as it now stands.
void RollenEditor::ersetzen(Stelle von, Stelle bis, const QString& text) {
    const Stelle textende{zeilenzahl() - 1, zeilenlaenge(zeilenzahl() - 1)};
    Handeingabe::Aenderung aenderung{von, textZwischen(von, bis), rollengerecht(text)};
    aenderung.fandLeer = m_rolle.anzahl() == 0;
    aenderung.liessLeer = von == Stelle{} && bis == textende && aenderung.neu.isEmpty();
    const Handeingabe::Auswahl vorher{m_anker, m_cursor};
    const Stelle danach = Handeingabe::ende(von, aenderung.neu);
    if (aenderung.alterRollentext().isEmpty() && aenderung.neuerRollentext().isEmpty())
        return cursorSetzen(danach);
    rollentextErsetzen(von, Handeingabe::ende(von, aenderung.alterRollentext()),
                       aenderung.neuerRollentext());
    cursorSetzen(danach);
    m_verlauf.push(new Handeingabe(*this, std::move(aenderung), vorher, m_bearbeitung));
}

// The one change of the copy's lines, for hand edits, undo and redo alike. It works on the
// roll's text in which every line ends with its break (the empty roll is the empty text, a
// place in line anzahl() is its end): the text between two places becomes `text`. Only the
// lines it touches are written back.
void RollenEditor::rollentextErsetzen(Stelle von, Stelle bis, const QString& text) {
    const qsizetype anzahl = m_rolle.anzahl();
    const QString hinten = bis.zeile < anzahl
                               ? m_rolle.zeile(bis.zeile).mid(bis.spalte) + QLatin1Char('\n')
                               : QString();
    const QStringList neu = zeilenAus(zeilentext(von.zeile).left(von.spalte) + text + hinten);
    const rollenmeldung::Bearbeitung bearbeitung(this, gezeigt(von), gezeigt(bis));
    {
        const QScopedValueRollback eigene(m_eigeneAenderung, true);
        m_rolle.bereichErsetzen(von.zeile, std::min(bis.zeile + 1, anzahl) - von.zeile, neu);
    }
    bearbeitung.gemacht(gezeigt(Handeingabe::ende(von, text)));
}

// The shown text has no break after its last line: the roll's text's end is the end of that line.
RollenEditor::Stelle RollenEditor::gezeigt(Stelle stelle) const {
    if (stelle.zeile < m_rolle.anzahl())
        return stelle;
    const qsizetype letzte = zeilenzahl() - 1;
    return {letzte, zeilenlaenge(letzte)};
}

// Backspace takes one character (both halves of a surrogate pair), Delete one grapheme, and with
// Ctrl both take the word; at a line's edge they join it with its neighbour. On a selection,
// they take the selection. Characters deleted one after the other are one step to undo.
void RollenEditor::loeschen(Schritt schritt) {
    auto [von, bis] = geordnet();
    const bool zeichen =
        von == bis && (schritt == Schritt::ZeichenZurueck || schritt == Schritt::ZeichenVor);
    if (von == bis) {
        const Stelle nachbar =
            schritt == Schritt::ZeichenZurueck ? zeichenZurueck(m_cursor) : ziel(schritt);
        if (nachbar == m_cursor)
            return;
        std::tie(von, bis) = std::minmax(m_cursor, nachbar);
    }
    const QScopedValueRollback art(m_bearbeitung,
                                   zeichen ? Bearbeitung::Loeschen : Bearbeitung::Einzeln);
    ersetzen(von, bis, {});
}

RollenEditor::Stelle RollenEditor::zeichenZurueck(Stelle stelle) const {
    if (stelle.spalte == 0)
        return stelle.zeile > 0 ? Stelle{stelle.zeile - 1, zeilenlaenge(stelle.zeile - 1)} : stelle;
    const QString text = zeilentext(stelle.zeile);
    qsizetype spalte = stelle.spalte - 1;
    if (spalte > 0 && text[spalte].isLowSurrogate() && text[spalte - 1].isHighSurrogate())
        --spalte;
    return {stelle.zeile, spalte};
}

// A change from outside (the copy on showing, a file, clearing) puts the cursor at the start,
// as a newly set text does, and leaves nothing to undo; appends leave the cursor where it is.
void RollenEditor::ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) {
    if (!m_eigeneAenderung) {
        m_cursor = m_anker = {};
        m_zielX = -1;
        m_verlauf.clear();
        einschubVerwerfen();
    }
    RollenFlaeche::ersetzt(von, alteAnzahl, neueAnzahl);
    if (!m_eigeneAenderung) {
        updateMicroFocus(Qt::ImQueryInput);
        rollenmeldung::neuGefuellt(this);
    }
}

// After the cursor or the selection moved: it is brought into sight, painted, and the input
// method and screen readers learn of it.
void RollenEditor::cursorBewegt() {
    cursorZeigen();
    viewport()->update();
    updateMicroFocus(Qt::ImQueryInput);
    rollenmeldung::cursorBewegt(this);
}

void RollenEditor::cursorZeigen() {
    const Stueck teil = stueckMit(m_cursor);
    const Reihe reihe = reiheVon(m_cursor.zeile, teil, cursorPosition(teil));
    const qsizetype sicht = sichtbareReihen();
    const qsizetype davor = abstand(oben(), reihe, sicht);
    if (davor < 0)
        obenSetzen(reihe);
    else if (davor >= sicht)
        obenSetzen(verschoben(reihe, 1 - sicht));
}

int RollenEditor::cursorPosition(const Stueck& stueck) const {
    const int position = stueck.position(m_cursor.spalte);
    if (stueck.einschubBei < 0 || m_cursor != einschubStelle())
        return position;
    return position + std::clamp(einschub().cursor, 0, stueck.einschubLaenge);
}
