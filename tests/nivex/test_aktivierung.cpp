// The updater's fields after its first activation, for version files on the local server.
#include "nivex/kern/updatemodell.h"
#include "tests/hilfen/testserver.h"
#include "tests/nivex/probewelt.h"

#include <gtest/gtest.h>

namespace {

enum class Server { Datei, Fehlerseite, Keiner };

struct Fall {
    const char* name;
    Server server;
    QByteArray datei;
    QString neueVersion; // neueVersionFeld
    QString information;
    QString flag; // hilfeKennung
};

const QStringList HiDatei = {QStringLiteral("2150*"), hilfezeile(QStringLiteral("hi")),
                             QStringLiteral("frei"), QStringLiteral("Neu: Drucken"),
                             QStringLiteral("Neu: Hilfe")};

// Lines 1 to 3 of a flagged file; the information follows.
const QByteArray Kopf = versionsdatei(HiDatei.mid(0, 3)) + "\r\n";

const Fall Faelle[] = {
    // At most 10001 bytes are read; a NUL byte ends the text earlier.
    {"nur10001Bytes", Server::Datei, Kopf + QByteArray(20000, 'x'),
     QStringLiteral("Neuere Version: 2.1.5.0"), QString(10001 - Kopf.size(), u'x'),
     QStringLiteral("hi")},
    {"nulEndetText", Server::Datei, Kopf + QByteArray("Info\0mehr", 9),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Info"), QStringLiteral("hi")},
    {"mitHilfe", Server::Datei, versionsdatei(HiDatei), QStringLiteral("Neuere Version: 2.1.5.0"),
     QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"), QStringLiteral("hi")},
    {"nurLf", Server::Datei, versionsdatei(HiDatei, "\n"),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    {"nurCr", Server::Datei, versionsdatei(HiDatei, "\r"),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    {"fuenfstellig", Server::Datei, versionsdatei({"10150", hilfezeile("HI"), "frei", "Groß"}),
     QStringLiteral("Neuere Version: 10.1.5.0"), QStringLiteral("Groß"), QStringLiteral("HI")},
    {"gleicheVersion", Server::Datei, "2140*", QStringLiteral("Neuere Version: 2.1.4.0"), QString(),
     QString()},
    {"kurz", Server::Datei, "215", QStringLiteral("Neuere Version: 21.5.."), QString(), QString()},
    // The line break becomes part of the shown version.
    {"ersteZeileKurz", Server::Datei, "215\r\nx", QStringLiteral("Neuere Version: 21.5.\r\n.\r\n"),
     QString(), QStringLiteral("")},
    // Line 2 shorter than 20 characters: the count runs on, CR LF counting two.
    {"zweiteZeileKurz", Server::Datei, versionsdatei({"2150*", "kurz", "123456789012hi", "Info"}),
     QStringLiteral("Neuere Version: 2.1.5.0"), QStringLiteral("Info"), QStringLiteral("hi")},
    {"hiAndersWo", Server::Datei, versionsdatei({"2150*", "hi hi hi", "frei", "Info"}),
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
    Testserver& server = Testserver::zurueckgesetzt();
    ASSERT_TRUE(server.laeuft());
    if (fall.server == Server::Datei)
        server.veroeffentlichen(QStringLiteral("Version.txt"), fall.datei);
    if (fall.server == Server::Fehlerseite)
        server.fehlerseite(QStringLiteral("Version.txt"), fall.datei);
    if (fall.server == Server::Keiner)
        server.anhalten();
    Probewelt welt;
    welt.ablage = QStringLiteral("Aktuelle Version: 2.1.4.0");
    Updatemodell m(welt, server.basisadresse());
    m.erstellen(QStringLiteral("/programm/"));
    m.aktivieren();

    EXPECT_EQ(m.aktuelleVersion(), QStringLiteral("Aktuelle Version: 2.1.4.0"));
    EXPECT_EQ(m.neueVersionFeld(), fall.neueVersion);
    EXPECT_EQ(m.information(), fall.information);
    EXPECT_EQ(m.hilfeKennung(), fall.flag);
    EXPECT_EQ(m.hilfeMarkiert(), fall.flag == QStringLiteral("hi"));
    EXPECT_EQ(m.farbe(), (Rgb{251, 230, 191}));
    EXPECT_EQ(m.downloadOrdner(), QStringLiteral("/programm/"));
}

INSTANTIATE_TEST_SUITE_P(Versionsdateien, Aktivierung, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Lines that wrap in a field: the fields drop displayed lines, so the information text and the
// flag start where the field's displayed lines say. Here a displayed line holds a fixed number
// of characters per field.
struct Umbruchfall {
    const char* name;
    QStringList zeilen;
    int informationsbreite; // characters per displayed line
    int flagbreite;
    QString information;
    QString flag;
};

const Umbruchfall Umbruchfaelle[] = {
    {"keinUmbruch", HiDatei, 100, 100, QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    // Line 2 takes three displayed lines; the information starts in its third.
    {"zweiteZeileUmbrochen", HiDatei, 10, 100,
     QStringLiteral(" ja\r\nfrei\r\nNeu: Drucken\r\nNeu: Hilfe"), QStringLiteral("hi")},
    // Line 2 takes two displayed lines; the second goes with its break, line 3 stays.
    {"zweiteZeileZweimal", HiDatei, 12, 100, QStringLiteral("frei\r\nNeu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("hi")},
    // Line 1 wraps in the narrow flag field only: the flag is counted from its second piece.
    {"ersteZeileImFlagfeld", HiDatei, 100, 4, QStringLiteral("Neu: Drucken\r\nNeu: Hilfe"),
     QStringLiteral("i:")},
    {"leereZeilen", {"2150*", "", "", "Info"}, 3, 100, QStringLiteral("\r\nInfo"), QString()},
};

void PrintTo(const Umbruchfall& fall, std::ostream* os) {
    *os << fall.name;
}

QList<qsizetype> inStuecken(const QString& zeile, int breite) {
    QList<qsizetype> laengen;
    for (qsizetype anfang = 0; anfang < zeile.size(); anfang += breite)
        laengen << std::min<qsizetype>(breite, zeile.size() - anfang);
    return laengen.isEmpty() ? QList<qsizetype>{0} : laengen;
}

class Umbruch : public ::testing::TestWithParam<Umbruchfall> {};

TEST_P(Umbruch, AngezeigteZeilen) {
    const Umbruchfall& fall = GetParam();
    // The version text as fetched; the web plays no part here.
    struct Textwelt : Probewelt {
        QString text;
        QString abrufen(const QString&) override { return text; }
    } welt;
    welt.text = fall.zeilen.join(QStringLiteral("\r\n"));
    Updatemodell m(welt, QStringLiteral("http://update.example"));
    m.zeilenmassSetzen([&](Textfeld feld, const QString& zeile) {
        return inStuecken(zeile, feld == Textfeld::Information ? fall.informationsbreite
                                                               : fall.flagbreite);
    });
    m.erstellen(QStringLiteral("/programm/"));
    m.aktivieren();
    EXPECT_EQ(m.information(), fall.information);
    EXPECT_EQ(m.hilfeKennung(), fall.flag);
    EXPECT_EQ(m.neueVersionFeld(), QStringLiteral("Neuere Version: 2.1.5.0"));
}

INSTANTIATE_TEST_SUITE_P(Felder, Umbruch, ::testing::ValuesIn(Umbruchfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The clipboard is pasted as it is, line breaks made CR LF; only the first activation counts.
TEST(Aktivierung, ZwischenablageNurBeimErstenMal) {
    for (const auto& [ablage, feld] :
         {std::pair{QString(), QString()},
          std::pair{QStringLiteral("eins\nzwei"), QStringLiteral("eins\r\nzwei")}}) {
        Testserver& server = Testserver::zurueckgesetzt();
        Probewelt welt;
        welt.ablage = ablage;
        Updatemodell m(welt, server.basisadresse());
        m.erstellen(QStringLiteral("/p/"));
        m.aktivieren();
        EXPECT_EQ(m.aktuelleVersion(), feld);
        welt.ablage = QStringLiteral("später");
        const QString neueVersion = m.neueVersionFeld();
        m.aktivieren();
        EXPECT_EQ(m.aktuelleVersion(), feld);
        EXPECT_EQ(m.neueVersionFeld(), neueVersion);
    }
}

} // namespace
