// The update check of Rechner against a local HTTP server: which boxes, in which order, and
// the hand-off to the updater.
#include "common/fehler.h"
#include "common/web.h"
#include "rechner/kern/aktualisierung.h"
#include "tests/hilfen/rechnerwelt.h"
#include "tests/hilfen/testserver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString Titel = QStringLiteral("Quorvendaltabulix 2.1.4.0");
const QString Versionszeile = QStringLiteral("Aktuelle Version: 2.1.4.0");

// Runs the check as the menu item does; the raised error and the close join the events.
QStringList pruefen(const QString& basisadresse, const QString& ordner, Rechnerwelt& welt,
                    const QString& titel = Titel) {
    Programmwerte werte;
    Hauptmodell modell(werte);
    modell.versionszeile = Versionszeile;
    const auto schliessen = [&welt] {
        welt.ereignisse << QStringLiteral("Schließen");
    };
    Onlineaktualisierung pruefung(modell, {welt, welt, welt, Open_Internet, schliessen},
                                  basisadresse, ordner);
    try {
        pruefung.ProgrammaktualisierungOnlineUpdate1Click(titel);
    } catch (const Fehler& fehler) {
        welt.ereignisse << QStringLiteral("Fehler ") + fehler.text();
    }
    return welt.ereignisse;
}

enum class Server { Datei, Fehlerseite, Keiner };

struct Fall {
    const char* name;
    Server server;
    QByteArray versionsdatei;
    bool update;         // hands over to the updater
    bool ohneVerbindung; // the message box comes first
    QString titel = Titel;
};

const Fall faelle[] = {
    {"neuer", Server::Datei, "2150*\r\n\r\n\r\nNeu", true, false},
    {"eineStufeHoeher", Server::Datei, "2141*", true, false},
    {"gleich", Server::Datei, "2140*\r\nx", false, false},
    {"aelter", Server::Datei, "2130*", false, false},
    {"fuenfstellig", Server::Datei, "10150\r\n", false, false},
    {"kurz", Server::Datei, "215", false, false},
    {"nulBytSchneidet", Server::Datei,
     QByteArray("2\0"
                "150*",
                6),
     false, false},
    {"keineZahl", Server::Datei, "21a0*", false, true},
    {"leer", Server::Datei, "", false, true},
    {"fehlerseite", Server::Fehlerseite, "<html><body>Not Found</body></html>", false, true},
    {"keinServer", Server::Keiner, "", false, true},
    {"neuererTitel", Server::Datei, "2150*", false, false, "Quorvendaltabulix 2.1.6.0"},
    {"titelOhneVersion", Server::Datei, "2150*", false, true, "Quorvendaltabulix"},
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Updatepruefung : public ::testing::TestWithParam<Fall> {};

TEST_P(Updatepruefung, BoxenUndUebergabe) {
    const Fall& fall = GetParam();
    Testserver& server = Testserver::zurueckgesetzt();
    ASSERT_TRUE(server.laeuft());
    if (fall.server == Server::Datei)
        server.veroeffentlichen(QStringLiteral("Version.txt"), fall.versionsdatei);
    if (fall.server == Server::Fehlerseite)
        server.fehlerseite(QStringLiteral("Version.txt"), fall.versionsdatei);
    if (fall.server == Server::Keiner)
        server.anhalten();

    Rechnerwelt welt;
    QStringList erwartet;
    if (fall.ohneVerbindung)
        erwartet << QStringLiteral("Meldung ") + Aktualisierungstexte::KeineVerbindung;
    if (fall.update)
        erwartet << QStringLiteral("Ablage ") + Versionszeile
                 << QStringLiteral("Start /ordner/Nivex") << QStringLiteral("Schließen");
    else
        erwartet << QStringLiteral("Fehler ") + Aktualisierungstexte::KeineUpdates;
    EXPECT_EQ(pruefen(server.basisadresse(), QStringLiteral("/ordner/"), welt, fall.titel),
              erwartet);
}

INSTANTIATE_TEST_SUITE_P(Versionsdateien, Updatepruefung, ::testing::ValuesIn(faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Rechner and Nivex lie in one program folder, so the updater's path names a real program.
TEST(Updatepruefung, NivexLiegtImProgrammordner) {
    Testserver& server = Testserver::zurueckgesetzt();
    server.veroeffentlichen(QStringLiteral("Version.txt"), "2150*");
    Rechnerwelt welt;
    pruefen(server.basisadresse(), QCoreApplication::applicationDirPath() + u'/', welt);
    const QString start = welt.ereignisse.filter(QStringLiteral("Start ")).value(0).mid(6);
    EXPECT_TRUE(QFileInfo(start).isExecutable()) << start.toStdString();
    EXPECT_EQ(QFileInfo(start).fileName(), QStringLiteral("Nivex"));
}

} // namespace
