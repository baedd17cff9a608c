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

// The lines read so far.
class Zeilensammlung {
public:
    // `speichergrenze`: the bytes the lines may take, counted as the list and the strings take
    // them.
    explicit Zeilensammlung(qint64 speichergrenze) : m_rest(speichergrenze) {}

    // Takes the line, which should hold no more room than its characters; false, and nothing
    // taken, when it would pass the limit.
    bool aufnehmen(QString zeile);
    bool voll() const { return m_voll; }
    QStringList zeilen;

private:
    qint64 m_rest;
    bool m_voll = false;
};

// The roll's splitting rule over pieces of Windows-1252 text: a line ends at CR LF, a lone CR or
// a lone LF, also where the pieces divide a CR LF; text after the last break is a last line only
// when it is not empty.
class Textzerleger {
public:
    explicit Textzerleger(Zeilensammlung& zeilen) : m_zeilen(zeilen) {}
    // False when the lines pass the limit of the collection.
    bool stueck(QByteArrayView text);
    bool ende();

private:
    bool zeile(QByteArrayView schluss);

    Zeilensammlung& m_zeilen;
    QByteArray m_rest;     // the start of a line that the next piece goes on with
    bool m_nachCr = false; // the last piece ended with CR: a first LF belongs to it
};
