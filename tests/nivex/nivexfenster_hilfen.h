#pragma once

// Finding the updater window's widgets by objectName, reading their texts and ticking its step
// timers by hand, for the window tests.

#include "nivex/fenster/updatefenster.h"
#include "tests/nivex/probewelt.h"

#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTimer>
#include <memory>

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
