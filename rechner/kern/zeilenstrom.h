#pragma once

// Roll files are read in pieces as they come, so that a file is never held whole beside the lines
// it gives: the pieces come from a Bytequelle, the lines go into a Zeilensammlung, which counts the
// memory they take against a limit instead of letting a file take all of it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The pieces of a document, in order.
class Bytequelle {
public:
    virtual ~Bytequelle() = default;
    // The next piece, valid until the next call; empty at the end.
    virtual QByteArrayView naechstesStueck() = 0;
};

// A document held in memory, in pieces of `stueck` bytes: by default as one piece.
class Speicherquelle : public Bytequelle {
public:
    explicit Speicherquelle(QByteArrayView alles, qsizetype stueck = -1)
        : m_alles(alles), m_stueck(stueck < 0 ? alles.size() : stueck) {}
    QByteArrayView naechstesStueck() override;

private:
    QByteArrayView m_alles;
    qsizetype m_stueck;
    qsizetype m_pos = 0;
};

// Takes pieces of another source until at least `anzahl` bytes are there or the source ends, so
// that the start of a document can be looked at, and gives them again first.
class Vorschau : public Bytequelle {
public:
    Vorschau(Bytequelle& quelle, qsizetype anzahl);
    QByteArrayView anfang() const { return m_anfang; }
    QByteArrayView naechstesStueck() override;

private:
    Bytequelle& m_quelle;
    QByteArray m_anfang;
    bool m_gegeben = false;
};

// The lines read so far, and the memory they take counted against a limit before it is taken.
class Zeilensammlung {
public:
    // `speichergrenze`: the bytes the lines may take, counted as the list and the strings take
    // them.
    explicit Zeilensammlung(qint64 speichergrenze) : m_rest(speichergrenze) {}

    // What a line of `zeichen` characters takes: its entry in the list, and for a line that is
    // not empty the string's header and characters as the allocator hands them out.
    static qint64 kosten(qsizetype zeichen);
    // Counts `bytes` about to be taken; false, and nothing counted, when they would pass the
    // limit (then voll()).
    bool belasten(qint64 bytes);
    // Gives back bytes counted before that are free again.
    void entlasten(qint64 bytes) { m_rest += bytes; }
    // The bytes left below the limit.
    qint64 rest() const { return m_rest; }
    bool voll() const { return m_voll; }

    QStringList zeilen;

private:
    qint64 m_rest;
    bool m_voll = false;
};

// The line being read. It is counted while it grows, before each growth is taken, so that a line
// past the limit is refused before it has taken the memory; a finished line goes to the list
// without a second copy of its characters beside it.
class Zeilenpuffer {
public:
    explicit Zeilenpuffer(Zeilensammlung& zeilen) : m_zeilen(zeilen) {}

    bool leer() const { return m_zeile.isEmpty(); }
    // False, and nothing appended, when the line would pass the limit.
    bool anhaengen(QChar zeichen);
    bool ansiAnhaengen(QByteArrayView bytes);
    // The line into the collection; the next starts empty. False when it would pass the limit.
    bool abgeben();
    // `schluss` appended and the line handed in: a line that came in one piece is converted
    // once, straight into the string the list keeps.
    bool ansiAbgeben(QByteArrayView schluss);

private:
    bool platz(qsizetype anzahl);

    Zeilensammlung& m_zeilen;
    QString m_zeile;
    qint64 m_belastet = 0; // counted for the room of m_zeile
};

// The roll's splitting rule over pieces of Windows-1252 text: a line ends at CR LF, a lone CR or
// a lone LF, also where the pieces divide a CR LF; text after the last break is a last line only
// when it is not empty.
class Textzerleger {
public:
    explicit Textzerleger(Zeilensammlung& zeilen) : m_zeile(zeilen) {}
    // False when the lines pass the limit of the collection.
    bool stueck(QByteArrayView text);
    bool ende();

private:
    Zeilenpuffer m_zeile;  // the start of a line that the next piece goes on with
    bool m_nachCr = false; // the last piece ended with CR: a first LF belongs to it
};
