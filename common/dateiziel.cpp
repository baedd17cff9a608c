#include "common/dateiziel.h"

#include "common/eafehler.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace {

constexpr int HoechstSpruenge = 40; // the kernel's limit of links on one path

[[noreturn]] void ordnerFehler(int fehler) {
    eaWerfen(fehler, true);
}

// O_NOFOLLOW: a folder swapped for a link after it was looked at is refused, not followed.
Deskriptor ordnerOeffnen(int basis, const char* name) {
    const int fd = ::openat(basis, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        ordnerFehler(errno);
    return Deskriptor(fd);
}

Deskriptor kopie(int fd) {
    Deskriptor neu(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    if (!neu.offen())
        eaWerfen(errno);
    return neu;
}

// In a sticky folder that everybody may write to, anybody may plant a link; only the user's
// own links and those of the folder's owner are trusted there.
void verweisPruefen(int ordner, const struct stat& verweis) {
    struct stat st {};
    if (::fstat(ordner, &st) != 0)
        eaWerfen(errno);
    const bool geteilt = (st.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    if (geteilt && verweis.st_uid != ::geteuid() && verweis.st_uid != st.st_uid)
        throw EaFehler(Ea::ZugriffVerweigert);
}

QByteArray verweisText(int ordner, const QByteArray& name) {
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlinkat(ordner, name.constData(), text.data(), PATH_MAX);
    if (n < 0)
        ordnerFehler(errno);
    if (n >= PATH_MAX)
        ordnerFehler(ENAMETOOLONG);
    text.truncate(n);
    return text;
}

// Walks `pfad` from the folder `basis` as the kernel does, every component a folder, with the
// rule above for each link on the way.
Deskriptor ordnerGehen(int basis, const QByteArray& pfad, int& spruenge) {
    Deskriptor ordner = ordnerOeffnen(basis, pfad.startsWith('/') ? "/" : ".");
    for (const QByteArray& teil : pfad.split('/')) {
        if (teil.isEmpty() || teil == ".")
            continue;
        struct stat st {};
        if (teil != ".." && ::fstatat(ordner.fd(), teil.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            ordnerFehler(errno);
        if (teil == ".." || !S_ISLNK(st.st_mode)) {
            ordner = ordnerOeffnen(ordner.fd(), teil.constData());
            continue;
        }
        verweisPruefen(ordner.fd(), st);
        if (++spruenge > HoechstSpruenge)
            ordnerFehler(ELOOP);
        ordner = ordnerGehen(ordner.fd(), verweisText(ordner.fd(), teil), spruenge);
    }
    return ordner;
}

// A name that can only mean a folder.
bool ordnerName(const QByteArray& name) {
    return name.isEmpty() || name == "." || name == "..";
}

// The entry that `name` leads to over links: an existing one, or a missing name in an existing
// folder, which a write creates there as any editor does, so that a link to a file still to come
// stays a link. Nothing when they lead into a missing folder or round in a loop.
std::optional<Dateiziel> gefolgtesZiel(Deskriptor ordner, QByteArray name, int& spruenge) {
    for (;;) {
        if (ordnerName(name))
            throw EaFehler(Ea::ZugriffVerweigert);
        struct stat st {};
        if (::fstatat(ordner.fd(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                return Dateiziel{std::move(ordner), std::move(name)};
            ordnerFehler(errno);
        }
        if (!S_ISLNK(st.st_mode))
            return Dateiziel{std::move(ordner), std::move(name)};
        verweisPruefen(ordner.fd(), st);
        if (++spruenge > HoechstSpruenge)
            return std::nullopt;
        const QByteArray text = verweisText(ordner.fd(), name);
        const qsizetype schnitt = text.lastIndexOf('/') + 1;
        try {
            ordner = ordnerGehen(ordner.fd(), text.left(schnitt), spruenge);
        } catch (const EaFehler& fehler) {
            if (fehler.nummer() != Ea::OrdnerFehlt) // missing or looping: the link leads nowhere
                throw;
            return std::nullopt;
        }
        name = text.mid(schnitt);
    }
}

Dateiziel aufloesen(Deskriptor ordner, QByteArray name, Verweise regel, int spruenge) {
    if (ordnerName(name))
        throw EaFehler(Ea::ZugriffVerweigert);
    if (regel != Verweise::Folgen)
        return Dateiziel{std::move(ordner), std::move(name)};
    std::optional<Dateiziel> ziel = gefolgtesZiel(kopie(ordner.fd()), name, spruenge);
    if (ziel)
        return std::move(*ziel);
    return Dateiziel{std::move(ordner), std::move(name)};
}

} // namespace

QByteArray pfadbytes(const QString& pfad) {
    QByteArray bytes = QFile::encodeName(pfad);
    if (pfad.contains(QChar::ReplacementCharacter) || bytes.contains('\0') ||
        QFile::decodeName(bytes) != pfad)
        throw Ursachenfehler(Fehlertexte::dateinameNichtDarstellbar(pfad));
    return bytes;
}

Deskriptor ordnerOeffnen(const QString& pfad) {
    int spruenge = 0;
    return ordnerGehen(AT_FDCWD, pfadbytes(pfad), spruenge);
}

Deskriptor unterordner(int ordner, const QString& name) {
    const QByteArray bytes = pfadbytes(name);
    if (ordnerName(bytes) || bytes.contains('/'))
        ordnerFehler(ENOENT);
    return ordnerOeffnen(ordner, bytes.constData());
}

Dateiziel zielAufloesen(int ordner, const QString& name, Verweise regel) {
    const QByteArray bytes = pfadbytes(name);
    if (bytes.contains('/'))
        throw EaFehler(Ea::OrdnerFehlt);
    return aufloesen(kopie(ordner), bytes, regel, 0);
}

Dateiziel zielAufloesen(const QString& pfad, Verweise regel) {
    const QByteArray roh = pfadbytes(pfad);
    const qsizetype schnitt = roh.lastIndexOf('/') + 1;
    int spruenge = 0;
    Deskriptor ordner = ordnerGehen(AT_FDCWD, roh.left(schnitt), spruenge);
    return aufloesen(std::move(ordner), roh.mid(schnitt), regel, spruenge);
}
