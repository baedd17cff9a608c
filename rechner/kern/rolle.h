#pragma once

#include <QString>
#include <QStringList>

// Told about every change of a roll, so that a view can show it without re-reading it whole.
class RollenBeobachter {
public:
    virtual ~RollenBeobachter() = default;
    virtual void vorAnhaengen(qsizetype erste, qsizetype anzahl) = 0;
    virtual void nachAnhaengen() = 0;
    virtual void vorErsetzen() = 0;
    virtual void nachErsetzen() = 0;
};

// A register roll: an ordered list of plain text lines. Writers only append at the end; loading,
// clearing and the copy between the two rolls replace the lines whole.
class Rolle {
public:
    // Appends a piece of text. The result is the same as reading the roll's text (each line
    // followed by CR LF), adding the piece and splitting it again at CR LF, CR or LF, with text
    // after the last break forming a last line only when it is not empty. Since the roll's text
    // always ends with a break, only the piece needs splitting: the cost follows the piece.
    void anhaengen(QStringView stueck);
    void ersetzen(QStringList zeilen);
    // Replaces `anzahl` lines from line `von` by `neu` (a hand edit of a few lines).
    void bereichErsetzen(qsizetype von, qsizetype anzahl, const QStringList& neu);
    void leeren() { ersetzen({}); }

    const QStringList& zeilen() const { return m_zeilen; }
    qsizetype anzahl() const { return m_zeilen.size(); }
    const QString& zeile(qsizetype i) const { return m_zeilen[i]; }
    // The roll's text: every line followed by CR LF.
    QString text() const;

    void setBeobachter(RollenBeobachter* beobachter) { m_beobachter = beobachter; }

    // Splits a text into lines by the roll's rule.
    static QStringList inZeilen(QStringView text);

private:
    QStringList m_zeilen;
    RollenBeobachter* m_beobachter = nullptr;
};

// The separator line of the clearing block and the sign-in and sign-out blocks.
inline const QString Trennlinie = QString(30, QLatin1Char('-')) + QStringLiteral("  ");
