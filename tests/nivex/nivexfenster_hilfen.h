#pragma once

// Finding the updater window's widgets by objectName, reading their texts and ticking its step
// timers by hand, for the window tests.

#include "nivex/fenster/updatefenster.h"

#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTimer>

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
