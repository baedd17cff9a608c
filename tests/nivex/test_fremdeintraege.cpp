// Entries planted in the program folder (links, folders, pipes) never redirect the download or
// the install: nothing outside the folder is written or changed, only regular files are
// installed, and a refused file fails like a failed download.
#include "tests/nivex/schritte.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

enum class Wann { VorDemHerunterladen, VorDemInstallieren };

struct Fall {
    const char* name;
    const char* eintrag; // its path in the program folder
    mode_t art;          // S_IFLNK, S_IFDIR or S_IFIFO
    Wann wann;
    bool mitHilfe;
    int abbrueche; // "Download abgebrochen" boxes
    QByteArray programm;
    QByteArray hilfe;
};

const char* const Staging = "Temp/RechnerHilfe.chm";
constexpr Wann Vorher = Wann::VorDemHerunterladen, Spaeter = Wann::VorDemInstallieren;

const Fall Faelle[] = {
    {"programmVerknuepft", "Rechner.zip", S_IFLNK, Vorher, false, 1, "alt", "alte Hilfe"},
    {"programmOrdner", "Rechner.zip", S_IFDIR, Vorher, false, 1, "alt", "alte Hilfe"},
    {"programmPipe", "Rechner.zip", S_IFIFO, Vorher, false, 1, "alt", "alte Hilfe"},
    {"programmSpaeterVerknuepft", "Rechner.zip", S_IFLNK, Spaeter, false, 0, "alt", "alte Hilfe"},
    {"programmSpaeterPipe", "Rechner.zip", S_IFIFO, Spaeter, false, 0, "alt", "alte Hilfe"},
    {"hilfeVerknuepft", Staging, S_IFLNK, Vorher, true, 1, "neues Programm", "alte Hilfe"},
    {"hilfeOrdner", Staging, S_IFDIR, Vorher, true, 1, "neues Programm", "alte Hilfe"},
    {"hilfePipe", Staging, S_IFIFO, Vorher, true, 1, "neues Programm", "alte Hilfe"},
    {"hilfeSpaeterVerknuepft", Staging, S_IFLNK, Spaeter, true, 0, "neues Programm", "alte Hilfe"},
    {"hilfeSpaeterPipe", Staging, S_IFIFO, Spaeter, true, 0, "neues Programm", "alte Hilfe"},
    {"tempVerknuepft", "Temp", S_IFLNK, Vorher, true, 1, "neues Programm", "alte Hilfe"},
    // A fixed name beside the installed help file is not used for the copy.
    {"festerNameVerknuepft", "RechnerHilfe.chm.neu", S_IFLNK, Vorher, true, 0, "neues Programm",
     "neue Hilfe"},
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

mode_t artVon(const QString& pfad) {
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

mode_t rechteVon(const QString& pfad) {
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class Fremdeintraege : public ::testing::TestWithParam<Fall> {};

TEST_P(Fremdeintraege, LenkenNichtUm) {
    const Fall& fall = GetParam();
    Updatelauf lauf(fall.mitHilfe);
    ASSERT_TRUE(lauf.server.laeuft());
    QTemporaryDir draussen;
    const QString ziel = draussen.filePath(QStringLiteral("ziel"));
    dateiAnlegen(ziel, "fremd");
    ASSERT_EQ(::chmod(QFile::encodeName(ziel).constData(), 0644), 0);
    const QString programm = lauf.pfad(QStringLiteral("Rechner"));
    const QString hilfe = lauf.pfad(QStringLiteral("RechnerHilfe.chm"));
    dateiAnlegen(programm, "alt");
    dateiAnlegen(hilfe, "alte Hilfe");
    const QString eintrag = lauf.pfad(QString::fromLatin1(fall.eintrag));
    if (QString::fromLatin1(fall.eintrag) != QStringLiteral("Temp"))
        QDir(lauf.ordner.path()).mkdir(QStringLiteral("Temp"));
    const QByteArray nachDraussen = QFile::encodeName(
        fall.art == S_IFLNK && QByteArray(fall.eintrag) == "Temp" ? draussen.path() : ziel);
    const auto pflanzen = [&] {
        QFile::remove(eintrag);
        const QByteArray pfad = QFile::encodeName(eintrag);
        const int ergebnis = fall.art == S_IFLNK
                                 ? ::symlink(nachDraussen.constData(), pfad.constData())
                             : fall.art == S_IFDIR ? ::mkdir(pfad.constData(), 0755)
                                                   : ::mkfifo(pfad.constData(), 0644);
        ASSERT_EQ(ergebnis, 0) << fall.eintrag;
    };

    lauf.starten();
    if (fall.wann == Wann::VorDemHerunterladen)
        pflanzen();
    lauf.herunterladen();
    if (fall.wann == Wann::VorDemInstallieren)
        pflanzen();
    lauf.installieren();

    EXPECT_EQ(lauf.welt.meldungen, QStringList(fall.abbrueche, Nivextexte::DownloadAbgebrochen));
    EXPECT_EQ(
        QDir(draussen.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("ziel")});
    EXPECT_EQ(dateiBytes(ziel), "fremd");
    EXPECT_EQ(rechteVon(ziel), mode_t(0644));
    EXPECT_EQ(artVon(programm), mode_t(S_IFREG));
    EXPECT_EQ(dateiBytes(programm), fall.programm);
    EXPECT_EQ(artVon(hilfe), mode_t(S_IFREG));
    EXPECT_EQ(dateiBytes(hilfe), fall.hilfe);
    // The planted entry is left as it is; the old program is started again.
    EXPECT_EQ(artVon(eintrag), fall.art);
    EXPECT_EQ(lauf.welt.starts, QStringList{programm});
}

INSTANTIATE_TEST_SUITE_P(Programmordner, Fremdeintraege, ::testing::ValuesIn(Faelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
