// The roll copy's editor: the cursor, the selection, the edits and the clipboard.
#include "rechner/fenster/rolleneditor.h"

#include "common/zeilen.h"
#include "rechner/fenster/rollenmeldung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

RollenEditor::RollenEditor(Rolle& rolle, QWidget* eltern) : RollenFlaeche(rolle, eltern) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
}

void RollenEditor::cursorSetzen(Stelle stelle, bool auswaehlen) {
    stelle.zeile = std::clamp<qsizetype>(stelle.zeile, 0, zeilenzahl() - 1);
    stelle.spalte = std::clamp<qsizetype>(stelle.spalte, 0, zeilenlaenge(stelle.zeile));
    m_cursor = stelle;
    if (!auswaehlen)
        m_anker = stelle;
    m_zielX = -1;
    cursorZeigen();
    viewport()->update();
    rollenmeldung::cursorBewegt(this);
}

QString RollenEditor::auswahl() const {
    const auto [von, bis] = geordnet();
    if (von.zeile == bis.zeile)
        return zeilentext(von.zeile).mid(von.spalte, bis.spalte - von.spalte);
    QString text = zeilentext(von.zeile).mid(von.spalte);
    for (qsizetype zeile = von.zeile + 1; zeile < bis.zeile; ++zeile)
        text += QLatin1Char('\n') + zeilentext(zeile);
    return text + QLatin1Char('\n') + zeilentext(bis.zeile).left(bis.spalte);
}

void RollenEditor::eingeben(const QString& text) {
    const auto [von, bis] = geordnet();
    ersetzen(von, bis, text);
}

void RollenEditor::allesAuswaehlen() {
    m_anker = {};
    m_cursor = {zeilenzahl() - 1, zeilenlaenge(zeilenzahl() - 1)};
    cursorZeigen();
    viewport()->update();
    rollenmeldung::cursorBewegt(this);
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
// the last part a line even when it is empty). Only these lines are written back.
void RollenEditor::ersetzen(Stelle von, Stelle bis, const QString& text) {
    const QString hinten = zeilentext(bis.zeile).mid(bis.spalte);
    const QStringList neu =
        zeilenAus(zeilentext(von.zeile).left(von.spalte) + text + hinten + QLatin1Char('\r'));
    const qsizetype alteAnzahl = m_rolle.anzahl() == 0 ? 0 : bis.zeile - von.zeile + 1;
    const Stelle danach{von.zeile + neu.size() - 1, neu.last().size() - hinten.size()};
    const rollenmeldung::Bearbeitung bearbeitung(this, von, bis);
    m_eigeneAenderung = true;
    if (m_rolle.anzahl() - alteAnzahl + neu.size() == 1 && neu.first().isEmpty())
        m_rolle.leeren();
    else
        m_rolle.bereichErsetzen(von.zeile, alteAnzahl, neu);
    m_eigeneAenderung = false;
    bearbeitung.gemacht(danach);
    cursorSetzen(danach);
}

// Backspace takes one character (both halves of a surrogate pair), Delete one grapheme; at a
// line's edge they join it with its neighbour.
void RollenEditor::loeschen(bool vorwaerts) {
    auto [von, bis] = geordnet();
    if (von == bis) {
        const Stelle nachbar = vorwaerts ? zeichenweise(m_cursor, true, QTextLayout::SkipCharacters)
                                         : zeichenZurueck(m_cursor);
        if (nachbar == m_cursor)
            return;
        std::tie(von, bis) = std::minmax(m_cursor, nachbar);
    }
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
// as a newly set text does; appends leave it where it is.
void RollenEditor::ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) {
    if (!m_eigeneAenderung) {
        m_cursor = m_anker = {};
        m_zielX = -1;
    }
    RollenFlaeche::ersetzt(von, alteAnzahl, neueAnzahl);
    if (!m_eigeneAenderung)
        rollenmeldung::neuGefuellt(this);
}

void RollenEditor::cursorZeigen() {
    const Reihe reihe = reiheVon(m_cursor);
    const qsizetype sicht = sichtbareReihen();
    const qsizetype davor = abstand(oben(), reihe, sicht);
    if (davor < 0)
        obenSetzen(reihe);
    else if (davor >= sicht)
        obenSetzen(verschoben(reihe, 1 - sicht));
}

void RollenEditor::zeileMalen(QPainter& maler, qsizetype zeile, const QTextLayout& satz,
                              QPointF ort) {
    QList<QTextLayout::FormatRange> markiert;
    const auto [von, bis] = geordnet();
    if (von != bis && zeile >= von.zeile && zeile <= bis.zeile) {
        QTextLayout::FormatRange bereich;
        bereich.start = zeile == von.zeile ? static_cast<int>(von.spalte) : 0;
        bereich.length =
            static_cast<int>(zeile == bis.zeile ? bis.spalte : zeilenlaenge(zeile)) - bereich.start;
        const QPalette& farben = viewport()->palette();
        bereich.format.setBackground(farben.brush(QPalette::Highlight));
        bereich.format.setForeground(farben.brush(QPalette::HighlightedText));
        markiert.append(bereich);
    }
    satz.draw(&maler, ort, markiert);
    if (zeile != m_cursor.zeile)
        return;
    const QTextLine reihe = satz.lineForTextPosition(static_cast<int>(m_cursor.spalte));
    if (reihe.isValid())
        m_cursorFeld = QRectF(ort.x() + reihe.cursorToX(static_cast<int>(m_cursor.spalte)),
                              ort.y() + reihe.y(), 1, reihenhoehe())
                           .toAlignedRect();
    if (hasFocus() && isEnabled())
        satz.drawCursor(&maler, ort, static_cast<int>(m_cursor.spalte));
}
