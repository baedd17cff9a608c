#pragma once

// The models of the three windows as the program makes them, the dialogs answered from a
// script, and a temporary data folder in place of the user's.

#include "common/ansi.h"
#include "tests/hilfen/ausgabe.h"
#include "tests/hilfen/testprogramm.h"
#include "tests/kern/fehlervon.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class StartTest : public ::testing::Test, protected Testprogramm {
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

    QTemporaryDir m_tmp;
};
