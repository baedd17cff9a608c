#pragma once

// Model of the updater window TForm1: the texts of its memo fields and status panels, the pens
// of the two step frames, the progress values, the buttons' enabled states and which step
// timer runs. The window calls one operation per event or timer tick and then refreshes its
// widgets from these fields. The memo texts hold Windows line breaks (CR LF), because the
// character positions the updater reads count them as two characters.

#include "nivex/kern/aussenwelt.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

struct Stift {
    enum class Farbe { Schwarz, Rot };
    Farbe farbe;
    int breite;
    bool operator==(const Stift&) const = default;
};
// Idle or finished step; running step.
inline constexpr Stift SchwarzerStift{Stift::Farbe::Schwarz, 1};
inline constexpr Stift RoterStift{Stift::Farbe::Rot, 5};

struct Rgb {
    int rot, gruen, blau;
    bool operator==(const Rgb&) const = default;
};

// The two fields whose displayed lines the first activation drops.
enum class Memofeld { Information, Hilfeflag };

class Nivexmodell {
public:
    Nivexmodell(NivexAussenwelt& welt, QString basisadresse);

    // Program-wide values of the window module.
    QString VersionsText;
    QString NeueVersion;
    QString DownloadPfad;
    quint8 Timer1Zaehler = 0;
    quint8 Timer2Zaehler = 0;
    quint8 Timer3Zaehler = 0;

    // Field texts.
    QString Memo1; // download folder
    QString Memo5; // current version
    QString Memo2; // new version
    QString Memo3; // information text
    QString Memo4; // help flag (hidden)
    QString Statusleiste[2];

    Stift Shape1Pen = SchwarzerStift; // step-1 frame (download)
    Stift Shape2Pen = SchwarzerStift; // step-2 frame (install)
    int ProgressBar1 = 0;
    int ProgressBar2 = 0;
    bool BitBtn1 = true;                                 // "Herunterladen"
    bool BitBtn2 = true;                                 // "Installieren"
    bool BitBtn3 = true;                                 // "Abbrechen"
    bool Timer1 = false, Timer2 = false, Timer3 = false; // running
    std::optional<Rgb> Color;                            // empty: the system's button face
    bool Geschlossen = false;                            // the window is to close

    // How a text line breaks into displayed lines in a field: their lengths in characters. The
    // window measures with the field's own font and width; unset, every text line is one
    // displayed line.
    std::function<QList<qsizetype>(Memofeld, const QString& zeile)> angezeigteZeilen;
    // Called before each download, which blocks the window until it ends: the window shows the
    // fields as they stand at that moment.
    std::function<void()> vorDerUebertragung;

    // `programmordner` is the updater's own folder with its trailing "/".
    void FormCreate(const QString& programmordner);
    // Runs on the first activation only.
    void FormActivate();
    void Open_Internet(const QString& url);

    void BitBtn1Click(); // "Herunterladen"
    void Timer1Timer();  // download step
    void Timer2Timer();  // post-download step
    void BitBtn2Click(); // "Installieren"
    void Timer3Timer();  // install step
    void BitBtn3Click(); // "Abbrechen" and Escape; nothing while disabled

    bool hilfeMarkiert() const { return Memo4 == QStringLiteral("hi"); }

private:
    QString ohneErsteAngezeigteZeile(const QString& text, Memofeld feld) const;
    void Downloadarbeit();
    void herunterladen(const QString& dateiname, const QString& ziel, bool zielErlaubt = true);
    void ProgrammdateiInstallieren();
    void HilfedateiInstallieren();

    NivexAussenwelt& m_welt;
    QString m_basisadresse;
    bool m_aktiviert = false;
    bool m_downloadLaeuft = false; // the downloads of tick 6, with any box they show
};

namespace Nivextexte {
inline const QString Titel = QStringLiteral("Nivex");
inline const QString Fenstertitel =
    QStringLiteral("     + + + Eine neue Version ist für Sie verfügbar ! + + +");
inline const QString Statuszeile0 = QStringLiteral("Morvane Online-Update");
inline const QString Bereit =
    QStringLiteral("Status: bereit, bitte mit \" Herunterladen \" fortfahren!");
inline const QString Ermitteln =
    QStringLiteral("Status: zu aktualisierende Dateien werden ermittelt , bitte warten ....");
inline const QString DownloadBeginnt = QStringLiteral("Status: Download beginnt ....");
inline const QString DownloadBeendet = QStringLiteral("Status: Download beendet!");
inline const QString Fortfahren = QStringLiteral("Status: Mit \" Installieren \" fortfahren!");
inline const QString Installieren = QStringLiteral("Status: Neue Dateien werden installiert....!");
inline const QString Beendet =
    QStringLiteral("Status: Aktualisierung beendet, Quorvendaltabulix wird gestartet !");
inline const QString DownloadAbgebrochen = QStringLiteral("Download abgebrochen");
} // namespace Nivextexte

// The update files: their names on the server and in the program folder.
namespace Updatedateien {
inline const QString Ordner = QStringLiteral("/UpdateQelvar/");
inline const QString Versionsdatei = QStringLiteral("Version.txt");
inline const QString Programm = QStringLiteral("Rechner.zip");
inline const QString Hilfe = QStringLiteral("RechnerHilfe.chm");
inline const QString StagingOrdner = QStringLiteral("Temp");
inline const QString Staging = QStringLiteral("Temp/RechnerHilfe.chm");
inline const QString Installiert = QStringLiteral("Rechner");
} // namespace Updatedateien
