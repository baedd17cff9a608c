// The files start-up reads, planted by somebody else: what is no regular file at the automatic
// path, and another user's links in a sticky data folder or roll folder. Start-up refuses them
// with the text it shows for a file it cannot open, replaces nothing, and the exit that follows
// writes nothing through them.
#include "rechner/kern/rollendatei.h"
#include "tests/hilfen/dateien.h"
#include "tests/kern/sonderdateien.h"
#include "tests/kern/start_fixture.h"

#include <QFileInfo>

#include <sys/stat.h>

namespace {

// A link in `ordner` to `ziel`, given to another user; false where that is refused.
bool fremderVerweis(const QString& ziel, const QString& verweis) {
    return ::symlink(QFile::encodeName(ziel).constData(), QFile::encodeName(verweis).constData()) ==
               0 &&
           fremdemGeben(verweis);
}

bool geteilt(const QString& ordner) {
    return ::chmod(QFile::encodeName(ordner).constData(), 01777) == 0;
}

class AutorolleSonderdatei : public StartTest, public ::testing::WithParamInterface<Sonderart> {};

TEST_P(AutorolleSonderdatei, StartLaedtNichtsUndEndeSchreibtNicht) {
    ordnerAnlegen();
    const QString pfad = ordner() + QStringLiteral("Auto.KRO");
    Sonderdatei eintrag(GetParam(), pfad);
    SONDERDATEI_ANLEGEN(eintrag);
    einstellungen({QStringLiteral("True"), pfad, QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("1"), QString()});
    nutzer({});
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), Fehlertexte::dateiNichtOeffenbar(pfad));
    EXPECT_EQ(haupt.rolle().anzahl(), 0);
    EXPECT_TRUE(w.Rollenname.isEmpty());
    // The file was there: the exit asks where to save instead of replacing it.
    dialoge.dateien.push_back(std::nullopt);
    EXPECT_EQ(start.schliessenAnfragen(), Programmstart::Schliessantwort::Schliessen);
    EXPECT_EQ(dialoge.protokoll, QStringList{QStringLiteral("speichern: ")});
    EXPECT_FALSE(QFileInfo(pfad).isFile() && !QFileInfo(pfad).isSymLink());
}

INSTANTIATE_TEST_SUITE_P(Arten, AutorolleSonderdatei, ::testing::ValuesIn(AlleSonderarten),
                         [](const auto& info) { return std::string(sonderartName(info.param)); });

// Another user's link in a sticky folder that everybody may write to is not followed by any
// read of start-up; the user's own link there is.
enum class Gelesen { Nutzerdatei, Einstellungsdatei, Autorolle };

struct Verweisfall {
    const char* name;
    Gelesen datei;
    bool fremd;
};

void PrintTo(const Verweisfall& fall, std::ostream* os) {
    *os << fall.name;
}

class VerweisBeimStart : public StartTest, public ::testing::WithParamInterface<Verweisfall> {
protected:
    // The other user's file the link leads to.
    QString geheim(const QString& name) const { return m_tmp.filePath(name); }
    void verweisen(const QString& ziel, const QString& verweis) {
        if (!GetParam().fremd) {
            ASSERT_EQ(::symlink(QFile::encodeName(ziel).constData(),
                                QFile::encodeName(verweis).constData()),
                      0);
        } else if (!fremderVerweis(ziel, verweis)) {
            GTEST_SKIP() << "only root can give a link to another user";
        }
        ASSERT_TRUE(geteilt(QFileInfo(verweis).path()));
    }
};

TEST_P(VerweisBeimStart, NurEigeneVerweiseWerdenGelesen) {
    const Verweisfall& fall = GetParam();
    ordnerAnlegen();
    const QStringList einstellungszeilen{QStringLiteral("True"), QString(),
                                         QStringLiteral("2"),    QStringLiteral("1"),
                                         QStringLiteral("1"),    QString()};
    QString erwarteterFehler;
    switch (fall.datei) {
    case Gelesen::Nutzerdatei:
        dateiAnlegen(geheim(QStringLiteral("nutzer.txt")), "0000  GEHEIM\r\n");
        verweisen(geheim(QStringLiteral("nutzer.txt")), ordner() + QStringLiteral("KRAMV.txt"));
        einstellungen(einstellungszeilen);
        break;
    case Gelesen::Einstellungsdatei:
        dateiAnlegen(geheim(QStringLiteral("einstellungen.txt")),
                     crlf({QStringLiteral("False"), QString(), QStringLiteral("6"),
                           QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("GEHEIM")}));
        nutzer({});
        verweisen(geheim(QStringLiteral("einstellungen.txt")),
                  ordner() + QStringLiteral("AUTMV.txt"));
        erwarteterFehler = fall.fremd ? Fehlertexte::ZugriffVerweigert : QString();
        // The secret settings switch the automatic path off: a new roll is offered, then one to
        // open.
        if (!fall.fremd) {
            dialoge.antworten.push_back(Dialoge::Antwort::Nein);
            dialoge.dateien.push_back(std::nullopt);
        }
        break;
    case Gelesen::Autorolle: {
        const QString rolle = m_tmp.filePath(QStringLiteral("geteilt/Auto.KRO"));
        ASSERT_TRUE(QDir().mkpath(m_tmp.filePath(QStringLiteral("geteilt"))));
        dateiAnlegen(geheim(QStringLiteral("geheim.KRO")), "GEHEIM\r\n");
        verweisen(geheim(QStringLiteral("geheim.KRO")), rolle);
        QStringList zeilen = einstellungszeilen;
        zeilen[1] = rolle;
        einstellungen(zeilen);
        nutzer({});
        erwarteterFehler = fall.fremd ? Fehlertexte::dateiNichtOeffenbar(rolle) : QString();
        break;
    }
    }
    if (HasFatalFailure() || IsSkipped())
        return;
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), erwarteterFehler);
    const bool geheimGelesen = verwaltung.nutzerAnzahl() == 1 ||
                               w.Firmenname == QStringLiteral("GEHEIM") ||
                               haupt.rolle().zeilen().contains(QStringLiteral("GEHEIM"));
    EXPECT_EQ(geheimGelesen, !fall.fremd);
    if (fall.datei == Gelesen::Nutzerdatei) {
        EXPECT_EQ(dialoge.meldungen(),
                  fall.fremd ? QStringList{Fehlertexte::FehlerBeimLaden} : QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, VerweisBeimStart,
    ::testing::Values(Verweisfall{"fremderAufNutzerdatei", Gelesen::Nutzerdatei, true},
                      Verweisfall{"eigenerAufNutzerdatei", Gelesen::Nutzerdatei, false},
                      Verweisfall{"fremderAufEinstellungsdatei", Gelesen::Einstellungsdatei, true},
                      Verweisfall{"eigenerAufEinstellungsdatei", Gelesen::Einstellungsdatei, false},
                      Verweisfall{"fremderAufAutorolle", Gelesen::Autorolle, true},
                      Verweisfall{"eigenerAufAutorolle", Gelesen::Autorolle, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The attack on the automatic path: another user plants a link to the victim's secret, start-up
// refuses it, the attacker takes the link away, and the exit still writes nothing for the
// attacker to read: it asks where to save.
TEST_F(StartTest, FremderVerweisAufAutorolleWirdNichtGespeichert) {
    ordnerAnlegen();
    const QString geteilterOrdner = m_tmp.filePath(QStringLiteral("geteilt"));
    const QString rolle = geteilterOrdner + QStringLiteral("/Auto.KRO");
    ASSERT_TRUE(QDir().mkpath(geteilterOrdner));
    dateiAnlegen(m_tmp.filePath(QStringLiteral("geheim.txt")), "GEHEIM\r\n");
    if (!fremderVerweis(m_tmp.filePath(QStringLiteral("geheim.txt")), rolle))
        GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_TRUE(geteilt(geteilterOrdner));
    einstellungen({QStringLiteral("True"), rolle, QStringLiteral("2"), QStringLiteral("1"),
                   QStringLiteral("1"), QString()});
    nutzer({});
    EXPECT_EQ(fehlerVon([&] { start.beimZeigen(); }), Fehlertexte::dateiNichtOeffenbar(rolle));
    EXPECT_FALSE(haupt.rolle().zeilen().contains(QStringLiteral("GEHEIM")));
    ASSERT_TRUE(QFile::remove(rolle));
    dialoge.dateien.push_back(std::nullopt);
    EXPECT_EQ(start.schliessenAnfragen(), Programmstart::Schliessantwort::Schliessen);
    EXPECT_EQ(dialoge.protokoll, QStringList{QStringLiteral("speichern: ")});
    EXPECT_EQ(eintraege(geteilterOrdner), QStringList());
}

} // namespace
