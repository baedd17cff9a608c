#pragma once

// The log messages of the programs, caught while a Protokollfang lives: "category: text" each.

#include <QLoggingCategory>
#include <QStringList>

class Protokollfang {
public:
    Protokollfang() : m_vorher(qInstallMessageHandler(&fangen)) { aktiv() = this; }
    ~Protokollfang() {
        qInstallMessageHandler(m_vorher);
        aktiv() = nullptr;
    }
    Protokollfang(const Protokollfang&) = delete;
    Protokollfang& operator=(const Protokollfang&) = delete;

    QStringList meldungen;

private:
    static Protokollfang*& aktiv() {
        static Protokollfang* fang = nullptr;
        return fang;
    }
    static void fangen(QtMsgType, const QMessageLogContext& kontext, const QString& text) {
        aktiv()->meldungen << QString::fromLatin1(kontext.category) + QStringLiteral(": ") + text;
    }

    QtMessageHandler m_vorher;
};
