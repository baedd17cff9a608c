#pragma once

#include "rechner/fenster/rollenflaeche.h"

class QMenu;

// The administration window's editable view of the roll copy. It works on the roll's lines
// themselves: the cursor and the selection are a line and a column, and a hand edit replaces
// only the lines it touches, splitting typed or pasted line breaks by the roll's rule. The
// empty roll shows one empty line to type into, and an edit that leaves one empty line leaves
// the empty roll.
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

protected:
    qsizetype zeilenzahl() const override { return std::max<qsizetype>(1, m_rolle.anzahl()); }
    void zeileMalen(QPainter& maler, qsizetype zeile, const QTextLayout& satz,
                    QPointF ort) override;
    void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) override;

    bool focusNextPrevChild(bool weiter) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery abfrage) const override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
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
    bool schrittTaste(QKeyEvent* ereignis);
    void schreiten(Schritt schritt, bool auswaehlen);
    Stelle ziel(Schritt schritt);
    Stelle zeichenweise(Stelle stelle, bool vor, QTextLayout::CursorMode art);
    Stelle zeichenZurueck(Stelle stelle) const;
    Stelle reihenweise(Stelle stelle, qsizetype reihen);
    std::pair<Stelle, Stelle> geordnet() const { return std::minmax(m_anker, m_cursor); }

    // The one edit: the text between two places becomes `text`.
    void ersetzen(Stelle von, Stelle bis, const QString& text);
    void loeschen(bool vorwaerts);
    void cursorZeigen();
    QMenu* bearbeitenMenue();

    Stelle m_cursor;
    Stelle m_anker;
    qreal m_zielX = -1; // the column kept by up and down, in pixels
    QRect m_cursorFeld; // where the cursor was last painted, for input methods
    bool m_eigeneAenderung = false;
};
