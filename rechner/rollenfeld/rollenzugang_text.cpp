// The roll views' text for screen readers: ranges, and the character, word, sentence, line or
// paragraph at, before or after a position.
#include "rechner/rollenfeld/rollenzugang.h"

namespace {

// A text that Qt's own rules for characters, words, sentences and lines run on: the roll views
// hand them the lines around a position, never the whole roll.
class Textstueck : public QAccessibleTextInterface {
public:
    explicit Textstueck(QString text) : m_text(std::move(text)) {}
    QString text(int von, int bis) const override { return m_text.mid(von, bis - von); }
    int characterCount() const override { return static_cast<int>(m_text.size()); }
    void selection(int, int* von, int* bis) const override { *von = *bis = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* von, int* bis) const override {
        *von = *bis = -1;
        return {};
    }

private:
    QString m_text;
};

} // namespace

// The range is put together from the lines it covers.
QString RollenZugang::text(int von, int bis) const {
    const int ende = characterCount();
    von = std::clamp(von, 0, ende);
    bis = std::clamp(bis, von, ende);
    const Stelle anfang = stelle(von);
    const Stelle schluss = stelle(bis);
    return rolle().abschnitt(anfang.zeile, anfang.spalte, schluss.zeile, schluss.spalte);
}

QString RollenZugang::textBeforeOffset(int position, QAccessible::TextBoundaryType art, int* von,
                                       int* bis) const {
    return umgebung(Richtung::Davor, position, art, von, bis);
}

QString RollenZugang::textAfterOffset(int position, QAccessible::TextBoundaryType art, int* von,
                                      int* bis) const {
    return umgebung(Richtung::Danach, position, art, von, bis);
}

QString RollenZugang::textAtOffset(int position, QAccessible::TextBoundaryType art, int* von,
                                   int* bis) const {
    return umgebung(Richtung::Darauf, position, art, von, bis);
}

// Qt's own rules, run on the line of the position and the lines on either side (each with the
// break after it) instead of on the whole text: a line break ends every sentence and a line,
// and a roll line is a paragraph, so only a word sought across empty lines is looked for no
// further than the neighbouring line. Position -1 is the end, -2 the cursor. At the end no
// word or sentence begins, as no character does; Qt's rule would look for one without end.
QString RollenZugang::umgebung(Richtung richtung, int position, QAccessible::TextBoundaryType art,
                               int* von, int* bis) const {
    *von = *bis = -1;
    const int ende = characterCount();
    if (position == -1)
        position = ende;
    if (position == -2)
        position = cursorPosition();
    const bool wortOderSatz =
        art == QAccessible::WordBoundary || art == QAccessible::SentenceBoundary;
    if (position < 0 || position > ende || rolle().anzahl() == 0 ||
        (position == ende && wortOderSatz && richtung == Richtung::Darauf))
        return {};
    if (art == QAccessible::NoBoundary) {
        if (richtung != Richtung::Darauf)
            return {};
        *von = 0;
        *bis = ende;
        return text(0, ende);
    }
    const qsizetype zeile = rolle().zeileBei(position);
    const qsizetype erste = std::max<qsizetype>(0, zeile - 1);
    const qsizetype letzte = std::min(rolle().anzahl() - 1, zeile + 1);
    const int anfang = alsPosition(rolle().zeilenanfang(erste));
    const Textstueck umher(text(anfang, alsPosition(rolle().zeilenanfang(letzte + 1))));
    const int stelle = position - anfang;
    QString gefunden;
    switch (richtung) {
    case Richtung::Davor:
        gefunden = umher.QAccessibleTextInterface::textBeforeOffset(stelle, art, von, bis);
        break;
    case Richtung::Darauf:
        gefunden = umher.QAccessibleTextInterface::textAtOffset(stelle, art, von, bis);
        break;
    case Richtung::Danach:
        gefunden = umher.QAccessibleTextInterface::textAfterOffset(stelle, art, von, bis);
        break;
    }
    if (*von >= 0 && *bis >= 0) {
        *von += anfang;
        *bis += anfang;
    }
    return gefunden;
}
