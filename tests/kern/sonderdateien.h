#pragma once

// Entries at a file's path that are no regular file: pipes with and without a writer, a socket,
// a device, a link to a device, a folder. Every read must refuse them without waiting.

#include "common/deskriptor.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

enum class Sonderart {
    RohrOhneSchreiber,
    RohrMitSchreiber,
    Socket,
    Geraet,
    VerweisAufGeraet,
    Ordner
};

inline const char* sonderartName(Sonderart art) {
    switch (art) {
    case Sonderart::RohrOhneSchreiber:
        return "RohrOhneSchreiber";
    case Sonderart::RohrMitSchreiber:
        return "RohrMitSchreiber";
    case Sonderart::Socket:
        return "Socket";
    case Sonderart::Geraet:
        return "Geraet";
    case Sonderart::VerweisAufGeraet:
        return "VerweisAufGeraet";
    case Sonderart::Ordner:
        return "Ordner";
    }
    return "?";
}

inline constexpr Sonderart AlleSonderarten[] = {Sonderart::RohrOhneSchreiber,
                                                Sonderart::RohrMitSchreiber,
                                                Sonderart::Socket,
                                                Sonderart::Geraet,
                                                Sonderart::VerweisAufGeraet,
                                                Sonderart::Ordner};

// An entry planted at a path; while it lives, the writer of a pipe and a bound socket stay open.
class Sonderdatei {
public:
    Sonderdatei(Sonderart art, const QString& pfad) : m_art(art) {
        const QByteArray name = QFile::encodeName(pfad);
        switch (art) {
        case Sonderart::RohrOhneSchreiber:
            m_angelegt = ::mkfifo(name.constData(), 0644) == 0;
            break;
        case Sonderart::RohrMitSchreiber:
            // Read and write, so that the open waits for nobody: the pipe has a writer that
            // never writes, and a read of it would wait for ever.
            m_angelegt = ::mkfifo(name.constData(), 0644) == 0 &&
                         (m_offen = Deskriptor(::open(name.constData(), O_RDWR))).offen();
            break;
        case Sonderart::Socket:
            m_angelegt = socketBinden(name);
            break;
        case Sonderart::Geraet:
            // Like /dev/zero, which never ends. Only a privileged process may make one.
            m_angelegt = ::mknod(name.constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
            m_nurMitRechten = !m_angelegt && errno == EPERM;
            break;
        case Sonderart::VerweisAufGeraet:
            m_angelegt = ::symlink("/dev/zero", name.constData()) == 0;
            break;
        case Sonderart::Ordner:
            m_angelegt = ::mkdir(name.constData(), 0755) == 0;
            break;
        }
    }

    // False where the platform refuses to make a device: the test then skips.
    bool moeglich() const { return !m_nurMitRechten; }
    bool angelegt() const { return m_angelegt; }
    Sonderart art() const { return m_art; }

private:
    bool socketBinden(const QByteArray& name) {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        if (static_cast<size_t>(name.size()) >= sizeof adresse.sun_path)
            return false;
        std::memcpy(adresse.sun_path, name.constData(), static_cast<size_t>(name.size()));
        m_offen = Deskriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        return m_offen.offen() &&
               ::bind(m_offen.fd(), reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
               ::listen(m_offen.fd(), 1) == 0;
    }

    Sonderart m_art;
    Deskriptor m_offen;
    bool m_angelegt = false;
    bool m_nurMitRechten = false;
};

// Plants the entry or ends the test: skipped where a device cannot be made, failed otherwise.
#define SONDERDATEI_ANLEGEN(sonderdatei)                                                           \
    do {                                                                                           \
        if (!(sonderdatei).moeglich())                                                             \
            GTEST_SKIP() << "only a privileged process can make a device";                         \
        ASSERT_TRUE((sonderdatei).angelegt()) << sonderartName((sonderdatei).art());               \
    } while (false)
