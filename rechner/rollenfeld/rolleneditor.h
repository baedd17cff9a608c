#pragma once

#include "rechner/rollenfeld/rollenflaeche.h"

#include <QTimer>
#include <QUndoStack>

class QMenu;

// The administration window's editable view of the roll copy. It works on the roll's lines
// themselves: the cursor and the selection are a line and a column, and a hand edit replaces
// only the lines it touches, splitting typed or pasted line breaks by the roll's rule. The
// empty roll shows one empty line to type into, and an edit that leaves one empty line leaves
// the empty roll.
//
// Every hand edit, typed, pasted, cut, deleted or committed by an input method, is one call of
// `ersetzen`, which takes only what a roll line can hold (Windows-1252 text); it, undo and redo
// change the lines by one call of `rollentextErsetzen`. Hand edits can be undone; the lines the
// calculator appends while the window is open are not hand edits and stay, and filling the copy
// anew forgets what there was to undo.
class RollenEditor : public RollenFlaeche {
public:
    RollenEditor(Rolle& rolle, QWidget* eltern);

    Stelle cursor() const { return m_cursor; }
    Stelle anker() const { return m_anker; }
    // Moves the cursor; with `auswaehlen` the anchor stays and the text between is selected.
    void cursorSetzen(Stelle stelle, bool auswaehlen = false);
    // The selected text, lines joined by LF.
    QString auswahl() const;
    // Replaces the selection by a text, as typing or pasting does.
    void eingeben(const QString& text);
    void allesAuswaehlen();
    void kopieren() const;
    void ausschneiden();
    void einfuegen();
    void rueckgaengig() { m_verlauf.undo(); }
    void wiederholen() { m_verlauf.redo(); }
    // What an input method asks of the current line, the cursor and the selection.
    QVariant inputMethodQuery(Qt::InputMethodQuery abfrage) const override;

protected:
    qsizetype zeilenzahl() const override { return std::max<qsizetype>(1, m_rolle.anzahl()); }
    void reiheMalen(QPainter& maler, qsizetype zeile, const Stueck& stueck, int reihe,
                    QPointF ort) override;
    void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) override;

    bool focusNextPrevChild(bool weiter) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    friend class Handeingabe;

    enum class Schritt {
        ZeichenVor,
        ZeichenZurueck,
        WortVor,
        WortZurueck,
        ReiheAb,
        ReiheAuf,
        SeiteAb,
        SeiteAuf,
        ReihenAnfang,
        ReihenEnde,
        RollenAnfang,
        RollenEnde
    };
    // What an edit is to the undo history: typed text merges with the typing before it, a
    // character deleted by key with the deleting before it.
    enum class Bearbeitung { Einzeln, Tippen, Loeschen };

    bool schrittTaste(QKeyEvent* ereignis);
    bool bearbeitenTaste(QKeyEvent* ereignis);
    void schreiten(Schritt schritt, bool auswaehlen);
    Stelle ziel(Schritt schritt);
    Stelle zeichenweise(Stelle stelle, bool vor) const;
    Stelle wortweise(Stelle stelle, bool vor) const;
    Stelle zeichenZurueck(Stelle stelle) const;
    Stelle reihenweise(Stelle stelle, qsizetype reihen);
    std::pair<Stelle, Stelle> geordnet() const { return std::minmax(m_anker, m_cursor); }
    QString textZwischen(Stelle von, Stelle bis) const;

    // The one hand edit: the text between two places becomes `text`.
    void ersetzen(Stelle von, Stelle bis, const QString& text);
    // The one change of the lines, on the roll's text in which every line ends with its break.
    void rollentextErsetzen(Stelle von, Stelle bis, const QString& text);
    // A place in the roll's text as a place in the text shown.
    Stelle gezeigt(Stelle stelle) const;
    void tippen(const QString& text);
    void loeschen(Schritt schritt);
    void cursorBewegt();
    void cursorZeigen();
    QMenu* bearbeitenMenue();

    // The part of the cursor's line an input method is shown, and the one conversion between
    // the positions it is told or sends, which count from the part's start, and the line's
    // columns.
    struct Eingabeteil {
        qsizetype anfang = 0;
        qsizetype ende = 0;
        // A column as a position, within the part.
        int position(qsizetype spalte) const;
        // A position as a column; the caller cuts it to the line.
        qsizetype spalte(qsizetype position) const;
    };
    Eingabeteil eingabeteil() const;

    // The cursor's position in its piece's layout (within composing text, the input method's
    // cursor) and the box where it is painted, in the viewport.
    int cursorPosition(const Stueck& stueck) const;
    QRect cursorFeld();
    void einschubFestlegen();
    void einschubVerwerfen();
    QRectF markierung(qsizetype zeile, const Stueck& stueck, const QTextLine& reihe,
                      QPointF ort) const;

    void wortAuswaehlen(QPoint punkt);
    void zeileAuswaehlen(QPoint punkt);
    void ziehen(QPoint punkt);
    void rollTakt();

    Stelle m_cursor;
    Stelle m_anker;
    qreal m_zielX = -1; // the column kept by up and down, in pixels
    bool m_eigeneAenderung = false;
    Bearbeitung m_bearbeitung = Bearbeitung::Einzeln;
    QUndoStack m_verlauf;
    // While the button is held past the top or the bottom, the view keeps scrolling.
    QTimer m_rollTakt{this};
    QPoint m_ziehpunkt;
    // The time and place of the last double click, for a third click that selects the line.
    std::optional<std::pair<quint64, QPoint>> m_doppelklick;
};
