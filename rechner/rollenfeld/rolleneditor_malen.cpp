// The roll copy's editor paints a row: the selection as a box behind it, the selected text in
// the highlight's colour, the cursor. Composing text is in the layout of the cursor's piece.
#include "rechner/rollenfeld/rolleneditor.h"

#include "rechner/rollenfeld/rollenstuecke.h"

#include <QPainter>

namespace {

// A cursor past the edge (after blanks that hang) stays at the edge.
qreal cursorX(const QTextLine& reihe, int position, QPointF ort, int breite) {
    return std::clamp(ort.x() + reihe.cursorToX(position), 0.0, breite - 1.0);
}

} // namespace

void RollenEditor::reiheMalen(QPainter& maler, qsizetype zeile, const Stueck& stueck, int reihe,
                              QPointF ort) {
    const QTextLine teil = stueck.satz->lineAt(reihe);
    const QRectF markiert = markierung(zeile, stueck, teil, ort);
    if (!markiert.isEmpty())
        maler.fillRect(markiert, viewport()->palette().brush(QPalette::Highlight));
    teil.draw(&maler, ort);
    if (!markiert.isEmpty()) {
        maler.save();
        maler.setClipRect(markiert, Qt::IntersectClip);
        maler.setPen(viewport()->palette().color(QPalette::HighlightedText));
        teil.draw(&maler, ort);
        maler.restore();
    }
    if (zeile != m_cursor.zeile || !hasFocus() || !isEnabled() || !einschub().cursorSichtbar ||
        stueck.nummer != rollenstuecke::mit(zeilentext(zeile), m_cursor.spalte))
        return;
    const int position = cursorPosition(stueck);
    if (stueck.satz->lineForTextPosition(position).lineNumber() != reihe)
        return;
    const qreal x = cursorX(teil, position, ort, viewport()->width());
    maler.fillRect(QRectF(x, ort.y() + teil.y(), 1, reihenhoehe()),
                   viewport()->palette().color(QPalette::Text));
}

// The selected part of a row, and where the selection goes on past its line's end, a blank's
// width after the line, as a text field marks a selected line break (at the edge, in the margin).
QRectF RollenEditor::markierung(qsizetype zeile, const Stueck& stueck, const QTextLine& reihe,
                                QPointF ort) const {
    const auto [von, bis] = geordnet();
    if (von == bis || zeile < von.zeile || zeile > bis.zeile)
        return {};
    const int reihenAnfang = reihe.textStart();
    const int reihenEnde = reihe.textStart() + reihe.textLength();
    const int anfang = std::max(reihenAnfang, zeile == von.zeile ? stueck.position(von.spalte) : 0);
    const int ende =
        std::min(reihenEnde, zeile == bis.zeile ? stueck.position(bis.spalte) : reihenEnde);
    const qreal oben = ort.y() + reihe.y();
    QRectF feld;
    if (anfang < ende) {
        const qreal links = reihe.cursorToX(anfang);
        const qreal rechts = reihe.cursorToX(ende);
        feld = QRectF(ort.x() + std::min(links, rechts), oben, std::abs(rechts - links),
                      reihenhoehe());
    }
    if (zeile < bis.zeile && stueck.letztes && reihe.lineNumber() + 1 == stueck.reihen()) {
        const qreal x = std::min<qreal>(ort.x() + reihe.cursorToX(reihenEnde),
                                        viewport()->width() - RandBreite);
        const QRectF umbruch(x, oben, fontMetrics().horizontalAdvance(u' '), reihenhoehe());
        feld = feld.isEmpty() ? umbruch : feld.united(umbruch);
    }
    return feld;
}

QRect RollenEditor::cursorFeld() {
    const Stueck teil = stueckMit(m_cursor);
    const int position = cursorPosition(teil);
    const Reihe reihe = reiheVon(m_cursor.zeile, teil, position);
    const std::optional<qsizetype> oberkante = reiheInSicht(reihe);
    if (!oberkante)
        return {};
    const QTextLine zeile = teil.satz->lineAt(static_cast<int>(reihe.reihe));
    const qreal x = cursorX(zeile, position, QPointF(RandBreite, 0), viewport()->width());
    return QRect(static_cast<int>(x), static_cast<int>(*oberkante * reihenhoehe()), 1,
                 reihenhoehe());
}
