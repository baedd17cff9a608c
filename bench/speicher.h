#pragma once

// The process's resident memory from /proc/self/status, for the benchmarks' memory counters.

#include <QByteArray>
#include <QFile>

namespace speicher {

inline double statuswertMB(const char* feld) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(feld) + ':';
    for (const QByteArray& zeile : status.readAll().split('\n')) {
        if (zeile.startsWith(name))
            return zeile.mid(name.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// Resident memory now (VmRSS).
inline double residentMB() {
    return statuswertMB("VmRSS");
}

// The peak resident memory (VmHWM) is reset before a run and read after it, so that each
// benchmark reports its own peak.
inline void spitzeZuruecksetzen() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

inline double spitzeMB() {
    return statuswertMB("VmHWM");
}

} // namespace speicher
