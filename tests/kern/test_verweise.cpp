// Symbolic links at a roll's name: followed as the kernel's protection of shared folders
// (fs.protected_symlinks) would follow them, on every machine, by saves and loads alike.
#include "common/ansi.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "common/zeilen.h"
#include "rechner/kern/rollendatei.h"
#include "tests/hilfen/dateien.h"
#include "tests/kern/fehlervon.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uid_t Fremder = FremderNutzer;
constexpr uid_t Ich = uid_t(-1);

struct Verweisfall {
    const char* name;
    mode_t ordnerRechte;   // of the folder that holds the link
    uid_t ordnerBesitzer;  // Ich or Fremder
    uid_t verweisBesitzer; // Ich or Fremder
    bool gefolgt;
};

void PrintTo(const Verweisfall& f, std::ostream* os) {
    *os << f.name;
}

QByteArray pfadBytes(const QString& pfad) {
    return QFile::encodeName(pfad);
}

// basis/geteilt/Montag.KRO is a link to basis/opfer.KRO, which belongs to someone else.
class VerweisImOrdner : public ::testing::TestWithParam<Verweisfall> {
protected:
    void SetUp() override {
        const Verweisfall& f = GetParam();
        ASSERT_TRUE(QDir(m_basis.path()).mkdir(QStringLiteral("geteilt")));
        dateiAnlegen(m_opfer, m_alt);
        ASSERT_EQ(::symlink("../opfer.KRO", pfadBytes(m_verweis).constData()), 0);
        if ((f.verweisBesitzer == Fremder && !fremdemGeben(m_verweis)) ||
            (f.ordnerBesitzer == Fremder && !fremdemGeben(m_ordner)))
            GTEST_SKIP() << "only root can give a link or folder to another user";
        ASSERT_EQ(::chmod(pfadBytes(m_ordner).constData(), f.ordnerRechte), 0);
    }

    // The text raised, or empty.
    QString speichern(const QString& pfad) {
        try {
            rollendateiSchreiben(pfad, {QStringLiteral("neu")});
        } catch (const Fehler& f) {
            return f.text();
        }
        return {};
    }

    QTemporaryDir m_basis;
    const QString m_ordner = m_basis.filePath(QStringLiteral("geteilt"));
    const QString m_verweis = m_basis.filePath(QStringLiteral("geteilt/Montag.KRO"));
    const QString m_opfer = m_basis.filePath(QStringLiteral("opfer.KRO"));
    const QByteArray m_alt = "gehört jemand anderem\r\n";
};

TEST_P(VerweisImOrdner, GefolgtNurWoDerKernelFolgt) {
    const QString fehler = speichern(m_verweis);
    EXPECT_TRUE(QFileInfo(m_verweis).isSymLink());
    EXPECT_EQ(QFileInfo(m_verweis).symLinkTarget(), m_opfer);
    EXPECT_EQ(eintraege(m_ordner), QStringList{QStringLiteral("Montag.KRO")});
    EXPECT_EQ(eintraege(m_basis.path()),
              (QStringList{QStringLiteral("geteilt"), QStringLiteral("opfer.KRO")}));
    if (GetParam().gefolgt) {
        EXPECT_EQ(fehler, QString());
        EXPECT_EQ(dateiBytes(m_opfer), rtfAusZeilen({QStringLiteral("neu")}));
    } else {
        EXPECT_EQ(fehler, Fehlertexte::dateiNichtErstellbar(m_verweis));
        EXPECT_EQ(dateiBytes(m_opfer), m_alt);
    }
}

TEST_P(VerweisImOrdner, GelesenNurWoDerKernelFolgt) {
    QString fehler;
    QStringList zeilen;
    try {
        zeilen = rollendateiLesen(m_verweis);
    } catch (const Fehler& f) {
        fehler = f.text();
    }
    if (GetParam().gefolgt) {
        EXPECT_EQ(fehler, QString());
        EXPECT_EQ(zeilen, zeilenAus(ansiZuText(m_alt)));
    } else {
        EXPECT_EQ(fehler, Fehlertexte::dateiNichtOeffenbar(m_verweis));
        EXPECT_TRUE(zeilen.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, VerweisImOrdner,
    ::testing::Values(Verweisfall{"EigenerImGeteilten", 01777, Ich, Ich, true},
                      Verweisfall{"FremderImGeteilten", 01777, Ich, Fremder, false},
                      Verweisfall{"FremderImGeteiltenDesFremden", 01777, Fremder, Fremder, true},
                      Verweisfall{"FremderOhneStickyBit", 0777, Ich, Fremder, true},
                      Verweisfall{"FremderNichtFuerAlle", 01770, Ich, Fremder, true},
                      Verweisfall{"FremderImEigenen", 0755, Ich, Fremder, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Links on the way count as much as the link at the name: a chain through another user's link,
// and another user's link to a folder, in a shared folder.
class VerweisKette : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(m_basis.path()).mkpath(QStringLiteral("geteilt")));
        ASSERT_TRUE(QDir(m_basis.path()).mkpath(QStringLiteral("fremd")));
        dateiAnlegen(m_basis.filePath(QStringLiteral("fremd/Montag.KRO")), m_alt);
        ASSERT_EQ(
            ::chmod(pfadBytes(m_basis.filePath(QStringLiteral("geteilt"))).constData(), 01777), 0);
    }
    // False where the link cannot be given to another user.
    bool fremderVerweis(const char* ziel, const QString& name) {
        return ::symlink(ziel, pfadBytes(name).constData()) == 0 && fremdemGeben(name);
    }

    QTemporaryDir m_basis;
    const QByteArray m_alt = "alt";
};

TEST_F(VerweisKette, EigenerVerweisAufFremden) {
    const QString eigener = m_basis.filePath(QStringLiteral("geteilt/Montag.KRO"));
    if (!fremderVerweis("../fremd/Montag.KRO",
                        m_basis.filePath(QStringLiteral("geteilt/fremd.KRO"))))
        GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_EQ(::symlink("fremd.KRO", pfadBytes(eigener).constData()), 0);
    EXPECT_THROW(rollendateiSchreiben(eigener, {QStringLiteral("neu")}), Fehler);
    EXPECT_EQ(dateiBytes(m_basis.filePath(QStringLiteral("fremd/Montag.KRO"))), m_alt);
    EXPECT_TRUE(QFileInfo(eigener).isSymLink());
}

TEST_F(VerweisKette, EigenerVerweisAufFremdenWirdNichtGelesen) {
    const QString eigener = m_basis.filePath(QStringLiteral("geteilt/Montag.KRO"));
    if (!fremderVerweis("../fremd/Montag.KRO",
                        m_basis.filePath(QStringLiteral("geteilt/fremd.KRO"))))
        GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_EQ(::symlink("fremd.KRO", pfadBytes(eigener).constData()), 0);
    EXPECT_EQ(fehlerVon([&] { rollendateiLesen(eigener); }),
              Fehlertexte::dateiNichtOeffenbar(eigener));
}

TEST_F(VerweisKette, FremderVerweisAufOrdner) {
    if (!fremderVerweis("../fremd", m_basis.filePath(QStringLiteral("geteilt/ordner"))))
        GTEST_SKIP() << "only root can give a link to another user";
    const QString pfad = m_basis.filePath(QStringLiteral("geteilt/ordner/Montag.KRO"));
    try {
        rollendateiSchreiben(pfad, {QStringLiteral("neu")});
        ADD_FAILURE() << "gespeichert";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), Fehlertexte::dateiNichtErstellbar(pfad));
    }
    EXPECT_EQ(eintraege(m_basis.filePath(QStringLiteral("fremd"))),
              QStringList{QStringLiteral("Montag.KRO")});
    EXPECT_EQ(dateiBytes(m_basis.filePath(QStringLiteral("fremd/Montag.KRO"))), m_alt);
}

class VerweisZiel : public ::testing::TestWithParam<const char*> {};

// A save follows the user's own link to a missing file and creates the file there (a stick not
// yet plugged in); into a missing folder ("weg") it fails. The link stays a link.
TEST_P(VerweisZiel, VerweisBleibt) {
    QTemporaryDir basis;
    const QString verweis = basis.filePath(QStringLiteral("Montag.KRO"));
    const QString datei = basis.filePath(QString::fromLatin1(GetParam()));
    const bool gespeichert = !datei.contains(QStringLiteral("/weg/"));
    ASSERT_TRUE(QDir(basis.path()).mkdir(QStringLiteral("da")));
    ASSERT_EQ(::symlink(GetParam(), pfadBytes(verweis).constData()), 0);
    EXPECT_EQ(fehlerVon([&] { rollendateiSchreiben(verweis, {QStringLiteral("neu")}); }),
              gespeichert ? QString() : Fehlertexte::dateiNichtErstellbar(verweis));
    EXPECT_EQ(QFileInfo(verweis).symLinkTarget(), datei);
    EXPECT_EQ(dateiBytes(datei), gespeichert ? rtfAusZeilen({QStringLiteral("neu")}) : "<fehlt>");
    EXPECT_EQ(eintraege(basis.path()),
              (QStringList{QStringLiteral("Montag.KRO"), QStringLiteral("da")}));
}

INSTANTIATE_TEST_SUITE_P(Ziele, VerweisZiel, ::testing::Values("da/Montag.KRO", "weg/Montag.KRO"));

TEST(Verweis, OhneZielWirdNichtGefunden) {
    QTemporaryDir basis;
    const QString verweis = basis.filePath(QStringLiteral("Montag.KRO"));
    ASSERT_EQ(::symlink("fehlt/nirgends.KRO", pfadBytes(verweis).constData()), 0);
    EXPECT_EQ(fehlerVon([&] { dateiLesen(verweis, 100); }), Fehlertexte::DateiNichtGefunden);
}

// A link to a folder is refused like the folder.
TEST(Verweis, AufOrdnerWirdAbgelehnt) {
    QTemporaryDir basis;
    const QString verweis = basis.filePath(QStringLiteral("Montag.KRO"));
    ASSERT_EQ(::symlink(".", pfadBytes(verweis).constData()), 0);
    EXPECT_THROW(rollendateiSchreiben(verweis, {QStringLiteral("neu")}), Fehler);
    EXPECT_TRUE(QFileInfo(verweis).isSymLink());
    EXPECT_EQ(eintraege(basis.path()), QStringList{QStringLiteral("Montag.KRO")});
}

// A path longer than the platform's 4096 bytes, which a save reaches by walking folder by
// folder, is read back the same way.
class LangerPfad : public ::testing::Test {
protected:
    void SetUp() override {
        Deskriptor ordner(::open(pfadBytes(m_basis.path()).constData(), O_RDONLY | O_DIRECTORY));
        ASSERT_TRUE(ordner.offen());
        m_ordner.push_back(std::move(ordner));
        m_pfad = m_basis.path();
        while (m_pfad.size() <= 4200) {
            ASSERT_EQ(::mkdirat(m_ordner.back().fd(), m_name.constData(), 0700), 0);
            Deskriptor unter(
                ::openat(m_ordner.back().fd(), m_name.constData(), O_RDONLY | O_DIRECTORY));
            ASSERT_TRUE(unter.offen());
            m_ordner.push_back(std::move(unter));
            m_pfad += u'/' + QString::fromLatin1(m_name);
        }
        m_pfad += QStringLiteral("/Montag.KRO");
    }
    // The folders go from the deepest up: their paths are too long for QTemporaryDir.
    void TearDown() override {
        ::unlinkat(m_ordner.back().fd(), "Montag.KRO", 0);
        while (m_ordner.size() > 1) {
            m_ordner.pop_back();
            ::unlinkat(m_ordner.back().fd(), m_name.constData(), AT_REMOVEDIR);
        }
    }

    const QByteArray m_name = QByteArray(200, 'o');
    QTemporaryDir m_basis;
    QString m_pfad;
    std::vector<Deskriptor> m_ordner;
};

TEST_F(LangerPfad, GespeichertUndGelesen) {
    const QStringList zeilen{QStringLiteral("12,00 €  "), QString(), QStringLiteral("= 17")};
    rollendateiSchreiben(m_pfad, zeilen);
    EXPECT_EQ(rollendateiLesen(m_pfad), zeilen);
    EXPECT_EQ(dateiLesen(m_pfad, 1000), rtfAusZeilen(zeilen));
}

} // namespace
