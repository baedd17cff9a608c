#pragma once

// A data folder of the fuzz run's own, and the bytes of a fuzz input written as a file in it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

inline QString fuzzDatenordner() {
    static QTemporaryDir basis;
    static const bool angelegt = [] {
        qputenv("XDG_DATA_HOME", QFile::encodeName(basis.path()));
        return QDir().mkpath(basis.filePath(QStringLiteral("Morvane/Rechner")));
    }();
    if (!angelegt)
        std::abort();
    return basis.filePath(QStringLiteral("Morvane/Rechner/"));
}

inline void fuzzDateiAnlegen(const QString& name, const uint8_t* daten, size_t groesse) {
    QFile datei(fuzzDatenordner() + name);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datei.write(reinterpret_cast<const char*>(daten), static_cast<qint64>(groesse)) !=
            static_cast<qint64>(groesse))
        std::abort();
}
