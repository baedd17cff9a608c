#pragma once

// What the updater's logic asks of the outside world. The window implements it with Qt and the
// web functions of common/; tests implement it with scripted answers.

#include <QString>

class Ablagedatei;

class NivexAussenwelt {
public:
    virtual ~NivexAussenwelt() = default;
    // The web fetch Open_Internet: the text read, empty when nothing could be read.
    virtual QString abrufen(const QString& url) = 0;
    // Downloads a URL into a new file, which the caller puts in place; false when it failed.
    virtual bool herunterladen(const QString& url, Ablagedatei& datei) = 0;
    // The clipboard's text, empty when it holds none.
    virtual QString zwischenablage() const = 0;
    // A message box with OK, captioned "Nivex"; returns once it is closed.
    virtual void meldung(const QString& text) = 0;
    // Starts a program file without waiting for it; result ignored.
    virtual void starten(const QString& programm) = 0;
};
