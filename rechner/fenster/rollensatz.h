#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <unordered_map>

// How the two roll views lay out a roll line: wrapped at the view's width (at blanks, a word
// wider than the view anywhere), each row right-aligned, and the line's trailing blanks
// painted as no-break spaces so that they keep their width instead of hanging past the edge.
// The shown text has the line's length, so a column of the line is a position in the layout.
// Only lines asked for are laid out; the last few hundred are kept, checked against their text.
class RollenSatz {
public:
    // Drops every kept layout when the font, the width or the row height changes.
    void einrichten(const QFont& schrift, int breite, int reihenhoehe);
    std::shared_ptr<const QTextLayout> satz(qsizetype zeile, const QString& text);
    void vergessen() { m_saetze.clear(); }

    int breite() const { return m_breite; }
    int reihenhoehe() const { return m_reihenhoehe; }

    // The line as it is painted.
    static QString anzeigetext(const QString& zeile);

private:
    struct Eintrag {
        QString text;
        std::shared_ptr<const QTextLayout> satz;
    };
    std::unique_ptr<QTextLayout> setzen(const QString& text) const;

    QFont m_schrift;
    int m_breite = 0;
    int m_reihenhoehe = 1;
    std::unordered_map<qsizetype, Eintrag> m_saetze;
};
