#include "common/dateiablage.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "rechner/kern/datendateien.h"
#include "rechner/kern/rollendatei.h"
#include "rechner/kern/rollenverwaltung.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/skriptdialoge.h"
#include "tests/kern/fehlervon.h"

#include <QFileInfo>

#include <cstddef>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <string_view>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>

namespace {

using namespace std::string_view_literals;

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
    return gefangen([&] { dateiErsetzen(pfad, inhalt); });
}

QString ersetzenBenannt(const QString& pfad, const QByteArray& inhalt) {
    return gefangen([&] { dateiErsetzen(pfad, inhalt, Zwischendateiart::Benannt); });
}

QString rolleSchreiben(const QString& pfad, const QByteArray& inhalt) {
    QString fehler = gefangen([&] { rollendateiSchreiben(pfad, {QString::fromLatin1(inhalt)}); });
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

const Schreiber JederSchreiber[] = {
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
        m_ordner = m_basis.filePath(QStringLiteral("Morvane/Rechner"));
        ASSERT_TRUE(QDir().mkpath(m_ordner));
        const QString name = QString::fromLatin1(GetParam().name);
        m_ziel = m_ordner + QLatin1Char('/') +
                 (name == QLatin1String("Nutzerdatei")         ? QStringLiteral("KRAMV.txt")
                  : name == QLatin1String("Einstellungsdatei") ? QStringLiteral("AUTMV.txt")
                                                               : QStringLiteral("Montag.KRO"));
        dateiAnlegen(m_ziel, m_alt);
    }
    QString schreiben(const QByteArray& inhalt) { return GetParam().schreiben(m_ziel, inhalt); }
    // The message or error each writer gives for a failed write.
    QString erwartet(const QString& plattformtext) const {
        const QString name = QString::fromLatin1(GetParam().name);
        if (name == QLatin1String("Rollendatei") || name == QLatin1String("Nutzerdatei"))
            return Fehlertexte::FehlerBeimSpeichern;
        return plattformtext;
    }

    QTemporaryDir m_basis;
    QString m_ordner;
    QString m_ziel;
    const QByteArray m_alt = "alter Inhalt\r\n";
};

TEST_P(Schreibfehler, VollePlatteLaesstAlteDateiGanz) {
    const QByteArray gross(256 * 1024, 'x');
    QString fehler;
    {
        Schreibgrenze grenze(64 * 1024);
        fehler = schreiben(gross);
    }
    EXPECT_EQ(fehler, erwartet(Fehlertexte::ZuWenigSpeicherplatz));
    EXPECT_EQ(dateiBytes(m_ziel), m_alt);
    EXPECT_EQ(eintraege(m_ordner), QStringList{QFileInfo(m_ziel).fileName()});
}

TEST_P(Schreibfehler, SchreibgeschuetzteDateiBleibt) {
    ASSERT_EQ(::chmod(QFile::encodeName(m_ziel).constData(), 0444), 0);
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::ZugriffVerweigert));
    EXPECT_EQ(dateiBytes(m_ziel), m_alt);
    EXPECT_EQ(eintraege(m_ordner), QStringList{QFileInfo(m_ziel).fileName()});
}

TEST_P(Schreibfehler, VerzeichnisAlsZiel) {
    ASSERT_TRUE(QFile::remove(m_ziel));
    ASSERT_TRUE(QDir().mkdir(m_ziel));
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::ZugriffVerweigert));
    EXPECT_TRUE(QFileInfo(m_ziel).isDir());
    EXPECT_EQ(eintraege(m_ordner), QStringList{QFileInfo(m_ziel).fileName()});
}

TEST_P(Schreibfehler, FehlenderOrdnerWirdNichtAngelegt) {
    ASSERT_TRUE(QDir(m_ordner).removeRecursively());
    EXPECT_EQ(schreiben("neu"), erwartet(Fehlertexte::UngueltigerDateiname));
    EXPECT_FALSE(QFileInfo::exists(m_ordner));
}

TEST_P(Schreibfehler, ErfolgErsetztGanzOhneReste) {
    EXPECT_EQ(schreiben("neu"), QString());
    EXPECT_NE(dateiBytes(m_ziel), m_alt);
    EXPECT_EQ(eintraege(m_ordner), QStringList{QFileInfo(m_ziel).fileName()});
}

INSTANTIATE_TEST_SUITE_P(AlleSchreiber, Schreibfehler, ::testing::ValuesIn(JederSchreiber),
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
        dateiErsetzen(ziel, QByteArray(1 << 20, 'x'));
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
    dateiErsetzen(ziel, "neu");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ziel).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

constexpr uid_t Niemand = 65534;
constexpr gid_t Gruppe = 4343; // the old file's, which belongs to FremderNutzer

enum class Sichernder { Root, Fremder, Mitglied }; // nobody outside or inside Gruppe

struct Besitzfall {
    const char* name;
    mode_t rechte; // the old file's
    Sichernder wer;
    bool ordnerSetgid; // the folder's new files take Gruppe
    bool gelingt;
    uid_t besitzer; // of the file afterwards
    gid_t gruppe;
};

class AlteDatei : public ::testing::TestWithParam<Besitzfall> {};

// A shared file stays shared: its group stays where the saver is in it, its owner when root saves.
// A setgid bit that cannot stay with its group fails the save, which keeps the old file.
TEST_P(AlteDatei, BehaeltBesitzOderKeinSpeichern) {
    const Besitzfall& f = GetParam();
    QTemporaryDir basis;
    const QString ordner = basis.filePath(QStringLiteral("Rollen"));
    const QString ziel = ordner + QStringLiteral("/Montag.KRO");
    ASSERT_TRUE(QDir().mkdir(ordner));
    dateiAnlegen(ziel, "alt");
    const QByteArray o = QFile::encodeName(ordner), z = QFile::encodeName(ziel);
    if (::chown(z.constData(), FremderNutzer, Gruppe) != 0 ||
        ::chown(o.constData(), 0, Gruppe) != 0)
        GTEST_SKIP() << "only root can give files away";
    ASSERT_EQ(::chmod(z.constData(), f.rechte), 0);
    ASSERT_EQ(::chmod(o.constData(), f.ordnerSetgid ? 02777 : 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(basis.path()).constData(), 0755), 0);
    const auto sichern = [&] {
        const int gruppen = f.wer == Sichernder::Mitglied ? 1 : 0;
        if (f.wer != Sichernder::Root && (::setgroups(gruppen, &Gruppe) != 0 ||
                                          ::setgid(Niemand) != 0 || ::setuid(Niemand) != 0))
            ::_exit(3);
        ::_exit(ersetzen(ziel, "neu").isEmpty() ? 0 : 1);
    };
    EXPECT_EXIT(sichern(), ::testing::ExitedWithCode(f.gelingt ? 0 : 1), "");
    EXPECT_EQ(dateiBytes(ziel), f.gelingt ? "neu" : "alt");
    struct stat st {};
    ASSERT_EQ(::stat(z.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, f.rechte);
    EXPECT_EQ(st.st_uid, f.besitzer);
    EXPECT_EQ(st.st_gid, f.gruppe);
    EXPECT_EQ(eintraege(ordner), QStringList{QStringLiteral("Montag.KRO")});
}

constexpr uid_t Alt = FremderNutzer;
using enum Sichernder;
INSTANTIATE_TEST_SUITE_P(
    Speichern, AlteDatei,
    ::testing::Values(Besitzfall{"root", 02664, Root, false, true, Alt, Gruppe},
                      Besitzfall{"mitglied", 02664, Mitglied, false, true, Niemand, Gruppe},
                      Besitzfall{"fremd", 0666, Fremder, false, true, Niemand, Niemand},
                      Besitzfall{"setgidFremd", 02666, Fremder, false, false, Alt, Gruppe},
                      Besitzfall{"setgidVerworfen", 02666, Fremder, true, false, Alt, Gruppe}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateiErsetzen, SchreibtDurchSymbolischenVerweis) {
    QTemporaryDir ordner;
    const QString echt = ordner.filePath(QStringLiteral("echt.KRO"));
    const QString verweis = ordner.filePath(QStringLiteral("verweis.KRO"));
    dateiAnlegen(echt, "alt");
    ASSERT_TRUE(QFile::link(echt, verweis));
    dateiErsetzen(verweis, "neu");
    EXPECT_TRUE(QFileInfo(verweis).isSymLink());
    EXPECT_EQ(dateiBytes(echt), QByteArray("neu"));
}

// From here on every change of a file's mode fails, as on a file system that refuses modes.
// Only for a forked child: it cannot be undone.
bool rechteVerbieten() {
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fchmod, 1, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fchmodat, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EPERM & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog programm{static_cast<unsigned short>(std::size(filter)), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &programm) == 0;
}

struct Rechtefall {
    const char* name;
    mode_t alt;   // the old file's mode
    bool gelingt; // a new file gets 0644 here: the save may go on only where that is the mode
};

void PrintTo(const Rechtefall& fall, std::ostream* os) {
    *os << fall.name;
}

class RechteVerweigert : public ::testing::TestWithParam<Rechtefall> {};

// A save where the platform refuses to set the mode never leaves the roll readable by more
// people than before: it keeps the old file, unless the new one has the mode already.
TEST_P(RechteVerweigert, AlteRechteOderKeinSpeichern) {
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("Montag.KRO"));
    dateiAnlegen(ziel, "alt");
    ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), GetParam().alt), 0);
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::umask(022);
        if (!rechteVerbieten())
            ::_exit(3);
        ::_exit(ersetzen(ziel, "neu").isEmpty() ? 0 : 1);
    }
    ASSERT_GT(kind, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    if (WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "no seccomp filter here";
    EXPECT_EQ(WEXITSTATUS(status), GetParam().gelingt ? 0 : 1);
    EXPECT_EQ(dateiBytes(ziel), GetParam().gelingt ? QByteArray("neu") : QByteArray("alt"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ziel).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, GetParam().alt);
    EXPECT_EQ(eintraege(ordner.path()), QStringList{QStringLiteral("Montag.KRO")});
}

INSTANTIATE_TEST_SUITE_P(Modi, RechteVerweigert,
                         ::testing::Values(Rechtefall{"nurFuerMich", 0600, false},
                                           Rechtefall{"gruppe", 0640, false},
                                           Rechtefall{"wieNeu", 0644, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A name that no bytes give back exactly (a byte that could not be decoded, shown as U+FFFD;
// a lone surrogate; a NUL) is refused with its own text by every read and write, and the roll
// operations show that text: no file of another name is read or written in its place.
class NichtDarstellbar : public ::testing::TestWithParam<std::u16string_view> {
protected:
    QString pfad() const {
        return m_ordner.path() + u'/' + QString::fromUtf16(GetParam().data(), GetParam().size());
    }
    QTemporaryDir m_ordner;
};

TEST_P(NichtDarstellbar, WirdNichtGelesenUndNichtGeschrieben) {
    const QString text = Fehlertexte::dateinameNichtDarstellbar(pfad());
    EXPECT_EQ(fehlerVon([&] { rollendateiSchreiben(pfad(), {QStringLiteral("neu")}); }), text);
    EXPECT_EQ(fehlerVon([&] { rollendateiLesen(pfad()); }), text);
    EXPECT_EQ(fehlerVon([&] { dateiErsetzen(pfad(), "neu"); }), text);
    EXPECT_EQ(fehlerVon([&] { dateiLesen(pfad(), 100); }), text);
    Programmwerte w;
    Rolle haupt, kopie;
    haupt.ersetzen({QStringLiteral("Haupt")});
    SkriptDialoge dialoge;
    Rollenverwaltung rollen(w, haupt, kopie, dialoge);
    dialoge.dateien = {pfad(), pfad()};
    rollen.speichern();
    rollen.oeffnen();
    EXPECT_EQ(dialoge.meldungen(), (QStringList{text, text}));
    EXPECT_EQ(haupt.zeilen(), QStringList{QStringLiteral("Haupt")});
    EXPECT_TRUE(w.Rollenpfad.isEmpty());
    EXPECT_EQ(eintraege(m_ordner.path()), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Namen, NichtDarstellbar,
                         ::testing::Values(u"K\uFFFDse.KRO"sv, u"K\xD800se.KRO"sv,
                                           u"Mon\0tag.KRO"sv, u"weg\uFFFD/Montag.KRO"sv));

// A file whose name is no UTF-8 (Latin-1 "Käse") shows as the name the platform decodes; that
// name is refused, and the file stays as it is.
TEST(NichtDarstellbar, LatinEinsNameBleibtUnberuehrt) {
    QTemporaryDir ordner;
    const QByteArray roh = QFile::encodeName(ordner.path()) + "/K\xe4se.KRO";
    const int fd = ::open(roh.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "alt", 3), 3);
    ::close(fd);
    const QString gezeigt = QFile::decodeName(roh);
    EXPECT_EQ(fehlerVon([&] { rollendateiLesen(gezeigt); }),
              Fehlertexte::dateinameNichtDarstellbar(gezeigt));
    EXPECT_EQ(fehlerVon([&] { rollendateiSchreiben(gezeigt, {QStringLiteral("neu")}); }),
              Fehlertexte::dateinameNichtDarstellbar(gezeigt));
    // QDir cannot list the name either: the folder's own entries, byte for byte.
    QList<QByteArray> namen;
    DIR* verzeichnis = ::opendir(QFile::encodeName(ordner.path()).constData());
    ASSERT_NE(verzeichnis, nullptr);
    while (const dirent* eintrag = ::readdir(verzeichnis))
        namen << QByteArray(eintrag->d_name);
    ::closedir(verzeichnis);
    namen.removeAll(".");
    namen.removeAll("..");
    EXPECT_EQ(namen, QList<QByteArray>{QByteArray("K\xe4se.KRO")});
    char inhalt[8] = {};
    const int lesen = ::open(roh.constData(), O_RDONLY);
    ASSERT_GE(lesen, 0);
    EXPECT_EQ(::read(lesen, inhalt, sizeof inhalt), 3);
    ::close(lesen);
    EXPECT_EQ(QByteArray(inhalt), QByteArray("alt"));
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
        gefangen([&] { dateiLesen(ordner.filePath(QString::fromLatin1(GetParam().pfad)), 100); }),
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
    EXPECT_EQ(gefangen([&] { dateiLesen(pfad, 100); }), Fehlertexte::eaFehler(8));
    EXPECT_EQ(dateiLesen(pfad, 101).size(), 101);
}

// The platform's numbers: a full disk is reported as itself, a short write as 101.
struct Nummer {
    int fehler;
    bool ordnerFehlt;
    const char* text;
};
class EaTexte : public ::testing::TestWithParam<Nummer> {};
TEST_P(EaTexte, TextDerNummer) {
    EXPECT_EQ(eaText(eaNummer(GetParam().fehler, GetParam().ordnerFehlt)),
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
        dateiErsetzen(rohr, "neu");
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.text(), QStringLiteral("Dateizugriff verweigert"));
    }
    EXPECT_FALSE(QFileInfo(rohr).isFile());
}

} // namespace
