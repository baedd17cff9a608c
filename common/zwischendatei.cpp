#include "common/zwischendatei.h"

#include "common/eafehler.h"

#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

constexpr int Versuche = 100;
constexpr char Vorsilbe[] = ".rechner-";
constexpr char Endung[] = ".tmp";
constexpr qsizetype Namenslaenge = sizeof Vorsilbe - 1 + 8 + sizeof Endung - 1;

// A short name of its own, so that a target whose name is as long as the platform allows can
// still be written.
QByteArray zufallsname() {
    return Vorsilbe +
           QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0') +
           Endung;
}

bool istZwischenname(QByteArrayView name) {
    if (name.size() != Namenslaenge || !name.startsWith(Vorsilbe) || !name.endsWith(Endung))
        return false;
    for (const char c : name.sliced(sizeof Vorsilbe - 1, 8))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// The errors of a kernel or file system without unnamed files.
bool ohneUnbenannteDateien(int fehler) {
    return fehler == EOPNOTSUPP || fehler == EISDIR || fehler == EINVAL;
}

void sperren(int fd) {
    // Without locks on this file system nobody can take the file for a leftover either.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// Whether the name still stands for the open file.
bool nochDa(int ordner, const char* name, const struct stat& datei) {
    struct stat st {};
    return ::fstatat(ordner, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_dev == datei.st_dev &&
           st.st_ino == datei.st_ino;
}

void restEntfernen(int ordner, const char* name) {
    struct stat st {};
    if (::fstatat(ordner, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
        return;
    constexpr int Art = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    Deskriptor rest(::openat(ordner, name, O_RDONLY | Art));
    if (!rest.offen())
        rest = Deskriptor(::openat(ordner, name, O_WRONLY | Art));
    if (!rest.offen() || ::fstat(rest.fd(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if (::flock(rest.fd(), LOCK_EX | LOCK_NB) != 0)
        return; // a running writer's
    if (nochDa(ordner, name, st))
        ::unlinkat(ordner, name, 0);
}

} // namespace

Zwischendatei::Zwischendatei(int ordner, Zwischendateiart art) : m_ordner(ordner) {
    if (art == Zwischendateiart::Unbenannt) {
        m_datei = Deskriptor(::openat(ordner, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
        if (m_datei.offen()) {
            // Locked already, so that it counts as a live writer's from the moment it is named.
            sperren(m_datei.fd());
            return;
        }
        if (!ohneUnbenannteDateien(errno))
            eaWerfen(errno, errno == ENOENT);
    }
    benanntAnlegen();
}

Zwischendatei::~Zwischendatei() {
    // Removed while still locked, so that nobody else removes a file of the same name.
    if (!m_name.isEmpty())
        ::unlinkat(m_ordner, m_name.constData(), 0);
}

void Zwischendatei::benanntAnlegen() {
    for (int versuch = 0; versuch < Versuche; ++versuch) {
        const QByteArray name = zufallsname();
        Deskriptor datei(
            ::openat(m_ordner, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!datei.offen() && errno == EEXIST)
            continue;
        if (!datei.offen())
            eaWerfen(errno, errno == ENOENT);
        // Until the lock is held, another save may take the file for a leftover and remove it.
        sperren(datei.fd());
        struct stat st {};
        if (::fstat(datei.fd(), &st) == 0 && nochDa(m_ordner, name.constData(), st)) {
            m_datei = std::move(datei);
            m_name = name;
            return;
        }
    }
    eaWerfen(EEXIST);
}

void Zwischendatei::schreiben(QByteArrayView inhalt) {
    const char* daten = inhalt.data();
    qsizetype rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(m_datei.fd(), daten, static_cast<size_t>(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            eaWerfen(errno);
        if (n < rest)
            eaWerfen(EFBIG); // a short write
        daten += n;
        rest -= n;
    }
}

bool Zwischendatei::rechte(mode_t modus) {
    return ::fchmod(m_datei.fd(), modus) == 0;
}

// Through /proc, as any user may; without /proc only a privileged process may name it directly.
bool Zwischendatei::benennen() {
    const QByteArray eigener = "/proc/self/fd/" + QByteArray::number(m_datei.fd());
    for (int versuch = 0; versuch < Versuche; ++versuch) {
        const QByteArray name = zufallsname();
        int ergebnis =
            ::linkat(AT_FDCWD, eigener.constData(), m_ordner, name.constData(), AT_SYMLINK_FOLLOW);
        if (ergebnis != 0 && errno == ENOENT)
            ergebnis = ::linkat(m_datei.fd(), "", m_ordner, name.constData(), AT_EMPTY_PATH);
        if (ergebnis == 0) {
            m_name = name;
            return true;
        }
        if (errno == ENOENT || errno == EPERM)
            return false;
        if (errno != EEXIST)
            eaWerfen(errno);
    }
    eaWerfen(EEXIST);
}

bool Zwischendatei::sichern() {
    // Flushed before the rename: a crash after it finds the whole new file.
    if (::fsync(m_datei.fd()) != 0)
        eaWerfen(errno);
    return !m_name.isEmpty() || benennen();
}

void Zwischendatei::umbenennen(const QByteArray& ziel) {
    if (::renameat(m_ordner, m_name.constData(), m_ordner, ziel.constData()) != 0)
        eaWerfen(errno);
    m_name.clear();
}

void resteEntfernen(int ordner) {
    Deskriptor lesbar(::openat(ordner, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!lesbar.offen())
        return;
    DIR* verzeichnis = ::fdopendir(lesbar.fd());
    if (!verzeichnis)
        return;
    lesbar.freigeben();
    while (const dirent* eintrag = ::readdir(verzeichnis))
        if (istZwischenname(eintrag->d_name))
            restEntfernen(ordner, eintrag->d_name);
    ::closedir(verzeichnis);
}
