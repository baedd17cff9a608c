#include "common/dateizugriff.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Only a regular file is read: reading a pipe waits for its writer, a device may never end.
void regulaerPruefen(const struct stat& st) {
    if (!S_ISREG(st.st_mode))
        throw EaFehler(Ea::ZugriffVerweigert);
}

} // namespace

Lesedatei::Lesedatei(const QString& pfad) : m_ziel(zielAufloesen(pfad, Verweise::Folgen)) {
    oeffnen(Verweise::Folgen);
}

Lesedatei::Lesedatei(int ordner, const QString& name, Verweise regel)
    : m_ziel(zielAufloesen(ordner, name, regel)) {
    oeffnen(regel);
}

// Looked at before it is opened, so that a pipe or a device is never opened; opened without
// waiting and without following a link, so that one swapped in meanwhile is refused, not read.
void Lesedatei::oeffnen(Verweise regel) {
    const int ordner = m_ziel.ordner.fd();
    const char* name = m_ziel.name.constData();
    struct stat st {};
    if (::fstatat(ordner, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        eaWerfen(errno);
    // What the rule resolved to a link is one that leads nowhere.
    if (S_ISLNK(st.st_mode) && regel == Verweise::Folgen)
        throw EaFehler(Ea::DateiFehlt, ENOENT);
    regulaerPruefen(st);
    m_datei = Deskriptor(
        ::openat(ordner, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!m_datei.offen())
        eaWerfen(errno);
    if (::fstat(m_datei.fd(), &st) != 0)
        eaWerfen(errno);
    regulaerPruefen(st);
    m_groesse = st.st_size;
    m_rechte = st.st_mode & 07777;
    m_geraet = st.st_dev;
    m_knoten = st.st_ino;
}

bool Lesedatei::weiterlesen(QByteArray& ziel, qsizetype anzahl) {
    const qsizetype alt = ziel.size();
    ziel.resize(alt + anzahl);
    ssize_t n;
    do {
        n = ::read(m_datei.fd(), ziel.data() + alt, static_cast<size_t>(anzahl));
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        const int fehler = errno;
        ziel.resize(alt);
        eaWerfen(fehler);
    }
    ziel.resize(alt + n);
    return n > 0;
}

void Lesedatei::entfernen() {
    struct stat st {};
    const char* name = m_ziel.name.constData();
    if (::fstatat(m_ziel.ordner.fd(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        eaWerfen(errno);
    if (st.st_dev != m_geraet || st.st_ino != m_knoten)
        throw EaFehler(Ea::ZugriffVerweigert);
    if (::unlinkat(m_ziel.ordner.fd(), name, 0) != 0)
        eaWerfen(errno);
}

QByteArray dateiLesen(const QString& pfad, qint64 hoechstens) {
    Lesedatei datei(pfad);
    if (datei.groesse() > hoechstens)
        throw EaFehler(Ea::NichtGenugSpeicher);
    QByteArray inhalt;
    inhalt.reserve(static_cast<qsizetype>(datei.groesse()) + 1);
    // Reads into the space reserved for the known size; the last read only finds the end. A
    // file that grows meanwhile is read on in pieces, up to the limit.
    constexpr qsizetype Stueck = 1 << 20;
    for (;;) {
        const qsizetype frei = inhalt.capacity() - inhalt.size();
        if (!datei.weiterlesen(inhalt, frei > 0 ? frei : Stueck))
            break;
        if (inhalt.size() > hoechstens)
            throw EaFehler(Ea::NichtGenugSpeicher);
    }
    return inhalt;
}

namespace {

// What the process has mapped, in bytes: in all, and of it the data that RLIMIT_DATA counts
// (with the stack, which errs on the safe side). Unknown where /proc is not there: zero.
struct Belegung {
    qint64 gesamt = 0;
    qint64 daten = 0;
};

Belegung belegung() {
    QList<QByteArray> seiten; // size resident shared text lib data dt, in pages
    try {
        seiten = dateiLesen(QStringLiteral("/proc/self/statm"), 4096).split(' ');
    } catch (const Fehler&) {
        return {};
    }
    const qint64 seitengroesse = ::sysconf(_SC_PAGESIZE);
    if (seiten.size() < 6 || seitengroesse <= 0)
        return {};
    return {seiten[0].toLongLong() * seitengroesse, seiten[5].toLongLong() * seitengroesse};
}

} // namespace

// A limit on the address space counts what the process has mapped already (its libraries,
// stacks and heaps), so only what is left under it is free for a read.
qint64 lesespeichergrenze() {
    const qint64 seiten = ::sysconf(_SC_PHYS_PAGES);
    const qint64 seitengroesse = ::sysconf(_SC_PAGESIZE);
    qint64 speicher = seiten > 0 && seitengroesse > 0 ? seiten * seitengroesse : qint64(1) << 32;
    const Belegung belegt = belegung();
    for (const auto& [grenze, genutzt] :
         {std::pair{RLIMIT_AS, belegt.gesamt}, std::pair{RLIMIT_DATA, belegt.daten}}) {
        rlimit r{};
        if (::getrlimit(grenze, &r) != 0 || r.rlim_cur == RLIM_INFINITY)
            continue;
        const qint64 frei = static_cast<qint64>(std::min<rlim_t>(r.rlim_cur, INT64_MAX)) - genutzt;
        speicher = std::min(speicher, std::max<qint64>(frei, 0));
    }
    return speicher / 2;
}
