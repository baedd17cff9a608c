#include "common/dateizugriff.h"

#include "common/dateiziel.h"
#include "common/protokoll.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <optional>
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
    EaWerfen(fehler, fehler == ENOENT && ordnerFehlt(pfad));
}

// The platform refuses a directory and a read-only file as targets; here a file without any
// write permission is read-only, also for the administrator. The rights the new file keeps.
std::optional<mode_t> zielPruefen(const Dateiziel& ziel) {
    struct stat st {};
    const char* name = ziel.name.constData();
    // A missing file, or a link that leads nowhere, is simply replaced.
    if (::fstatat(ziel.ordner.fd(), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(st.st_mode))
        return std::nullopt;
    // Only a regular file is replaced: a rename over a device or a pipe would take its place.
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0)
        throw EaFehler(5);
    if (::faccessat(ziel.ordner.fd(), name, W_OK, 0) != 0 && errno != ENOENT)
        EaWerfen(errno);
    return st.st_mode & 07777;
}

// The rename is made durable too; a failure here changes nothing that was already written.
void ordnerSynchronisieren(int ordner) {
    const Deskriptor lesbar(::openat(ordner, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lesbar.offen())
        ::fsync(lesbar.fd());
}

// False when the temporary file could not be named: nothing has changed then.
bool ersetzenMit(const Dateiziel& ziel, QByteArrayView inhalt, std::optional<mode_t> rechte,
                 Zwischendateiart art) {
    Zwischendatei datei(ziel.ordner.fd(), art);
    datei.schreiben(inhalt);
    if (rechte)
        datei.rechte(*rechte);
    return datei.ersetzen(ziel.name);
}

} // namespace

EaFehler::EaFehler(int nummer, int ursache)
    : Fehler(EaText(nummer)), m_nummer(nummer), m_ursache(ursache) {}

void EaWerfen(int fehler, bool ordnerFehlt) {
    throw EaFehler(EaNummer(fehler, ordnerFehlt), fehler);
}

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

void DateifehlerProtokollieren(const char* vorgang, const QString& pfad, const Fehler& fehler) {
    const auto* ea = dynamic_cast<const EaFehler*>(&fehler);
    const QString ursache = ea && ea->ursache()
                                ? QStringLiteral(" (%1)").arg(qt_error_string(ea->ursache()))
                                : QString();
    qCWarning(dateiProtokoll).nospace()
        << vorgang << " " << pfad << " failed: " << qUtf8Printable(fehler.text() + ursache);
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
        EaWerfen(fehler);
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

void DateiErsetzen(const QString& pfad, QByteArrayView inhalt, Zwischendateiart art) {
    const Dateiziel ziel = ZielAufloesen(pfad);
    const std::optional<mode_t> rechte = zielPruefen(ziel);
    ResteEntfernen(ziel.ordner.fd());
    if (!ersetzenMit(ziel, inhalt, rechte, art))
        ersetzenMit(ziel, inhalt, rechte, Zwischendateiart::Benannt);
    ordnerSynchronisieren(ziel.ordner.fd());
}
