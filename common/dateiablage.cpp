#include "common/dateiablage.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int Namensversuche = 100;

int ordnerOeffnen(const QString& ziel) {
    return ::open(QFile::encodeName(QFileInfo(ziel).path()).constData(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Unpredictable, so that nobody can plant an entry under it beforehand; short, so that a
// target whose name is as long as the platform allows still gets one.
QByteArray frischerName() {
    return QByteArrayLiteral(".ablage-") +
           QByteArray::number(QRandomGenerator::system()->generate64(), 16) +
           QByteArrayLiteral(".tmp");
}

} // namespace

Ablagedatei::Ablagedatei(const QString& ziel)
    : m_ordner(ordnerOeffnen(ziel)), m_zielname(QFile::encodeName(QFileInfo(ziel).fileName())) {
    if (m_ordner < 0 || m_zielname.isEmpty())
        return;
    for (int versuch = 0; versuch < Namensversuche && m_fd < 0; ++versuch) {
        m_name = frischerName();
        m_fd = ::openat(m_ordner, m_name.constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0)
        m_name.clear();
}

Ablagedatei::~Ablagedatei() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_ersetzt && !m_name.isEmpty())
        ::unlinkat(m_ordner, m_name.constData(), 0);
    if (m_ordner >= 0)
        ::close(m_ordner);
}

bool Ablagedatei::schreiben(const char* daten, qint64 laenge) {
    while (m_fd >= 0 && laenge > 0) {
        const ssize_t n = ::write(m_fd, daten, static_cast<size_t>(laenge));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        daten += n;
        laenge -= n;
    }
    return m_fd >= 0;
}

bool Ablagedatei::kopierenAus(int quelle) {
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(quelle, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!schreiben(puffer, n))
            return false;
    }
}

bool Ablagedatei::rechteSetzen(mode_t rechte) {
    return m_fd >= 0 && ::fchmod(m_fd, rechte) == 0;
}

bool Ablagedatei::ersetzen(Ziel ziel) {
    if (m_fd < 0)
        return false;
    // On disk before the rename: a crash afterwards finds the whole new file.
    const bool geschrieben = ::fsync(m_fd) == 0;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || !geschrieben)
        return false;
    struct stat st {};
    if (ziel == Ziel::NurDatei &&
        ::fstatat(m_ordner, m_zielname.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(st.st_mode))
        return false;
    if (::renameat(m_ordner, m_name.constData(), m_ordner, m_zielname.constData()) != 0)
        return false;
    m_ersetzt = true;
    ::fsync(m_ordner);
    return true;
}

bool ersetzbar(const QString& pfad) {
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

bool istVerknuepfung(const QString& pfad) {
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

int regulaereDateiOeffnen(const QString& pfad, struct stat& info) {
    const int fd =
        ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
