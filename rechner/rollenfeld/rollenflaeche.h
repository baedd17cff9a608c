#pragma once

#include "rechner/kern/rolle.h"
#include "rechner/rollenfeld/rollensatz.h"

#include <QAbstractScrollArea>
#include <optional>

// What the two roll views share: bold right-aligned lines on white, wrapped at the view's
// width, vertical scroll bar only. A view lays out and paints only the rows in sight and learns
// of each change from the roll, so neither a key nor a repaint costs more with a million lines,
// or with a line of megabytes, than with ten short ones. After every change it scrolls to the end
// once the current event has been handled.
//
// Where it stands is a row of a roll line. Rows are counted only for the lines painted or
// stepped over, never for the whole roll, and a very long line is laid out in pieces, only those
// painted or stepped over: the scroll bar counts lines (dragging it lands on a line's first
// row), while its arrows and page steps, the wheel and the keys move by rows, so every row of a
// wrapped line, even one far taller than the view, can be reached.
class RollenFlaeche : public QAbstractScrollArea, protected RollenBeobachter {
public:
    // A row of the view: row `reihe` of piece `stueck` of roll line `zeile`. Only a line of
    // thousands of characters has more than one piece (rollenstuecke.h).
    struct Reihe {
        qsizetype zeile = 0;
        qsizetype stueck = 0;
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
    // The rows a line takes at the view's width; this lays out the whole line.
    qsizetype reihen(qsizetype zeile);
    // Where the rows of a line that are in sight are painted in the viewport (to one row past
    // its bottom); empty when no row of it is in sight.
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
    // A piece of a roll line as laid out, and how the line's columns map into the layout: the
    // layout holds the piece's text and, in the editor, the text being composed at the cursor.
    struct Stueck {
        std::shared_ptr<const QTextLayout> satz;
        qsizetype nummer = 0;
        qsizetype anfang = 0; // the line's column of the piece's first character
        qsizetype laenge = 0;
        bool letztes = true;  // whether the piece ends the line
        int einschubBei = -1; // where composing text starts in the layout, or -1
        int einschubLaenge = 0;

        int reihen() const { return std::max(1, satz->lineCount()); }
        // A column of the line as a position in the layout, and back (a position inside the
        // composing text gives the column it is composed at).
        int position(qsizetype spalte) const;
        qsizetype spalte(int position) const;
    };
    // Text being composed by an input method, shown at a place but not part of the roll.
    struct Einschub {
        QString text;
        int cursor = 0; // the input method's cursor within the text
        bool cursorSichtbar = true;
        QList<QTextLayout::FormatRange> formate; // positions within the text
    };

    // The lines shown: the roll's lines; the editor shows the empty roll as one empty line.
    virtual qsizetype zeilenzahl() const { return m_rolle.anzahl(); }
    QString zeilentext(qsizetype zeile) const;
    qsizetype zeilenlaenge(qsizetype zeile) const { return zeilentext(zeile).size(); }
    qsizetype stueckzahl(qsizetype zeile) const;
    Stueck stueck(qsizetype zeile, qsizetype nummer);
    // The piece that shows a place.
    Stueck stueckMit(Stelle stelle);
    // The margin left and right of the rows.
    static constexpr int RandBreite = 4;

    // Shows composing text before a place, or none when its text is empty.
    void einschubSetzen(Stelle stelle, Einschub einschub);
    const Einschub& einschub() const { return m_einschub; }
    Stelle einschubStelle() const { return m_einschubStelle; }

    // Paints row `reihe` of a piece, whose layout's origin is `ort` in the viewport.
    virtual void reiheMalen(QPainter& maler, qsizetype zeile, const Stueck& stueck, int reihe,
                            QPointF ort);
    void angehaengt(qsizetype erste) override;
    void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) override;
    void wirdErsetzt() override;

    // A row moved by a number of rows, staying within the lines shown.
    Reihe verschoben(Reihe reihe, qsizetype anzahl);
    // Rows from one row to another, negative upwards; counted only up to `grenze`.
    qsizetype abstand(Reihe von, Reihe bis, qsizetype grenze);
    // The row at a point of the viewport, within the lines shown.
    Reihe reiheBei(QPoint punkt);
    // The row that shows a position of a piece's layout, and the row that shows a place.
    Reihe reiheVon(qsizetype zeile, const Stueck& stueck, int position);
    Reihe reiheVon(Stelle stelle);
    // Where a row is in the viewport, in rows from the top; nothing when it is not in sight.
    std::optional<qsizetype> reiheInSicht(Reihe reihe);
    void obenSetzen(Reihe reihe);
    void scrollenUm(qsizetype anzahl) { obenSetzen(verschoben(m_oben, anzahl)); }
    void zumEndeEinreihen();
    // The end recomputed after the rows of a line changed without the roll changing.
    void bereichSetzen();

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
    Reihe endeBerechnen();
    Reihe geklemmt(Reihe reihe);
    std::optional<Reihe> naechstesStueck(Reihe reihe) const;
    std::optional<Reihe> vorigesStueck(Reihe reihe);
    void leistenSchritt(int aktion);

    RollenSatz m_satz;
    Reihe m_oben;
    Reihe m_ende; // the top row when the last row is at the bottom
    bool m_leisteSetzen = false;
    bool m_scrollAngefordert = false;
    int m_radRest = 0;
    Einschub m_einschub;
    Stelle m_einschubStelle;
    // The layout with the composing text, for the piece and the piece text it was made for.
    std::shared_ptr<const QTextLayout> m_einschubSatz;
    std::pair<qsizetype, qsizetype> m_einschubSatzFuer{-1, -1}; // line and piece
    QString m_einschubSatzText;
};
