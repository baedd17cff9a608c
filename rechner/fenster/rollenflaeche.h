#pragma once

#include "rechner/fenster/rollensatz.h"
#include "rechner/kern/rolle.h"

#include <QAbstractScrollArea>

// What the two roll views share: bold right-aligned lines on white, wrapped at the view's
// width, vertical scroll bar only. A view paints only the lines in sight and learns of each
// change from the roll, so neither a key nor a repaint costs more with a million lines than
// with ten. After every change it scrolls to the end once the current event has been handled.
//
// Where it stands is a roll line and a row within it. Rows are counted only for the lines
// painted or stepped over, never for the whole roll: the scroll bar counts lines (dragging it
// lands on a line's first row), while its arrows and page steps, the wheel and the keys move
// by rows, so every row of a wrapped line, even one taller than the view, can be reached.
class RollenFlaeche : public QAbstractScrollArea, protected RollenBeobachter {
public:
    // A row of the view: row `reihe` of roll line `zeile`.
    struct Reihe {
        qsizetype zeile = 0;
        qsizetype reihe = 0;
        auto operator<=>(const Reihe&) const = default;
    };
    // A place in the text: before column `spalte` of roll line `zeile`.
    struct Stelle {
        qsizetype zeile = 0;
        qsizetype spalte = 0;
        auto operator<=>(const Stelle&) const = default;
    };

    RollenFlaeche(Rolle& rolle, QWidget* eltern);
    ~RollenFlaeche() override;

    const Rolle& rolle() const { return m_rolle; }
    // The row at the top of the view.
    Reihe oben() const { return m_oben; }
    // The rows a line takes at the view's width.
    int reihen(qsizetype zeile);
    // Where a line is painted in the viewport; empty when no row of it is in sight.
    QRect zeilenfeld(qsizetype zeile);
    int sichtbareReihen() const;
    int reihenhoehe() const { return m_satz.reihenhoehe(); }
    // The parts of a line that its rows show, as laid out.
    QStringList reihentexte(qsizetype zeile);
    // The place nearest to a point of the viewport, within the lines shown.
    Stelle stelleBei(QPoint punkt);
    // Where the character at a place is painted in the viewport (at a line's end, a cursor's
    // width); empty when it is not in sight.
    QRect zeichenFeld(Stelle stelle);

protected:
    // The lines shown: the roll's lines; the editor shows the empty roll as one empty line.
    virtual qsizetype zeilenzahl() const { return m_rolle.anzahl(); }
    QString zeilentext(qsizetype zeile) const;
    std::shared_ptr<const QTextLayout> satz(qsizetype zeile);
    // The margin left and right of the rows.
    static constexpr int randBreite = 4;

    virtual void zeileMalen(QPainter& maler, qsizetype zeile, const QTextLayout& satz, QPointF ort);
    void angehaengt(qsizetype erste) override;
    void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) override;

    // A row moved by a number of rows, staying within the lines shown.
    Reihe verschoben(Reihe reihe, qsizetype anzahl);
    // Rows from one row to another, negative upwards; counted only up to `grenze`.
    qsizetype abstand(Reihe von, Reihe bis, qsizetype grenze);
    // The row at a point of the viewport, within the lines shown.
    Reihe reiheBei(QPoint punkt);
    // The row that shows a place.
    Reihe reiheVon(Stelle stelle);
    qsizetype zeilenlaenge(qsizetype zeile) const { return zeilentext(zeile).size(); }
    void obenSetzen(Reihe reihe);
    void scrollenUm(qsizetype anzahl) { obenSetzen(verschoben(m_oben, anzahl)); }
    void zumEndeEinreihen();

    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    Rolle& m_rolle;

private:
    void geaendert();
    void satzEinrichten();
    void bereichSetzen();
    Reihe endeBerechnen();
    void leistenSchritt(int aktion);

    RollenSatz m_satz;
    Reihe m_oben;
    Reihe m_ende; // the top row when the last row is at the bottom
    bool m_leisteSetzen = false;
    bool m_scrollAngefordert = false;
    int m_radRest = 0;
};
