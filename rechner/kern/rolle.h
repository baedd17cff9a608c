#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Told about every change of a roll, so that a view can show it without re-reading it whole.
class RollenBeobachter {
public:
    virtual ~RollenBeobachter() = default;
    // The lines from `erste` to the end are new.
    virtual void angehaengt(qsizetype erste) = 0;
    // `alteAnzahl` lines from line `von` were replaced by `neueAnzahl` lines; replacing the
    // whole roll is the range from line 0 over every old line.
    virtual void ersetzt(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl) = 0;
    // Lines are about to be replaced: the old ones can still be read.
    virtual void wirdErsetzt() {}
};

// A register roll: an ordered list of plain text lines. Writers only append at the end; loading,
// clearing and the copy between the two rolls replace the lines whole.
//
// The lines are kept as runs of shared lists. The copy between the two rolls shares every run,
// and a hand edit replaces only the lines it touches by a run of its own, so that neither the
// copy nor an edit of a million-line roll copies the other lines.
class Rolle {
public:
    Rolle() = default;
    // Observers hold on to one roll; a copy would leave them behind.
    Rolle(const Rolle&) = delete;
    Rolle& operator=(const Rolle&) = delete;

    // Appends a piece of text. The result is the same as reading the roll's text (each line
    // followed by CR LF), adding the piece and splitting it again at CR LF, CR or LF, with text
    // after the last break forming a last line only when it is not empty. Since the roll's text
    // always ends with a break, only the piece needs splitting: the cost follows the piece.
    void anhaengen(QStringView stueck);
    void ersetzen(QStringList zeilen);
    // Takes the lines of another roll, which hold no break, without looking at each of them:
    // the two rolls share the lines until one of them changes.
    void uebernehmen(const Rolle& quelle);
    // Replaces `anzahl` lines from line `von` by `neu` (a hand edit of a few lines). The lines
    // of `neu` must hold no break.
    void bereichErsetzen(qsizetype von, qsizetype anzahl, const QStringList& neu);
    void leeren() { ersetzen({}); }

    // All lines in one list (for saving, printing and comparing).
    QStringList zeilen() const;
    qsizetype anzahl() const { return m_anzahl; }
    const QString& zeile(qsizetype i) const;
    // The roll's text: every line followed by CR LF.
    QString text() const;

    // The lines joined by one line break each, the text the views give to screen readers:
    // its length, where a line starts in it, the line a position lies in, and the text between
    // two places (a line and a column each). Counts of the line lengths, kept with the shared
    // lists and built only as far as first asked for, make the first three O(log n); the text
    // costs its length.
    qsizetype verbundeneLaenge() const;
    // For a line from 0 to anzahl(); the start of line anzahl() is one past the end.
    qsizetype zeilenanfang(qsizetype zeile) const;
    // The last line that starts at or before the position (0 for the empty roll).
    qsizetype zeileBei(qsizetype position) const;
    QString abschnitt(qsizetype vonZeile, qsizetype vonSpalte, qsizetype bisZeile,
                      qsizetype bisSpalte) const;

    // A roll may have several observers: the main roll has its view and, while the
    // administration window is open, the roll copy that follows its appends.
    void beobachten(RollenBeobachter* beobachter);
    void nichtMehrBeobachten(RollenBeobachter* beobachter);

private:
    // A list of lines that runs of both rolls may share. Lines are only ever added at its end,
    // so the counts of the characters before every 32nd line stay right as the list grows;
    // they are extended only as far as a position is asked for.
    struct Zeilenliste {
        static constexpr qsizetype Block = 32;
        QStringList zeilen;
        mutable std::vector<qsizetype> zeichenVorBlock{0};
        // The characters of the lines before line `zeile` of the list.
        qsizetype zeichenBis(qsizetype zeile) const;
    };
    // Lines `von` to `von + anzahl` of a list that rolls may share.
    struct Lauf {
        std::shared_ptr<Zeilenliste> liste;
        qsizetype von = 0;
        qsizetype anzahl = 0;
        qsizetype zeichen() const {
            return liste->zeichenBis(von + anzahl) - liste->zeichenBis(von);
        }
    };

    void ersetzenAnkuendigen();
    void ersetztMelden(qsizetype von, qsizetype alteAnzahl, qsizetype neueAnzahl);
    void zeilenAnfuegen(QStringList neu);
    qsizetype laufVon(qsizetype zeile) const;
    qsizetype teilen(qsizetype zeile);
    void anfaengeAb(std::size_t lauf);
    void neuAufsetzen(QStringList zeilen);
    qsizetype zeichenVorLauf(std::size_t lauf) const;
    qsizetype zeichenVor(qsizetype zeile) const;
    void zeichenVergessenAb(std::size_t lauf) const;

    std::vector<Lauf> m_laeufe;
    std::vector<qsizetype> m_anfaenge; // the first roll line of each run
    // The characters before each of the first runs, as far as asked for since the runs changed.
    mutable std::vector<qsizetype> m_zeichenAnfaenge;
    qsizetype m_anzahl = 0;
    std::vector<RollenBeobachter*> m_beobachter;
};

// The separator line of the clearing block and the sign-in and sign-out blocks.
inline const QString Trennlinie = QString(30, QLatin1Char('-')) + QStringLiteral("  ");
