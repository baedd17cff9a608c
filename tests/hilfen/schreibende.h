#pragma once

// Writers caught in the middle: for the tests that kill a process while it writes a file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

// Whether the process holds a file of the folder other than `ziel` open with at least
// `mindestens` bytes but not yet `alle`: it is in the middle of writing it.
inline bool schreibtGerade(pid_t prozess, const QString& ordner, const QString& ziel,
                           qint64 mindestens, qint64 alle) {
    const QString fds = QStringLiteral("/proc/%1/fd/").arg(prozess);
    const QByteArray vorsatz = QFile::encodeName(QFileInfo(ordner).canonicalFilePath() + '/');
    for (const QString& fd :
         QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QByteArray pfad = QFile::encodeName(fds + fd);
        char wohin[4096];
        const ssize_t n = ::readlink(pfad.constData(), wohin, sizeof wohin);
        struct stat st {};
        if (n > 0 && QByteArrayView(wohin, n).startsWith(vorsatz) &&
            QByteArrayView(wohin, n) != vorsatz + QFile::encodeName(ziel) &&
            ::stat(pfad.constData(), &st) == 0 && st.st_size >= mindestens && st.st_size < alle)
            return true;
    }
    return false;
}

// Whether the folder's file system has unnamed files; without them the next write cleans up.
inline bool unbenannteDateien(const QString& ordner) {
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}
