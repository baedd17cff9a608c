#include "rechner/kern/dateizugriff.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int NichtGenugSpeicher = 8;
constexpr int Speicherplatz = 101; // a write stored fewer bytes than asked
constexpr int PlatteVoll = 112;    // the platform reports the disk full

bool ordnerFehlt(const QString& pfad) {
    return !QFileInfo(QFileInfo(pfad).absolutePath()).isDir();
}

[[noreturn]] void werfen(int fehler, const QString& pfad) {
    throw EaFehler(EaNummer(fehler, fehler == ENOENT && ordnerFehlt(pfad)));
}

// The file that a write replaces: a symbolic link is followed, so that the file it names gets
// the new content and the link stays.
QString zielVon(const QString& pfad) {
    const QFileInfo info(pfad);
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return pfad;
}

// The platform refuses a directory and a read-only file as targets; here a file without any
// write permission is read-only, also for the administrator.
void zielPruefen(const QByteArray& ziel) {
    struct stat st {};
    if (::stat(ziel.constData(), &st) != 0)
        return;
    // Only a regular file is replaced: a rename over a device or a pipe would take its place.
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0)
        throw EaFehler(5);
    if (::access(ziel.constData(), W_OK) != 0 && errno != ENOENT)
        throw EaFehler(EaNummer(errno, false));
}

class Zwischendatei {
public:
    explicit Zwischendatei(const QString& ziel) {
        const QFileInfo info(ziel);
        for (int versuch = 0; versuch < 100 && m_fd < 0; ++versuch) {
            // A short name of its own, so that a target whose name is as long as the platform
            // allows can still be written.
            m_pfad = QFile::encodeName(
                info.absolutePath() +
                QStringLiteral("/.rechner-%1.tmp")
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            m_fd = ::open(m_pfad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                throw EaFehler(EaNummer(errno, errno == ENOENT));
        }
        if (m_fd < 0)
            throw EaFehler(EaNummer(EEXIST, false));
    }
    ~Zwischendatei() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_uebergeben)
            ::unlink(m_pfad.constData());
    }
    Zwischendatei(const Zwischendatei&) = delete;
    Zwischendatei& operator=(const Zwischendatei&) = delete;

    void rechteVon(const QByteArray& ziel) {
        struct stat st {};
        if (::stat(ziel.constData(), &st) == 0)
            ::fchmod(m_fd, st.st_mode & 07777);
    }

    void schreiben(QByteArrayView inhalt) {
        const char* daten = inhalt.data();
        qsizetype rest = inhalt.size();
        while (rest > 0) {
            const ssize_t n = ::write(m_fd, daten, static_cast<size_t>(rest));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw EaFehler(EaNummer(errno, false));
            if (n < rest)
                throw EaFehler(Speicherplatz);
            daten += n;
            rest -= n;
        }
    }

    // Flushed and closed before the rename: a crash after it finds the whole new file.
    void uebergeben(const QByteArray& ziel) {
        if (::fsync(m_fd) != 0)
            throw EaFehler(EaNummer(errno, false));
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            throw EaFehler(EaNummer(errno, false));
        if (::rename(m_pfad.constData(), ziel.constData()) != 0)
            throw EaFehler(EaNummer(errno, false));
        m_uebergeben = true;
    }

private:
    QByteArray m_pfad;
    int m_fd = -1;
    bool m_uebergeben = false;
};

// The rename is made durable too; a failure here changes nothing that was already written.
void ordnerSynchronisieren(const QString& ziel) {
    const int fd = ::open(QFile::encodeName(QFileInfo(ziel).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

EaFehler::EaFehler(int nummer) : Fehler(EaText(nummer)), m_nummer(nummer) {}

QString EaText(int nummer) {
    switch (nummer) {
    case 2:
        return Fehlertexte::DateiNichtGefunden;
    case 3:
        return Fehlertexte::UngueltigerDateiname;
    case 4:
        return Fehlertexte::ZuVieleDateien;
    case 5:
        return Fehlertexte::ZugriffVerweigert;
    case Speicherplatz:
        return Fehlertexte::ZuWenigSpeicherplatz;
    default:
        return Fehlertexte::eaFehler(nummer);
    }
}

int EaNummer(int fehler, bool ordnerFehlt) {
    switch (fehler) {
    case ENOENT:
        return ordnerFehlt ? 3 : 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case ENOMEM:
        return NichtGenugSpeicher;
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EEXIST:
        return 80;
    case ENOSPC:
    case EDQUOT:
        return PlatteVoll;
    case EFBIG:
        return Speicherplatz;
    case EIO:
        return 1117;
    default:
        return fehler;
    }
}

// Opened without waiting, so that a named pipe without a writer reads as empty instead of
// blocking the window; the reads themselves wait as usual.
Lesedatei::Lesedatei(const QString& pfad) {
    m_fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        werfen(errno, pfad);
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
}

Lesedatei::~Lesedatei() {
    ::close(m_fd);
}

bool Lesedatei::weiterlesen(QByteArray& ziel, qsizetype anzahl) {
    const qsizetype alt = ziel.size();
    ziel.resize(alt + anzahl);
    ssize_t n;
    do {
        n = ::read(m_fd, ziel.data() + alt, static_cast<size_t>(anzahl));
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        const int fehler = errno;
        ziel.resize(alt);
        throw EaFehler(EaNummer(fehler, false));
    }
    ziel.resize(alt + n);
    return n > 0;
}

QByteArray DateiLesen(const QString& pfad, qint64 hoechstens) {
    Lesedatei datei(pfad);
    QByteArray inhalt;
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        if (st.st_size > hoechstens)
            throw EaFehler(NichtGenugSpeicher);
        inhalt.reserve(static_cast<qsizetype>(st.st_size) + 1);
    }
    // Reads into the space reserved for the known size; the last read only finds the end.
    constexpr qsizetype Stueck = 1 << 20;
    for (;;) {
        const qsizetype frei = inhalt.capacity() - inhalt.size();
        if (!datei.weiterlesen(inhalt, frei > 0 ? frei : Stueck))
            break;
        if (inhalt.size() > hoechstens)
            throw EaFehler(NichtGenugSpeicher);
    }
    return inhalt;
}

void DateiErsetzen(const QString& pfad, QByteArrayView inhalt) {
    const QString ziel = zielVon(pfad);
    const QByteArray zielName = QFile::encodeName(ziel);
    zielPruefen(zielName);
    Zwischendatei zwischen(ziel);
    zwischen.rechteVon(zielName);
    zwischen.schreiben(inhalt);
    zwischen.uebergeben(zielName);
    ordnerSynchronisieren(ziel);
}
