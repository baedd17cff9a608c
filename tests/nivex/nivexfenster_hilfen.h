#pragma once

// Finding the updater window's widgets by objectName, reading their texts and ticking its step
// timers by hand, and the base of the window tests.

#include "nivex/fenster/updatefenster.h"
#include "tests/hilfen/boxrekorder.h"
#include "tests/hilfen/testserver.h"
#include "tests/nivex/probewelt.h"

#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>

template <typename T> T* feld(Updatefenster& f, const char* name) {
    return f.findChild<T*>(QString::fromLatin1(name));
}

inline QString text(Updatefenster& f, const char* name) {
    if (auto* memo = feld<QPlainTextEdit>(f, name))
        return memo->toPlainText();
    return feld<QLabel>(f, name)->text();
}

inline void ticks(Updatefenster& f, const char* timer, int anzahl) {
    for (int i = 0; i < anzahl; ++i)
        QMetaObject::invokeMethod(feld<QTimer>(f, timer), "timeout");
}

// A window as started by Rechner: the version line on the clipboard; shown and activated.
inline std::unique_ptr<Updatefenster> gestartetesFenster(Probewelt& welt, const QString& server,
                                                         const QString& ordner) {
    welt.ablage = QStringLiteral("Aktuelle Version: 2.1.4.0");
    auto f = std::make_unique<Updatefenster>(welt, server, ordner + u'/');
    f->show();
    f->activateWindow();
    return f;
}

// What every window test of the updater has: the test server, a program folder, a recorder of
// the boxes (a test makes one for each case: every box the case does not take fails it), and a
// window started from that folder.
class Nivexfenstertest : public QObject {
protected:
    Testserver m_server;
    QTemporaryDir m_ordner;
    std::optional<Boxrekorder> m_boxen;

    std::unique_ptr<Updatefenster> fenster(Probewelt& welt) {
        return gestartetesFenster(welt, m_server.basisadresse(), m_ordner.path());
    }
};
