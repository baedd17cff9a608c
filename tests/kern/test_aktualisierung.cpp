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

const QString Versionszeile = QStringLiteral("Aktuelle Version: ") + DateiVersion();

// The server's version code `abstand` above the program's own.
QByteArray code(int abstand) {
    return QByteArray::number(versionscode(DateiVersion()).toInt() + abstand);
}

// Runs the check as the menu item does; the raised error and the close join the events.
QStringList pruefen(const QString& basisadresse, const QString& ordner, Rechnerwelt& welt,
                    const QString& version = DateiVersion()) {
    Programmwerte werte;
    Hauptmodell modell(werte);
    const auto schliessen = [&welt] {
        welt.ereignisse << QStringLiteral("Schließen");
    };
    Onlineaktualisierung pruefung(modell, {welt.dialoge, welt, welt, Open_Internet, schliessen},
                                  basisadresse, ordner, version);
    try {
        pruefung.pruefen();
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
    QString version = DateiVersion();
};

const Fall Faelle[] = {
    {"neuer", Server::Datei, code(10) + "*\r\n\r\n\r\nNeu", true, false},
    {"eineStufeHoeher", Server::Datei, code(1) + "*", true, false},
    {"gleich", Server::Datei, code(0) + "*\r\nx", false, false},
    {"aelter", Server::Datei, code(-10) + "*", false, false},
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
    {"eigeneNeuer", Server::Datei, "2150*", false, false, QStringLiteral("2.1.6.0")},
    {"eigeneOhneVersion", Server::Datei, "2150*", false, true, QString()},
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
        erwartet << QStringLiteral("meldung: ") + Aktualisierungstexte::KeineVerbindung;
    if (fall.update)
        erwartet << QStringLiteral("Ablage ") + Versionszeile
                 << QStringLiteral("Start /ordner/Nivex") << QStringLiteral("Schließen");
    else
        erwartet << QStringLiteral("Fehler ") + Aktualisierungstexte::KeineUpdates;
    EXPECT_EQ(pruefen(server.basisadresse(), QStringLiteral("/ordner/"), welt, fall.version),
              erwartet);
}

INSTANTIATE_TEST_SUITE_P(Versionsdateien, Updatepruefung, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Rechner and Nivex lie in one program folder, so the updater's path names a real program.
TEST(Updatepruefung, NivexLiegtImProgrammordner) {
    Testserver& server = Testserver::zurueckgesetzt();
    server.veroeffentlichen(QStringLiteral("Version.txt"), code(10) + "*");
    Rechnerwelt welt;
    pruefen(server.basisadresse(), QCoreApplication::applicationDirPath() + u'/', welt);
    const QString start = welt.ereignisse.filter(QStringLiteral("Start ")).value(0).mid(6);
    EXPECT_TRUE(QFileInfo(start).isExecutable()) << start.toStdString();
    EXPECT_EQ(QFileInfo(start).fileName(), QStringLiteral("Nivex"));
}

} // namespace
