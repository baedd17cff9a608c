#pragma once

#include <QCache>
#include <QFont>
#include <QString>
#include <QTextLayout>
#include <memory>

// How the two roll views lay out a roll line: wrapped at the view's width (at blanks, a word
// wider than the view anywhere), each row right-aligned. Blanks at a row's end hang past the
// edge; those that end the line keep their width when they fit, as in a text field. Only the
// pieces of lines asked for are laid out (see rollenstuecke.h); the layouts used last are kept,
// checked against their text.
class RollenSatz {
public:
    // Drops every kept layout when the font, the width or the row height changes.
    void einrichten(const QFont& schrift, int breite, int reihenhoehe);
    // The layout of piece `stueck` of roll line `zeile`, whose text is `text`.
    std::shared_ptr<const QTextLayout> satz(qsizetype zeile, qsizetype stueck, QStringView text);
    // A piece's layout with composing text shown before position `stelle`, in the given formats
    // (positions count the composing text in); it is not kept.
    std::shared_ptr<const QTextLayout>
    mitEinschub(QStringView text, int stelle, const QString& einschub,
                const QList<QTextLayout::FormatRange>& formate) const;
    void vergessen() { m_saetze.clear(); }

    int breite() const { return m_breite; }
    int reihenhoehe() const { return m_reihenhoehe; }

private:
    struct Schluessel {
        qsizetype zeile;
        qsizetype stueck;
        bool operator==(const Schluessel&) const = default;
    };
    friend size_t qHash(const Schluessel& schluessel, size_t saat) {
        return qHashMulti(saat, schluessel.zeile, schluessel.stueck);
    }
    struct Eintrag {
        QString text;
        std::shared_ptr<const QTextLayout> satz;
    };
    std::shared_ptr<QTextLayout> neuerSatz(const QString& text) const;
    void umbrechen(QTextLayout& satz, QStringView gezeigt) const;

    QFont m_schrift;
    int m_breite = 0;
    int m_reihenhoehe = 1;
    // Enough for the lines in sight, the lines at the end and a few pages scrolled over; a
    // piece of a long line counts for as many short lines as its text is long.
    QCache<Schluessel, Eintrag> m_saetze{512};
};
