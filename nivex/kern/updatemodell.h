#pragma once

// Model of the updater window Updatefenster: the texts of its text fields and status panels, the
// pens of the two step frames, the progress values, the buttons' enabled states and which step
// timer runs. The window calls one operation per event or timer tick and then refreshes its
// widgets from these fields. The field texts hold Windows line breaks (CR LF), because the
// character positions the updater reads count them as two characters.

#include "nivex/kern/aussenwelt.h"
#include "nivex/kern/downloadordner.h"

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
enum class Textfeld { Information, Hilfekennung };

class Updatemodell {
public:
    Updatemodell(NivexAussenwelt& welt, QString basisadresse);

    // Program-wide values of the window module.
    QString VersionsText;
    QString NeueVersion;
    QString DownloadPfad;
    quint8 downloadTicks = 0;
    quint8 nachDownloadTicks = 0;
    quint8 installTicks = 0;

    // Field texts.
    QString downloadOrdner;
    QString aktuelleVersion;
    QString neueVersionFeld;
    QString information;
    QString hilfeKennung; // hidden; "hi" asks for the help file
    QString statuszeile[2];

    Stift downloadStift = SchwarzerStift;
    Stift installStift = SchwarzerStift;
    int downloadFortschritt = 0;
    int installFortschritt = 0;
    bool herunterladenAktiv = true;
    bool installierenAktiv = true;
    bool abbrechenAktiv = true;
    // Which step timer runs.
    bool downloadLaeuft = false, nachDownloadLaeuft = false, installLaeuft = false;
    std::optional<Rgb> farbe; // empty: the system's button face
    bool geschlossen = false; // the window is to close

    // How a text line breaks into displayed lines in a field: their lengths in characters. The
    // window measures with the field's own font and width; unset, every text line is one
    // displayed line.
    std::function<QList<qsizetype>(Textfeld, const QString& zeile)> angezeigteZeilen;
    // Called before each download, which blocks the window until it ends: the window shows the
    // fields as they stand at that moment.
    std::function<void()> vorDerUebertragung;

    // `programmordner` is the updater's own folder with its trailing "/".
    void erstellen(const QString& programmordner);
    // Runs on the first activation only.
    void aktivieren();
    void Open_Internet(const QString& url);

    void herunterladen();
    void downloadTick();
    void nachDownloadTick();
    void installieren();
    void installTick();
    // "Abbrechen" and Escape; nothing while disabled.
    void abbrechen();

    bool hilfeMarkiert() const { return hilfeKennung == QStringLiteral("hi"); }

private:
    QString ohneErsteAngezeigteZeile(const QString& text, Textfeld feld) const;
    void downloadarbeit();
    void dateiHerunterladen(const QString& dateiname, const QString& ordner);
    bool herunterladenNach(const QString& url, int ordner, const QString& name);
    void programmdateiInstallieren();
    void hilfedateiInstallieren();

    NivexAussenwelt& m_welt;
    QString m_basisadresse;
    bool m_aktiviert = false;
    bool m_uebertragungLaeuft = false; // the downloads of tick 6, with any box they show
    Downloadordner m_ordner;           // DownloadPfad's folder, opened at tick 6
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
