#pragma once

// Files for the tests of any framework: bytes in and out, a folder's entries, entries given to
// another user, and a limit on the size of written files that makes the platform fail a write
// in the middle. GoogleTest's tests take dateien.h, which fails the test on a failed write.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// The file's bytes, or "<fehlt>" when it cannot be read.
inline QByteArray dateiBytes(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return "<fehlt>";
    return datei.readAll();
}

// Creates or replaces the file with the bytes; false when that fails.
[[nodiscard]] inline bool dateiSchreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           datei.write(bytes) == bytes.size() && datei.flush();
}

// Every entry of a folder, hidden ones included: a left-over temporary file shows here.
inline QStringList eintraege(const QString& ordner) {
    return QDir(ordner).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Gives a file, folder or link to another user. Only a privileged process can; tests that need
// it skip where it is refused (an ordinary user, or root of a user namespace without that id).
constexpr uid_t FremderNutzer = 4242;
inline bool fremdemGeben(const QString& pfad) {
    return ::lchown(QFile::encodeName(pfad).constData(), FremderNutzer, FremderNutzer) == 0;
}

// While it lives, a write past `bytes` bytes into any file fails with EFBIG, as on a full disk.
class Schreibgrenze {
public:
    explicit Schreibgrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_alt);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = m_alt;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Schreibgrenze() {
        setrlimit(RLIMIT_FSIZE, &m_alt);
        std::signal(SIGXFSZ, m_signal);
    }
    Schreibgrenze(const Schreibgrenze&) = delete;
    Schreibgrenze& operator=(const Schreibgrenze&) = delete;

private:
    rlimit m_alt{};
    void (*m_signal)(int) = nullptr;
};
