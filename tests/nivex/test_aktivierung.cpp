// The updater's fields after its first activation, for version files on the local server.
#include "nivex/kern/nivexmodell.h"
#include "tests/hilfen/testserver.h"
#include "tests/nivex/probewelt.h"

#include <gtest/gtest.h>

namespace {

enum class Server { Datei, Fehlerseite, Keiner };

struct Fall {
    const char* name;
    Server server;
    QByteArray datei;
    QString neueVersion; // Memo2
    QString information; // Memo3
    QString flag;        // Memo4
};

const QStringList hiDatei = {QStringLiteral("2150*"), Hilfezeile(QStringLiteral("hi")),
                             QStringLiteral("frei"), QStringLiteral("Neu: Drucken"),
                             QStringLiteral("Neu: Hilfe")};

// Lines 1 to 3 of a flagged file; the information follows.
const QByteArray kopf = Versionsdatei(hiDatei.mid(0, 3)) + "\r\n";

const Fall faelle[] = {
    // At most 10001 bytes are read; a NUL byte ends the text earlier.
    {"nur10001Bytes", Server::Datei, kopf + QByteArray(20000, 'x'),
     QStringLiteral("Neuere Version: 2.1.5.0"), QString(10001 - kopf.size(), u'x'),
     QStringLiteral("hi")},
    {"nulEndetText", Server::Datei, kopf + QByteArray("Info\0mehr", 9),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Info"), QStringLiteral("hi")},
    {"mitHilfe", Server::Datei, Versionsdatei(hiDatei), QStringLiteral("Neuere Version: 2.1.5.0"),
     QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"), QStringLiteral("hi")},
    {"nurLf", Server::Datei, Versionsdatei(hiDatei, "\n"),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    {"nurCr", Server::Datei, Versionsdatei(hiDatei, "\r"),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    {"fuenfstellig", Server::Datei, Versionsdatei({"10150", Hilfezeile("HI"), "frei", "Groß"}),
     QStringLiteral("Neuere Version: 10.1.5.0"), QStringLiteral("Groß"), QStringLiteral("HI")},
    {"gleicheVersion", Server::Datei, "2140*", QStringLiteral("Neuere Version: 2.1.4.0"), QString(),
     QString()},
    {"kurz", Server::Datei, "215", QStringLiteral("Neuere Version: 21.5.."), QString(), QString()},
    // The line break becomes part of the shown version.
    {"ersteZeileKurz", Server::Datei, "215\r\nx", QStringLiteral("Neuere Version: 21.5.\r\n.\r\n"),
     QString(), QStringLiteral("")},
    // Line 2 shorter than 20 characters: the count runs on, CR LF counting two.
    {"zweiteZeileKurz", Server::Datei, Versionsdatei({"2150*", "kurz", "123456789012hi", "Info"}),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Info"), QStringLiteral("hi")},
    {"hiAndersWo", Server::Datei, Versionsdatei({"2150*", "hi hi hi", "frei", "Info"}),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Info"), QStringLiteral("fo")},
    {"fehlerseite", Server::Fehlerseite, "<html>\r\nFehlt\r\n</html>",
     QStringLiteral("Neuere Version: <h.t.m.l"), QString(), QStringLiteral("")},
    {"keinServer", Server::Keiner, "", QStringLiteral("Neuere Version: ..."), QString(), QString()},
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class Aktivierung : public ::testing::TestWithParam<Fall> {};

TEST_P(Aktivierung, Felder) {
    const Fall& fall = GetParam();
    Testserver server;
    ASSERT_TRUE(server.laeuft());
    if (fall.server == Server::Datei)
        server.veroeffentlichen(QStringLiteral("Version.txt"), fall.datei);
    if (fall.server == Server::Fehlerseite)
        server.fehlerseite(QStringLiteral("Version.txt"), fall.datei);
    if (fall.server == Server::Keiner)
        server.anhalten();
    Probewelt welt;
    welt.ablage = QStringLiteral("Aktuelle Version: 2.1.4.0");
    Nivexmodell m(welt, server.basisadresse());
    m.FormCreate(QStringLiteral("/programm/"));
    m.FormActivate();

    EXPECT_EQ(m.Memo5, QStringLiteral("Aktuelle Version: 2.1.4.0"));
    EXPECT_EQ(m.Memo2, fall.neueVersion);
    EXPECT_EQ(m.Memo3, fall.information);
    EXPECT_EQ(m.Memo4, fall.flag);
    EXPECT_EQ(m.hilfeMarkiert(), fall.flag == QStringLiteral("hi"));
    EXPECT_EQ(m.Color, (Rgb{251, 230, 191}));
    EXPECT_EQ(m.Memo1, QStringLiteral("/programm/"));
}

INSTANTIATE_TEST_SUITE_P(Versionsdateien, Aktivierung, ::testing::ValuesIn(faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The clipboard is pasted as it is, line breaks made CR LF; only the first activation counts.
TEST(Aktivierung, ZwischenablageNurBeimErstenMal) {
    for (const auto& [ablage, feld] :
         {std::pair{QString(), QString()},
          std::pair{QStringLiteral("eins\nzwei"), QStringLiteral("eins\r\nzwei")}}) {
        Testserver server;
        Probewelt welt;
        welt.ablage = ablage;
        Nivexmodell m(welt, server.basisadresse());
        m.FormCreate(QStringLiteral("/p/"));
        m.FormActivate();
        EXPECT_EQ(m.Memo5, feld);
        welt.ablage = QStringLiteral("später");
        m.Memo2 = QStringLiteral("bleibt");
        m.FormActivate();
        EXPECT_EQ(m.Memo5, feld);
        EXPECT_EQ(m.Memo2, QStringLiteral("bleibt"));
    }
}

} // namespace
