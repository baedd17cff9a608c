#include "common/dateiablage.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/skriptdialoge.h"

#include <QFileInfo>

#include <functional>
#include <sys/stat.h>

namespace {

// One writer of the program, run on a path; returns the text it raised or showed, or empty.
struct Schreiber {
    const char* name;
    std::function<QString(const QString& pfad, const QByteArray& inhalt)> schreiben;
};

QString gefangen(const std::function<void()>& tun) {
    try {
        tun();
    } catch (const Fehler& f) {
        return f.text();
    }
    return {};
}

QString ersetzen(const QString& pfad, const QByteArray& inhalt) {
    return gefangen([&] { DateiErsetzen(pfad, inhalt); });
}

QString ersetzenBenannt(const QString& pfad, const QByteArray& inhalt) {
    return gefangen([&] { DateiErsetzen(pfad, inhalt, Zwischendateiart::Benannt); });
}

QString rolleSchreiben(const QString& pfad, const QByteArray& inhalt) {
    QString fehler = gefangen([&] { RollendateiSchreiben(pfad, {QString::fromLatin1(inhalt)}); });
    return fehler == Fehlertexte::dateiNichtErstellbar(pfad) ? Fehlertexte::FehlerBeimSpeichern
                                                             : fehler;
}

// The operator file and the settings file live in the data folder; the test points
// XDG_DATA_HOME at the folder above the target's.
void datenOrdnerFuer(const QString& pfad) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir::cleanPath(QFileInfo(pfad).absolutePath() +
                                                               QStringLiteral("/../.."))));
}

QString nutzerSchreiben(const QString& pfad, const QByteArray& inhalt) {
    datenOrdnerFuer(pfad);
    SkriptDialoge dialoge;
    NutzerlisteSpeichern(QString::fromLatin1(inhalt), dialoge);
    return dialoge.meldungen().value(0);
}

QString einstellungenSchreiben(const QString& pfad, const QByteArray& inhalt) {
    datenOrdnerFuer(pfad);
    Programmwerte werte;
    werte.Firmenname = QString::fromLatin1(inhalt);
    return gefangen([&] { EinstellungenSchreiben(werte); });
}

void PrintTo(const Schreiber& s, std::ostream* os) {
    *os << s.name;
}

const Schreiber schreiber[] = {
    {"DateiErsetzen", ersetzen},
    {"DateiErsetzenBenannt", ersetzenBenannt},
    {"Rollendatei", rolleSchreiben},
    {"Nutzerdatei", nutzerSchreiben},
    {"Einstellungsdatei", einstellungenSchreiben},
};

// The target of each writer, in the folder layout its path rule gives.
class Schreibfehler : public ::testing::TestWithParam<Schreiber> {
protected:
    void SetUp() override {
        ordner = basis.filePath(QStringLiteral("Morvane/Rechner"));
        ASSERT_TRUE(QDir().mkpath(ordner));
        const QString name = QString::fromLatin1(GetParam().name);
        ziel = ordner + QLatin1Char('/') +
               (name == QLatin1String("Nutzerdatei")         ? QStringLiteral("KRAMV.txt")
                : name == QLatin1String("Einstellungsdatei") ? QStringLiteral("AUTMV.txt")
                                                             : QStringLiteral("Montag.KRO"));
        dateiAnlegen(ziel, alt);
    }
    QString schreiben(const QByteArray& inhalt) { return GetParam().schreiben(ziel, inhalt); }
    // The message or error each writer gives for a failed write.
    QString erwartet(const QString& plattformtext) const {
        const QString name = QString::fromLatin1(GetParam().name);
        if (name == QLatin1String("Rollendatei") || name == QLatin1String("Nutzerdatei"))
            return Fehlertexte::FehlerBeimSpeichern;
        return plattformtext;
    }

    QTemporaryDir basis;
    QString ordner;
    QString ziel;
    const QByteArray alt = "alter Inhalt\r\n";
};

TEST_P(Schreibfehler, VollePlatteLaesstAlteDateiGanz) {
    const QByteArray gross(256 * 1024, 'x');
    QString fehler;
    {
        Schreibgrenze grenze(64 * 1024);
        fehler = schreiben(gross);
    }
    EXPECT_EQ(fehler, erwartet(Fehlertexte::ZuWenigSpeicherplatz));
    EXPECT_EQ(dateiBytes(ziel), alt);
    EXPECT_EQ(eintraege(ordner), QStringList{QFileInfo(ziel).fileName()});
}

TEST_P(Schreibfehler, SchreibgeschuetzteDateiBleibt) {
    ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0444), 0);
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::ZugriffVerweigert));
    EXPECT_EQ(dateiBytes(ziel), alt);
    EXPECT_EQ(eintraege(ordner), QStringList{QFileInfo(ziel).fileName()});
}

TEST_P(Schreibfehler, VerzeichnisAlsZiel) {
    ASSERT_TRUE(QFile::remove(ziel));
    ASSERT_TRUE(QDir().mkdir(ziel));
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::ZugriffVerweigert));
    EXPECT_TRUE(QFileInfo(ziel).isDir());
    EXPECT_EQ(eintraege(ordner), QStringList{QFileInfo(ziel).fileName()});
}

TEST_P(Schreibfehler, FehlenderOrdnerWirdNichtAngelegt) {
    ASSERT_TRUE(QDir(ordner).removeRecursively());
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::UngueltigerDateiname));
    EXPECT_FALSE(QFileInfo::exists(ordner));
}

TEST_P(Schreibfehler, ErfolgErsetztGanzOhneReste) {
    EXPECT_EQ(schreiben("neu"), QString());
    EXPECT_NE(dateiBytes(ziel), alt);
    EXPECT_EQ(eintraege(ordner), QStringList{QFileInfo(ziel).fileName()});
}

INSTANTIATE_TEST_SUITE_P(AlleSchreiber, Schreibfehler, ::testing::ValuesIn(schreiber),
                         [](const auto& info) { return std::string(info.param.name); });

// A crash during a write (the platform kills the process that writes at its size limit) leaves
// the old file as it was.
TEST(DateiErsetzenDeathTest, AbsturzMittendrinLaesstAlteDateiGanz) {
    // The child is forked, so that it writes to the same file as this test.
    GTEST_FLAG_SET(death_test_style, "fast");
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("Montag.KRO"));
    dateiAnlegen(ziel, "alt");
    const auto absturz = [&] {
        rlimit grenze{};
        getrlimit(RLIMIT_FSIZE, &grenze);
        grenze.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &grenze);
        DateiErsetzen(ziel, QByteArray(1 << 20, 'x'));
        std::exit(0);
    };
    EXPECT_EXIT(absturz(), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(dateiBytes(ziel), QByteArray("alt"));
}

TEST(DateiErsetzen, BehaeltRechteDerAltenDatei) {
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("AUTMV.txt"));
    dateiAnlegen(ziel, "alt");
    ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0640), 0);
    DateiErsetzen(ziel, "neu");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ziel).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(DateiErsetzen, SchreibtDurchSymbolischenVerweis) {
    QTemporaryDir ordner;
    const QString echt = ordner.filePath(QStringLiteral("echt.KRO"));
    const QString verweis = ordner.filePath(QStringLiteral("verweis.KRO"));
    dateiAnlegen(echt, "alt");
    ASSERT_TRUE(QFile::link(echt, verweis));
    DateiErsetzen(verweis, "neu");
    EXPECT_TRUE(QFileInfo(verweis).isSymLink());
    EXPECT_EQ(dateiBytes(echt), QByteArray("neu"));
}

struct Lesefall {
    const char* pfad; // below a temporary folder holding "da/datei"
    const QString& text;
};

void PrintTo(const Lesefall& f, std::ostream* os) {
    *os << f.pfad;
}

class Lesefehler : public ::testing::TestWithParam<Lesefall> {};

TEST_P(Lesefehler, PlattformText) {
    QTemporaryDir ordner;
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("da")));
    dateiAnlegen(ordner.filePath(QStringLiteral("da/datei")), "x");
    EXPECT_EQ(
        gefangen([&] { DateiLesen(ordner.filePath(QString::fromLatin1(GetParam().pfad)), 100); }),
        GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Pfade, Lesefehler,
                         ::testing::Values(Lesefall{"da/fehlt", Fehlertexte::DateiNichtGefunden},
                                           Lesefall{"weg/fehlt", Fehlertexte::UngueltigerDateiname},
                                           Lesefall{"da/datei/fehlt",
                                                    Fehlertexte::UngueltigerDateiname},
                                           Lesefall{"da", Fehlertexte::ZugriffVerweigert}));

TEST(DateiLesen, ZuGrosseDateiNimmtKeinenSpeicher) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross"));
    dateiAnlegen(pfad, QByteArray(101, 'x'));
    EXPECT_EQ(gefangen([&] { DateiLesen(pfad, 100); }), Fehlertexte::eaFehler(8));
    EXPECT_EQ(DateiLesen(pfad, 101).size(), 101);
}

// The platform's numbers: a full disk is reported as itself, a short write as 101.
struct Nummer {
    int fehler;
    bool ordnerFehlt;
    const char* text;
};
class EaTexte : public ::testing::TestWithParam<Nummer> {};
TEST_P(EaTexte, TextDerNummer) {
    EXPECT_EQ(EaText(EaNummer(GetParam().fehler, GetParam().ordnerFehlt)),
              QString::fromUtf8(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Fehler, EaTexte,
                         ::testing::Values(Nummer{ENOENT, false, "Datei nicht gefunden"},
                                           Nummer{ENOENT, true, "Ungültiger Dateiname"},
                                           Nummer{EACCES, false, "Dateizugriff verweigert"},
                                           Nummer{ENOSPC, false, "E/A-Fehler 112"},
                                           Nummer{EFBIG, false, "Zu wenig Speicherplatz"},
                                           Nummer{EBUSY, false, "E/A-Fehler 32"}));

// A target that is not a regular file is never renamed over.
TEST(DateiErsetzen, ErsetztKeineGeraetedatei) {
    QTemporaryDir ordner;
    const QString rohr = ordner.filePath(QStringLiteral("Rohr.KRO"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(rohr).constData(), 0666), 0);
    try {
        DateiErsetzen(rohr, "neu");
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("Dateizugriff verweigert"));
    }
    EXPECT_FALSE(QFileInfo(rohr).isFile());
}

} // namespace
