// The road of an update: Rechner's check hands over through the clipboard, and Nivex downloads
// and installs in a temporary program folder; with the failure rows of both steps.
#include "common/fehler.h"
#include "tests/hilfen/protokollfang.h"
#include "tests/nivex/schritte.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

enum class Server { Da, Weg, OhneProgramm };

struct Fall {
    const char* name;
    bool mitHilfe;
    bool tempOrdner;
    Server server;
    QByteArray altesProgramm;   // empty: none installed
    QByteArray liegengeblieben; // a "Rechner.zip" left by an earlier run
    QByteArray programm;        // "Rechner" afterwards
    QByteArray hilfe;           // "RechnerHilfe.chm" afterwards
    int abbrueche;              // "Download abgebrochen" boxes
};

const Fall Faelle[] = {
    {"ohneHilfe", false, true, Server::Da, "alt", "", "neues Programm", "alte Hilfe", 0},
    {"mitHilfe", true, true, Server::Da, "alt", "", "neues Programm", "neue Hilfe", 0},
    {"ersteInstallation", true, true, Server::Da, "", "", "neues Programm", "neue Hilfe", 0},
    {"ohneTempOrdner", true, false, Server::Da, "alt", "", "neues Programm", "alte Hilfe", 1},
    {"serverWeg", true, true, Server::Weg, "alt", "", "alt", "alte Hilfe", 2},
    {"serverWegOhneHilfe", false, true, Server::Weg, "alt", "", "alt", "alte Hilfe", 1},
    // An error page is never installed as the program.
    {"programmFehlt", false, true, Server::OhneProgramm, "alt", "", "alt", "alte Hilfe", 1},
    {"liegengebliebenesZip", false, true, Server::Weg, "alt", "frueher", "frueher", "alte Hilfe",
     1},
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Installation : public ::testing::TestWithParam<Fall> {};

TEST_P(Installation, Dateien) {
    const Fall& fall = GetParam();
    Updatelauf lauf(fall.mitHilfe);
    ASSERT_TRUE(lauf.server.laeuft());
    const QString programm = lauf.pfad(QStringLiteral("Rechner"));
    if (!fall.altesProgramm.isEmpty())
        dateiAnlegen(programm, fall.altesProgramm);
    if (!fall.liegengeblieben.isEmpty())
        dateiAnlegen(lauf.pfad(QStringLiteral("Rechner.zip")), fall.liegengeblieben);
    dateiAnlegen(lauf.pfad(QStringLiteral("RechnerHilfe.chm")), "alte Hilfe");
    if (fall.tempOrdner)
        QDir(lauf.ordner.path()).mkdir(QStringLiteral("Temp"));
    if (fall.server == Server::OhneProgramm)
        lauf.server.fehlerseite(QStringLiteral("Rechner.zip"), "<html>404</html>");

    EXPECT_EQ(lauf.uebergeben(), QStringList({"Ablage Aktuelle Version: 2.1.4.0",
                                              "Start " + lauf.pfad(QStringLiteral("Nivex"))}));
    lauf.starten();
    EXPECT_EQ(lauf.m.aktuelleVersion(), QStringLiteral("Aktuelle Version: 2.1.4.0"));
    if (fall.server == Server::Weg)
        lauf.server.anhalten();
    lauf.herunterladen();
    lauf.installieren();

    EXPECT_EQ(lauf.welt.meldungen, QStringList(fall.abbrueche, Nivextexte::DownloadAbgebrochen));
    EXPECT_EQ(dateiBytes(programm), fall.programm);
    EXPECT_TRUE(QFileInfo(programm).isExecutable() || fall.programm == fall.altesProgramm);
    EXPECT_EQ(dateiBytes(lauf.pfad(QStringLiteral("RechnerHilfe.chm"))), fall.hilfe);
    // Neither the downloads nor their temporary files stay behind.
    EXPECT_EQ(
        QDir(lauf.ordner.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({"Rechner", "RechnerHilfe.chm", "Temp"}).mid(0, fall.tempOrdner ? 3 : 2));
    EXPECT_TRUE(QDir(lauf.pfad(QStringLiteral("Temp"))).isEmpty());
    EXPECT_EQ(lauf.m.aktuelleVersion(), QStringLiteral("Aktualisierte Version 2.1.5.0"));
    EXPECT_EQ(lauf.welt.starts, QStringList{programm});
    EXPECT_TRUE(lauf.m.geschlossen());
}

INSTANTIATE_TEST_SUITE_P(Laeufe, Installation, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Only a complete answer with status 200 is a download: anything else shows the box, leaves no
// file behind and keeps the old program, which is started again. The log says what the server
// answered; a download that succeeds logs nothing.
struct Antwort {
    const char* name;
    QByteArray kopf; // status and announced length ("-": none)
    QByteArray inhalt;
    bool geladen;
    const char* protokoll; // the end of the logged line
};

const Antwort Serverantworten[] = {
    {"vollstaendig", "200", "neues Programm", true, ""},
    {"ohneLaenge", "200 -", "neues Programm", true, ""},
    {"keinInhalt", "204", "", false, "status 204, 0 bytes announced, 0 bytes received"},
    // An empty program file is no update: the old program stays.
    {"leer", "200", "", false, "status 200, 0 bytes announced, 0 bytes received"},
    {"leerOhneLaenge", "200 -", "", false, "status 200, no length announced, 0 bytes received"},
    {"nichtGeaendert", "304 -", "", false, "status 304, 0 bytes announced, 0 bytes received"},
    {"umleitungOhneZiel", "302", "<html>verschoben</html>", false,
     "status 302, 23 bytes announced, 23 bytes received"},
    {"teilinhalt", "206", "neues Programm", false,
     "status 206, 14 bytes announced, 14 bytes received"},
    {"abgeschnitten", "200 100", "neues Programm", false,
     "status 200, 100 bytes announced, 14 bytes received"},
    {"serverfehler", "500", "<html>Fehler</html>", false, "500; status 500"},
};

void PrintTo(const Antwort& antwort, std::ostream* os) {
    *os << antwort.name;
}

class Antworten : public ::testing::TestWithParam<Antwort> {};

TEST_P(Antworten, NurVollstaendigeAntwortGilt) {
    const Antwort& antwort = GetParam();
    Updatelauf lauf(false);
    ASSERT_TRUE(lauf.server.laeuft());
    lauf.server.antwort(QStringLiteral("Rechner.zip"), antwort.kopf, antwort.inhalt);
    const QString programm = lauf.pfad(QStringLiteral("Rechner"));
    dateiAnlegen(programm, "alt");
    lauf.starten();
    Protokollfang protokoll;
    lauf.herunterladen();
    EXPECT_EQ(lauf.welt.meldungen.size(), antwort.geladen ? 0 : 1);
    if (antwort.geladen) {
        EXPECT_EQ(protokoll.meldungen, QStringList());
    } else {
        ASSERT_EQ(protokoll.meldungen.size(), 1) << protokoll.meldungen.join(u'\n').toStdString();
        EXPECT_TRUE(protokoll.meldungen[0].startsWith(QStringLiteral("common.web: Download of ")));
        EXPECT_TRUE(protokoll.meldungen[0].contains(QLatin1String(antwort.protokoll)))
            << protokoll.meldungen[0].toStdString();
    }
    EXPECT_EQ(QFileInfo::exists(lauf.pfad(QStringLiteral("Rechner.zip"))), antwort.geladen);
    EXPECT_EQ(QDir(lauf.ordner.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              antwort.geladen ? 2 : 1);
    lauf.installieren();
    EXPECT_EQ(dateiBytes(programm), antwort.geladen ? "neues Programm" : "alt");
    EXPECT_EQ(lauf.welt.starts, QStringList{programm});
}

INSTANTIATE_TEST_SUITE_P(Server, Antworten, ::testing::ValuesIn(Serverantworten),
                         [](const auto& info) { return std::string(info.param.name); });

// A step of the installation that fails is not shown, as the installation shows nothing, but
// the log says which file and why.
TEST(Installation, FehlschlagWirdProtokolliert) {
    Updatelauf lauf(false);
    ASSERT_TRUE(lauf.server.laeuft());
    const QString programm = lauf.pfad(QStringLiteral("Rechner"));
    dateiAnlegen(programm, "alt");
    lauf.starten();
    lauf.herunterladen();
    const QString neu = lauf.pfad(QStringLiteral("Rechner.zip"));
    ASSERT_TRUE(QFile::remove(neu));
    ASSERT_EQ(::mkfifo(QFile::encodeName(neu).constData(), 0644), 0);
    Protokollfang protokoll;
    lauf.installieren();
    EXPECT_EQ(lauf.welt.meldungen, QStringList());
    EXPECT_EQ(dateiBytes(programm), "alt");
    EXPECT_EQ(protokoll.meldungen,
              QStringList{QStringLiteral("common.dateien: Installing \"%1\" failed: %2")
                              .arg(neu, Fehlertexte::ZugriffVerweigert)});
    EXPECT_EQ(lauf.welt.starts, QStringList{programm});
}

// Rechner still running (its close was refused): the new program takes the old one's place all
// the same, because a rename over a running program works here, and the old process runs on.
TEST(Installation, RechnerLaeuftNoch) {
    Updatelauf lauf(false);
    const QString programm = lauf.pfad(QStringLiteral("Rechner"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), programm));
    QProcess laufend;
    laufend.start(programm, {QStringLiteral("30")});
    ASSERT_TRUE(laufend.waitForStarted());
    lauf.starten();
    lauf.herunterladen();
    lauf.installieren();
    EXPECT_EQ(dateiBytes(programm), "neues Programm");
    EXPECT_EQ(laufend.state(), QProcess::Running);
    laufend.kill();
    laufend.waitForFinished();
}

} // namespace
