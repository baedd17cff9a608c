// The staging folder "Temp" swapped for a link to a folder outside, before the download, before
// the installation, or again and again by another thread while the updater runs: every file of
// the update lands in the program folder or nowhere, and nothing outside is written, replaced or
// removed.
#include "tests/nivex/schritte.h"

#include <QDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

enum class Tausch { VorDemHerunterladen, VorDemInstallieren, Fortwaehrend };

struct Tauschfall {
    const char* name;
    Tausch wann;
    int laeufe;
};

void PrintTo(const Tauschfall& fall, std::ostream* os) {
    *os << fall.name;
}

// The program folder holds "Temp" and, beside it, "Tausch": a link to the folder outside. A swap
// exchanges the two names in one step, so that "Temp" is the folder or the link.
class Temptausch : public ::testing::TestWithParam<Tauschfall> {
protected:
    void SetUp() override {
        dateiAnlegen(m_draussen.filePath(QStringLiteral("RechnerHilfe.chm")), "fremde Hilfe");
        dateiAnlegen(m_draussen.filePath(QStringLiteral("Rechner.zip")), "fremdes Programm");
    }

    static bool tauschen(int ordner) {
        return ::renameat2(ordner, "Temp", ordner, "Tausch", RENAME_EXCHANGE) == 0;
    }

    void lauf() {
        Updatelauf lauf(true);
        ASSERT_TRUE(lauf.server.laeuft());
        dateiAnlegen(lauf.pfad(QStringLiteral("Rechner")), "alt");
        dateiAnlegen(lauf.pfad(QStringLiteral("RechnerHilfe.chm")), "alte Hilfe");
        ASSERT_TRUE(QDir(lauf.ordner.path()).mkdir(QStringLiteral("Temp")));
        ASSERT_TRUE(QFile::link(m_draussen.path(), lauf.pfad(QStringLiteral("Tausch"))));
        const Deskriptor ordner(::open(QFile::encodeName(lauf.ordner.path()).constData(),
                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        ASSERT_TRUE(ordner.offen());

        std::atomic<bool> weiter = true;
        std::thread tauscher;
        if (GetParam().wann == Tausch::Fortwaehrend) {
            tauscher = std::thread([&] {
                while (weiter)
                    m_tausche += tauschen(ordner.fd());
            });
        }
        lauf.starten();
        if (GetParam().wann == Tausch::VorDemHerunterladen) {
            ASSERT_TRUE(tauschen(ordner.fd()));
        }
        lauf.herunterladen();
        if (GetParam().wann == Tausch::VorDemInstallieren) {
            ASSERT_TRUE(tauschen(ordner.fd()));
        }
        lauf.installieren();
        weiter = false;
        if (tauscher.joinable())
            tauscher.join();

        // Only the program folder changed: the new program, and the help file either new or
        // (where "Temp" was the link when it was needed) old.
        EXPECT_EQ(dateiBytes(lauf.pfad(QStringLiteral("Rechner"))), "neues Programm");
        const QByteArray hilfe = dateiBytes(lauf.pfad(QStringLiteral("RechnerHilfe.chm")));
        EXPECT_TRUE(hilfe == "neue Hilfe" || hilfe == "alte Hilfe") << hilfe.toStdString();
        if (GetParam().wann == Tausch::VorDemHerunterladen) {
            EXPECT_EQ(hilfe, "alte Hilfe");
        }
        EXPECT_EQ(eintraege(m_draussen.path()),
                  (QStringList{QStringLiteral("Rechner.zip"), QStringLiteral("RechnerHilfe.chm")}));
        EXPECT_EQ(dateiBytes(m_draussen.filePath(QStringLiteral("RechnerHilfe.chm"))),
                  "fremde Hilfe");
        EXPECT_EQ(dateiBytes(m_draussen.filePath(QStringLiteral("Rechner.zip"))),
                  "fremdes Programm");
    }

    QTemporaryDir m_draussen;
    int m_tausche = 0;
};

TEST_P(Temptausch, NichtsGehtNachDraussen) {
    for (int i = 0; i < GetParam().laeufe && !HasFailure(); ++i)
        lauf();
    if (GetParam().wann == Tausch::Fortwaehrend) {
        EXPECT_GT(m_tausche, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zeitpunkte, Temptausch,
    ::testing::Values(Tauschfall{"vorDemHerunterladen", Tausch::VorDemHerunterladen, 1},
                      Tauschfall{"vorDemInstallieren", Tausch::VorDemInstallieren, 1},
                      Tauschfall{"fortwaehrend", Tausch::Fortwaehrend, 40}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
