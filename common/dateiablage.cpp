#include "common/dateiablage.h"

#include "common/eafehler.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the entry `st` at the target may be replaced under the rule.
bool ersetzbar(const struct stat& st, Verweise regel) {
    if (S_ISREG(st.st_mode))
        return true;
    if (S_ISDIR(st.st_mode))
        return false;
    return regel == Verweise::Ersetzen;
}

// Refuses an entry the rule does not let the new file replace; nothing is no entry.
void zielPruefen(const Dateiziel& ziel, Verweise regel) {
    struct stat st {};
    if (::fstatat(ziel.ordner.fd(), ziel.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            eaWerfen(errno);
        return;
    }
    // With Folgen a link left at the target leads into a missing folder or round in a loop: there
    // is nothing to create, and the link is the user's, which stays.
    if (S_ISLNK(st.st_mode) && regel == Verweise::Folgen)
        throw EaFehler(Ea::OrdnerFehlt, ENOENT);
    if (!ersetzbar(st, regel))
        throw EaFehler(Ea::ZugriffVerweigert);
}

// What the new file takes over from the old one.
struct Altdatei {
    mode_t rechte;
    uid_t besitzer;
    gid_t gruppe;
};

// The calculator's rule: here a file without any write permission is read-only, also for the
// administrator. Nothing for a missing file or a link that leads nowhere.
std::optional<Altdatei> alteDatei(const Dateiziel& ziel) {
    struct stat st {};
    const char* name = ziel.name.constData();
    if (::fstatat(ziel.ordner.fd(), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(st.st_mode))
        return std::nullopt;
    if ((st.st_mode & 0222) == 0)
        throw EaFehler(Ea::ZugriffVerweigert);
    if (::faccessat(ziel.ordner.fd(), name, W_OK, 0) != 0 && errno != ENOENT)
        eaWerfen(errno);
    return Altdatei{st.st_mode & 07777, st.st_uid, st.st_gid};
}

// Copies what is left to read from `quelle`.
void kopieren(int quelle, Zwischendatei& ziel) {
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(quelle, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            eaWerfen(errno);
        if (n == 0)
            return;
        ziel.schreiben(QByteArrayView(puffer, n));
    }
}

// The rename is made durable too; a failure here changes nothing that was already written.
void ordnerSynchronisieren(int ordner) {
    const Deskriptor lesbar(::openat(ordner, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lesbar.offen())
        ::fsync(lesbar.fd());
}

// The mode is looked at after it is set: the platform drops the setgid bit of a file whose group
// the writer is not in without an error.
struct stat rechteAuf(Zwischendatei& datei, mode_t rechte) {
    const int fehler = datei.rechte(rechte) ? EPERM : errno;
    struct stat st {};
    if (::fstat(datei.fd(), &st) != 0)
        eaWerfen(errno);
    if ((st.st_mode & 07777) != rechte)
        eaWerfen(fehler);
    return st;
}

// Owner and group before the mode, which a change of owner clears the setgid bit of. Users who
// share a file through its group keep it theirs: the group where the writer is a member of it,
// the owner too where the writer may give files away (root). A setgid bit means the old group
// only: where that group cannot be kept, the mode cannot be kept either.
void uebernehmen(Zwischendatei& datei, const Altdatei& alt) {
    if (::fchown(datei.fd(), alt.besitzer, alt.gruppe) != 0)
        ::fchown(datei.fd(), uid_t(-1), alt.gruppe); // else the writer's group, as for a new file
    const struct stat st = rechteAuf(datei, alt.rechte);
    if ((alt.rechte & S_ISGID) && st.st_gid != alt.gruppe)
        throw EaFehler(Ea::ZugriffVerweigert);
}

} // namespace

Ablagedatei::Ablagedatei(const QString& pfad, Verweise regel, Zwischendateiart art)
    : m_ziel(zielAufloesen(pfad, regel)), m_regel(regel) {
    anlegen(art);
}

Ablagedatei::Ablagedatei(int ordner, const QString& name, Verweise regel, Zwischendateiart art)
    : m_ziel(zielAufloesen(ordner, name, regel)), m_regel(regel) {
    anlegen(art);
}

void Ablagedatei::anlegen(Zwischendateiart art) {
    zielPruefen(m_ziel, m_regel);
    const std::optional<Altdatei> alt =
        m_regel == Verweise::Folgen ? alteDatei(m_ziel) : std::nullopt;
    resteEntfernen(m_ziel.ordner.fd());
    m_datei = std::make_unique<Zwischendatei>(m_ziel.ordner.fd(), art);
    if (alt)
        uebernehmen(*m_datei, *alt);
}

void Ablagedatei::schreiben(QByteArrayView inhalt) {
    m_datei->schreiben(inhalt);
}

void Ablagedatei::kopierenAus(int quelle) {
    kopieren(quelle, *m_datei);
}

void Ablagedatei::rechteSetzen(mode_t rechte) {
    rechteAuf(*m_datei, rechte);
}

void Ablagedatei::ersetzen() {
    if (!m_datei->sichern())
        benanntSichern();
    // Looked at again just before the rename: what was put at the name meanwhile counts.
    zielPruefen(m_ziel, m_regel);
    m_datei->umbenennen(m_ziel.name);
    m_datei.reset();
    ordnerSynchronisieren(m_ziel.ordner.fd());
}

// Where this process cannot name an unnamed file (no /proc, no privilege), what it holds goes
// into a named one, with its owner and mode set first.
void Ablagedatei::benanntSichern() {
    auto benannt = std::make_unique<Zwischendatei>(m_ziel.ordner.fd(), Zwischendateiart::Benannt);
    struct stat st {};
    if (::fstat(m_datei->fd(), &st) != 0 || ::lseek(m_datei->fd(), 0, SEEK_SET) != 0)
        eaWerfen(errno);
    uebernehmen(*benannt, {st.st_mode & 07777, st.st_uid, st.st_gid});
    kopieren(m_datei->fd(), *benannt);
    m_datei = std::move(benannt);
    m_datei->sichern();
}

void dateiErsetzen(const QString& pfad, QByteArrayView inhalt, Zwischendateiart art) {
    Ablagedatei datei(pfad, Verweise::Folgen, art);
    datei.schreiben(inhalt);
    datei.ersetzen();
}
