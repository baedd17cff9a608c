// The install step "Installieren", the restart of Rechner and "Abbrechen".
#include "nivex/kern/feldtext.h"
#include "nivex/kern/nivexmodell.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path Pfad(const QString& text) {
    return fs::path(QFile::encodeName(text).toStdString());
}

bool istDatei(const QString& pfad) {
    return QFileInfo(pfad).isFile();
}

// Whoever may read the program may also run it.
void ausfuehrbarMachen(const fs::path& datei) {
    std::error_code fehler;
    const fs::perms rechte = fs::status(datei, fehler).permissions();
    if (fehler)
        return;
    fs::perms ausfuehren = fs::perms::none;
    if ((rechte & fs::perms::owner_read) != fs::perms::none)
        ausfuehren |= fs::perms::owner_exec;
    if ((rechte & fs::perms::group_read) != fs::perms::none)
        ausfuehren |= fs::perms::group_exec;
    if ((rechte & fs::perms::others_read) != fs::perms::none)
        ausfuehren |= fs::perms::others_exec;
    fs::permissions(datei, ausfuehren, fs::perm_options::add, fehler);
}

} // namespace

void Nivexmodell::BitBtn2Click() {
    Shape2Pen = RoterStift;
    BitBtn3 = false;
    BitBtn2 = false;
    Statusleiste[1] = Nivextexte::Installieren;
    ProgressBar1 = 0;
    ProgrammdateiInstallieren();
    HilfedateiInstallieren();
    Timer3 = true;
}

// The new program takes the old one's place in one rename, so a failure keeps the old program
// and the folder is never without one. No result is reported.
void Nivexmodell::ProgrammdateiInstallieren() {
    const QString neu = DownloadPfad + Updatedateien::Programm;
    if (!istDatei(neu))
        return;
    ausfuehrbarMachen(Pfad(neu));
    std::error_code fehler;
    fs::rename(Pfad(neu), Pfad(DownloadPfad + Updatedateien::Installiert), fehler);
}

// The new help file is copied beside the installed one and takes its place in one rename, so
// a copy that fails leaves the installed help file whole. The staged file goes in any case.
void Nivexmodell::HilfedateiInstallieren() {
    const QString staging = DownloadPfad + Updatedateien::Staging;
    if (!hilfeMarkiert() || !istDatei(staging))
        return;
    const fs::path installiert = Pfad(DownloadPfad + Updatedateien::Hilfe);
    fs::path neu = installiert;
    neu += ".neu";
    std::error_code fehler;
    if (fs::copy_file(Pfad(staging), neu, fs::copy_options::overwrite_existing, fehler))
        fs::rename(neu, installiert, fehler);
    fs::remove(neu, fehler);
    fs::remove(Pfad(staging), fehler);
}

void Nivexmodell::Timer3Timer() {
    switch (++Timer3Zaehler) {
    case 2:
        ProgressBar2 = 20;
        break;
    case 3:
        ProgressBar2 = 40;
        break;
    case 4:
        ProgressBar2 = 60;
        Statusleiste[1] = Nivextexte::Beendet;
        Shape2Pen = SchwarzerStift;
        // "Neuere Version: " is 16 characters long; the version follows it.
        Memo5 = Feldtext(QStringLiteral("Aktualisierte Version ") + Memo2.mid(16, 10));
        Memo2.clear();
        break;
    case 5:
        ProgressBar2 = 80;
        break;
    case 6:
        ProgressBar2 = 100;
        break;
    case 7:
        ProgressBar2 = 0;
        break;
    case 8:
        m_welt.starten(DownloadPfad + Updatedateien::Installiert);
        Timer3 = false;
        Geschlossen = true;
        break;
    default:
        break;
    }
}

void Nivexmodell::BitBtn3Click() {
    if (BitBtn3)
        Geschlossen = true;
}
