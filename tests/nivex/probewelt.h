#pragma once

// The updater's outside world for tests: the real web functions (against the local test
// server), a scripted clipboard, and recorded message boxes and program starts.

#include "common/ansi.h"
#include "common/web.h"
#include "nivex/kern/aussenwelt.h"
#include "tests/hilfen/ausgabe.h"

#include <QStringList>
#include <functional>

class Probewelt : public NivexAussenwelt {
public:
    QString ablage;
    QStringList meldungen;
    QStringList starts;
    // Called inside each download and each message box, as the window's event loop would run.
    std::function<void(const QString& url)> beimHerunterladen;
    std::function<void()> beiMeldung;

    QString abrufen(const QString& url) override { return Open_Internet(url); }
    bool herunterladen(const QString& url, Ablagedatei& datei) override {
        if (beimHerunterladen)
            beimHerunterladen(url);
        return ::herunterladen(url, datei);
    }
    QString zwischenablage() const override { return ablage; }
    void meldung(const QString& text) override {
        meldungen << text;
        if (beiMeldung)
            beiMeldung();
    }
    void starten(const QString& programm) override { starts << programm; }
};

// A version file as the server holds it: Windows-1252, lines joined by `umbruch`.
inline QByteArray versionsdatei(const QStringList& zeilen, const QString& umbruch = "\r\n") {
    return textZuAnsi(zeilen.join(umbruch));
}

// Line 2 with the help flag at its characters 19 and 20.
inline QString hilfezeile(const QString& flag) {
    return QStringLiteral("Hilfedatei dabei: ") + flag + QStringLiteral(" ja");
}
