#pragma once

// The models of the three windows over one set of program-wide values, the dialogs answered
// from a script, and a temporary data folder in place of the user's.

#include "common/ansi.h"
#include "common/fehler.h"
#include "rechner/kern/anmeldung.h"
#include "rechner/kern/programmstart.h"
#include "rechner/kern/registrierung.h"
#include "tests/hilfen/ausgabe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

// Answers the dialogs in order and writes down every dialog shown. An answer not scripted is
// the cancel of that dialog.
class DialogSkript : public Dialoge {
public:
    void meldung(const QString& text) override { protokoll << QStringLiteral("meldung: ") + text; }
    Antwort frage(const QString& text) override {
        protokoll << QStringLiteral("frage: ") + text;
        return naechste(antworten, Antwort::Abgebrochen);
    }
    std::optional<QString> speichernDialog(const QString& dateiname) override {
        protokoll << QStringLiteral("speichern: ") + dateiname;
        return naechste(dateien, std::optional<QString>());
    }
    std::optional<QString> oeffnenDialog(const std::optional<QString>& dateiname) override {
        protokoll << QStringLiteral("oeffnen: ") + dateiname.value_or(QStringLiteral("-"));
        return naechste(dateien, std::optional<QString>());
    }

    QStringList protokoll;
    std::deque<Antwort> antworten;
    std::deque<std::optional<QString>> dateien; // chosen in the save and open dialogs

private:
    template <typename T> static T naechste(std::deque<T>& liste, T sonst) {
        if (liste.empty())
            return sonst;
        T erste = liste.front();
        liste.pop_front();
        return erste;
    }
};

inline const QString Titel = QStringLiteral("Quorvendaltabulix 2.1.4.0");

class StartTest : public ::testing::Test {
protected:
    StartTest() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_tmp.path())); }

    // The data folder Morvane/Rechner/, with a trailing "/".
    QString ordner() const { return m_tmp.path() + QStringLiteral("/Morvane/Rechner/"); }
    void ordnerAnlegen() const { QDir().mkpath(ordner()); }
    void schreiben(const QString& name, const QByteArray& bytes) const {
        QFile datei(ordner() + name);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(bytes);
    }
    QByteArray lesen(const QString& name) const {
        QFile datei(ordner() + name);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }
    // Lines in Windows-1252, each ended by CR LF.
    static QByteArray crlf(const QStringList& zeilen) {
        QByteArray bytes;
        for (const QString& zeile : zeilen)
            bytes += textZuAnsi(zeile) + "\r\n";
        return bytes;
    }
    void einstellungen(const QStringList& zeilen) const {
        ordnerAnlegen();
        schreiben(QStringLiteral("AUTMV.txt"), crlf(zeilen));
    }
    void nutzer(const QStringList& zeilen) const {
        ordnerAnlegen();
        schreiben(QStringLiteral("KRAMV.txt"), crlf(zeilen));
    }
    // The error text an operation raises, or empty.
    template <typename F> static QString fehlerVon(F&& operation) {
        try {
            operation();
        } catch (const Fehler& f) {
            return f.text();
        }
        return {};
    }

    QTemporaryDir m_tmp;
    Programmwerte w;
    Hauptmodell haupt{w};
    DialogSkript dialoge;
    Registrierung reg{w, haupt, dialoge};
    Anmeldung anmeldung{haupt, reg};
    int schliessen = 0; // how often the main window was asked to close
    Programmstart start{reg, Titel, [this] {
                            ++schliessen;
                        }};
};
