// Saves killed in the middle, leftovers of crashed writers, and running copies that save into
// one folder at the same time.
#include "common/dateiablage.h"
#include "common/deskriptor.h"
#include "common/fehler.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/schreibende.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Rolle = QStringLiteral("Montag.KRO");

// A forked copy that saves `inhalt` again and again until it is killed.
pid_t speicherndeKopie(const QString& ziel, const QByteArray& inhalt, Zwischendateiart art) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        for (;;) {
            try {
                dateiErsetzen(ziel, inhalt, art);
            } catch (const Fehler&) {
                ::_exit(2);
            }
        }
    }
    return kind;
}

struct Abbruch {
    const char* name;
    Zwischendateiart art;
    qint64 mindestens; // bytes written when the copy is killed
};

void PrintTo(const Abbruch& a, std::ostream* os) {
    *os << a.name;
}

class Abgebrochen : public ::testing::TestWithParam<Abbruch> {};

// SIGKILL in the middle of a large save: the old file (or a whole new one) and nothing else.
TEST_P(Abgebrochen, LaesstNichtsZurueck) {
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(Rolle);
    const QByteArray alt = "alter Inhalt\r\n";
    const QByteArray neu(32 << 20, 'n');
    dateiAnlegen(ziel, alt);

    const pid_t kind = speicherndeKopie(ziel, neu, GetParam().art);
    ASSERT_GT(kind, 0);
    QDeadlineTimer frist(30000);
    while (!schreibtGerade(kind, ordner.path(), Rolle, GetParam().mindestens, neu.size()) &&
           !frist.hasExpired())
        QThread::usleep(50);
    ::kill(kind, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_FALSE(frist.hasExpired()) << "the copy was never seen writing";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

    const QByteArray danach = dateiBytes(ziel);
    EXPECT_TRUE(danach == alt || danach == neu) << danach.size() << " bytes";
    if (GetParam().art == Zwischendateiart::Unbenannt && unbenannteDateien(ordner.path())) {
        EXPECT_EQ(eintraege(ordner.path()), QStringList{Rolle});
    }
    // Whatever a crash left, the next save into the folder removes.
    dateiErsetzen(ziel, "danach");
    EXPECT_EQ(eintraege(ordner.path()), QStringList{Rolle});
    EXPECT_EQ(dateiBytes(ziel), QByteArray("danach"));
}

INSTANTIATE_TEST_SUITE_P(
    Saves, Abgebrochen,
    ::testing::Values(Abbruch{"UnbenanntFrueh", Zwischendateiart::Unbenannt, 1 << 20},
                      Abbruch{"UnbenanntSpaet", Zwischendateiart::Unbenannt, 16 << 20},
                      Abbruch{"BenanntFrueh", Zwischendateiart::Benannt, 1 << 20},
                      Abbruch{"BenanntSpaet", Zwischendateiart::Benannt, 16 << 20}),
    [](const auto& info) { return std::string(info.param.name); });

// What a save finds beside its target: only the user's own unlocked temporary files go.
enum class Art { Datei, GesperrteDatei, FremdeDatei, Ordner, Verweis };

struct Fund {
    const char* fall;
    const char* name;
    Art art;
    bool entfernt;
};

void PrintTo(const Fund& f, std::ostream* os) {
    *os << f.fall;
}

class Reste : public ::testing::TestWithParam<Fund> {};

TEST_P(Reste, NurToteSchreiberWerdenEntfernt) {
    const Fund& fund = GetParam();
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(Rolle);
    const QString rest = ordner.filePath(QString::fromLatin1(fund.name));
    const QByteArray restPfad = QFile::encodeName(rest);
    const QString aussen = ordner.filePath(QStringLiteral("aussen/datei"));
    dateiAnlegen(ziel, "alt");
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("aussen")));
    dateiAnlegen(aussen, "draussen");
    Deskriptor sperre;
    switch (fund.art) {
    case Art::Ordner:
        ASSERT_TRUE(QDir().mkdir(rest));
        break;
    case Art::Verweis:
        ASSERT_TRUE(QFile::link(aussen, rest));
        break;
    default:
        dateiAnlegen(rest, "halb geschrieben");
    }
    if (fund.art == Art::FremdeDatei && !fremdemGeben(rest))
        GTEST_SKIP() << "only root can give a file to another user";
    if (fund.art == Art::GesperrteDatei) {
        // A running copy holds its file locked through its own open file.
        sperre = Deskriptor(::open(restPfad.constData(), O_WRONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(sperre.fd(), LOCK_EX), 0);
    }

    dateiErsetzen(ziel, "neu");

    EXPECT_EQ(QFileInfo::exists(rest) || QFileInfo(rest).isSymLink(), !fund.entfernt);
    EXPECT_EQ(dateiBytes(ziel), QByteArray("neu"));
    EXPECT_EQ(dateiBytes(aussen), QByteArray("draussen"));
}

INSTANTIATE_TEST_SUITE_P(
    Funde, Reste,
    ::testing::Values(Fund{"ToterSchreiber", ".rechner-0123abcd.tmp", Art::Datei, true},
                      Fund{"LaufenderSchreiber", ".rechner-89abcdef.tmp", Art::GesperrteDatei,
                           false},
                      Fund{"FremderBesitzer", ".rechner-00000002.tmp", Art::FremdeDatei, false},
                      Fund{"Ordner", ".rechner-00000000.tmp", Art::Ordner, false},
                      Fund{"Verweis", ".rechner-00000001.tmp", Art::Verweis, false},
                      Fund{"AndereEndung", ".rechner-0123abcd.tmp.bak", Art::Datei, false},
                      Fund{"Grossbuchstaben", ".rechner-0123ABCD.tmp", Art::Datei, false},
                      Fund{"OhnePunkt", "rechner-0123abcd.tmp", Art::Datei, false},
                      Fund{"ZuKurz", ".rechner-123abcd.tmp", Art::Datei, false}),
    [](const auto& info) { return std::string(info.param.fall); });

// Copies of the program save into one folder at the same time, unnamed and named: every save
// succeeds, each file ends whole, and no temporary file stays.
TEST(DateiErsetzen, GleichzeitigeKopienInEinemOrdner) {
    QTemporaryDir ordner;
    const QString gemeinsam = ordner.filePath(Rolle);
    constexpr int Kopien = 4;
    std::vector<QByteArray> inhalte;
    std::vector<pid_t> kinder;
    for (int i = 0; i < Kopien; ++i) {
        inhalte.push_back(QByteArray(256 * 1024 + i, char('a' + i)));
        const QString eigene = ordner.filePath(QStringLiteral("Kopie%1.KRO").arg(i));
        const Zwischendateiart art =
            i % 2 ? Zwischendateiart::Benannt : Zwischendateiart::Unbenannt;
        const pid_t kind = ::fork();
        if (kind == 0) {
            try {
                for (int runde = 0; runde < 25; ++runde) {
                    dateiErsetzen(gemeinsam, inhalte[i], art);
                    dateiErsetzen(eigene, inhalte[i], art);
                }
            } catch (const Fehler&) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        ASSERT_GT(kind, 0);
        kinder.push_back(kind);
    }
    for (const pid_t kind : kinder) {
        int status = -1;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    QStringList erwartet{Rolle};
    for (int i = 0; i < Kopien; ++i) {
        erwartet.append(QStringLiteral("Kopie%1.KRO").arg(i));
        EXPECT_EQ(dateiBytes(ordner.filePath(erwartet.last())), inhalte[i]);
    }
    erwartet.sort();
    EXPECT_EQ(eintraege(ordner.path()), erwartet);
    EXPECT_NE(std::find(inhalte.begin(), inhalte.end(), dateiBytes(gemeinsam)), inhalte.end());
}

} // namespace
