// The roll copy's editor: the cursor, the selection, the edits and the clipboard.
#include "rechner/fenster/rolleneditor.h"

#include "common/zeilen.h"
#include "rechner/fenster/handeingabe.h"
#include "rechner/fenster/rollenmeldung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopedValueRollback>

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

// The lines from the first place's to the second's become the text before the first place,
// the new text and the text after the second, split by the roll's rule (a CR at the end makes
// the last part a line even when it is empty). Only these lines are written back. The edit
// goes into the undo history with the text it replaced, its line breaks as LF, as it now stands.
void RollenEditor::ersetzen(Stelle von, Stelle bis, const QString& text) {
    const bool aufzeichnen = m_bearbeitung != Bearbeitung::AusVerlauf;
    const Stelle ankerVorher = m_anker;
    const Stelle cursorVorher = m_cursor;
    const QString alt = aufzeichnen ? textZwischen(von, bis) : QString();
    const QString hinten = zeilentext(bis.zeile).mid(bis.spalte);
    const QStringList neu =
        zeilenAus(zeilentext(von.zeile).left(von.spalte) + text + hinten + QLatin1Char('\r'));
    const qsizetype alteAnzahl = m_rolle.anzahl() == 0 ? 0 : bis.zeile - von.zeile + 1;
    const Stelle danach{von.zeile + neu.size() - 1, neu.last().size() - hinten.size()};
    const rollenmeldung::Bearbeitung bearbeitung(this, von, bis);
    {
        const QScopedValueRollback eigene(m_eigeneAenderung, true);
        if (m_rolle.anzahl() - alteAnzahl + neu.size() == 1 && neu.first().isEmpty())
            m_rolle.leeren();
        else
            m_rolle.bereichErsetzen(von.zeile, alteAnzahl, neu);
    }
    bearbeitung.gemacht(danach);
    cursorSetzen(danach);
    if (aufzeichnen)
        m_verlauf.push(new Handeingabe(*this, {von, alt, textZwischen(von, danach)},
                                       {ankerVorher, cursorVorher}, m_bearbeitung));
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
