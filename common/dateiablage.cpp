#include "common/dateiablage.h"

#include "common/dateizugriff.h"
#include "common/protokoll.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Copies what is left to read from `quelle`; false when reading fails.
bool kopieren(int quelle, Zwischendatei& ziel) {
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(quelle, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        ziel.schreiben(QByteArrayView(puffer, n));
    }
}

} // namespace

Ablagedatei::Ablagedatei(const QString& ziel)
    : m_ziel(ziel), m_zielname(QFile::encodeName(QFileInfo(ziel).fileName())),
      m_ordner(::open(QFile::encodeName(QFileInfo(ziel).path()).constData(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (!m_ordner.offen()) {
        fehlgeschlagen("opening the folder", errno);
        return;
    }
    if (m_zielname.isEmpty()) {
        fehlgeschlagen("naming the file", 0);
        return;
    }
    ResteEntfernen(m_ordner.fd());
    try {
        m_datei = std::make_unique<Zwischendatei>(m_ordner.fd(), Zwischendateiart::Unbenannt);
    } catch (const EaFehler& fehler) {
        fehlgeschlagen("creating the new file", fehler.ursache());
    }
}

bool Ablagedatei::schreiben(const char* daten, qint64 laenge) {
    if (!m_datei)
        return false;
    try {
        m_datei->schreiben(QByteArrayView(daten, laenge));
        return true;
    } catch (const EaFehler& fehler) {
        fehlgeschlagen("writing", fehler.ursache());
    }
    m_datei.reset();
    return false;
}

bool Ablagedatei::kopierenAus(int quelle) {
    if (!m_datei)
        return false;
    try {
        if (kopieren(quelle, *m_datei))
            return true;
        fehlgeschlagen("reading the source", errno);
    } catch (const EaFehler& fehler) {
        fehlgeschlagen("writing", fehler.ursache());
    }
    m_datei.reset();
    return false;
}

bool Ablagedatei::rechteSetzen(mode_t rechte) {
    if (m_datei && m_datei->rechte(rechte))
        return true;
    if (m_datei)
        fehlgeschlagen("setting the mode", errno);
    return false;
}

bool Ablagedatei::ersetzen(Ziel ziel) {
    if (!m_datei)
        return false;
    try {
        if (!m_datei->sichern() && !benanntSichern())
            return false;
        struct stat st {};
        if (ziel == Ziel::NurDatei &&
            ::fstatat(m_ordner.fd(), m_zielname.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            !S_ISREG(st.st_mode)) {
            fehlgeschlagen("replacing what is no regular file", 0);
            m_datei.reset();
            return false;
        }
        m_datei->umbenennen(m_zielname);
    } catch (const EaFehler& fehler) {
        fehlgeschlagen("putting the new file in place", fehler.ursache());
        m_datei.reset();
        return false;
    }
    m_datei.reset();
    // The rename is made durable too.
    ::fsync(m_ordner.fd());
    return true;
}

// Where this process cannot name an unnamed file (no /proc, no privilege), what it holds goes
// into a named one, with its mode.
bool Ablagedatei::benanntSichern() {
    auto benannt = std::make_unique<Zwischendatei>(m_ordner.fd(), Zwischendateiart::Benannt);
    struct stat st {};
    if (::fstat(m_datei->fd(), &st) != 0 || ::lseek(m_datei->fd(), 0, SEEK_SET) != 0 ||
        !kopieren(m_datei->fd(), *benannt))
        EaWerfen(errno);
    benannt->rechte(st.st_mode & 07777);
    m_datei = std::move(benannt);
    return m_datei->sichern();
}

void Ablagedatei::fehlgeschlagen(const char* schritt, int ursache) {
    const QString warum = ursache ? qt_error_string(ursache) : QStringLiteral("refused");
    qCWarning(dateiProtokoll).nospace()
        << "New file for " << m_ziel << ": " << schritt << " failed: " << qUtf8Printable(warum);
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
