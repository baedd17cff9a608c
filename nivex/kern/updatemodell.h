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
#include <array>
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

    // Which step timer runs, if any.
    enum class Schritt { Keiner, Download, NachDownload, Installation };

    // How a text line breaks into displayed lines in a field: their lengths in characters.
    using Zeilenmass = std::function<QList<qsizetype>(Textfeld, const QString& zeile)>;
    // The window measures with the field's own font and width; without a measure every text
    // line is one displayed line.
    void zeilenmassSetzen(Zeilenmass mass) { m_angezeigteZeilen = std::move(mass); }
    // Called before each download, which blocks the window until it ends: the window shows the
    // fields as they stand at that moment.
    void vorDerUebertragungSetzen(std::function<void()> zeigen) {
        m_vorDerUebertragung = std::move(zeigen);
    }

    // Field texts.
    const QString& downloadOrdner() const { return m_downloadOrdner; }
    const QString& aktuelleVersion() const { return m_aktuelleVersion; }
    const QString& neueVersionFeld() const { return m_neueVersionFeld; }
    const QString& information() const { return m_information; }
    const QString& hilfeKennung() const { return m_hilfeKennung; } // hidden; "hi" asks for help
    const QString& statuszeile(int panel) const { return m_statuszeile.at(panel); }
    // The first five characters of the version file, the new version's code.
    const QString& neueVersion() const { return m_neueVersion; }
    // The folder the downloads went to; the restarted program is taken from there.
    const QString& downloadPfad() const { return m_downloadPfad; }

    Stift downloadStift() const { return m_downloadStift; }
    Stift installStift() const { return m_installStift; }
    int downloadFortschritt() const { return m_downloadFortschritt; }
    int installFortschritt() const { return m_installFortschritt; }
    bool herunterladenAktiv() const { return m_herunterladenAktiv; }
    bool installierenAktiv() const { return m_installierenAktiv; }
    bool abbrechenAktiv() const { return m_abbrechenAktiv; }
    Schritt schritt() const { return m_schritt; }
    // The ticks the download step has counted.
    quint8 downloadTicks() const { return m_downloadTicks; }
    std::optional<Rgb> farbe() const { return m_farbe; } // empty: the system's button face
    bool geschlossen() const { return m_geschlossen; }   // the window is to close

    bool hilfeMarkiert() const { return m_hilfeKennung == QStringLiteral("hi"); }

    // `programmordner` is the updater's own folder with its trailing "/".
    void erstellen(const QString& programmordner);
    // Runs on the first activation only.
    void aktivieren();
    // The two editable fields, as typed.
    void downloadOrdnerGetippt(const QString& text) { m_downloadOrdner = text; }
    void aktuelleVersionGetippt(const QString& text) { m_aktuelleVersion = text; }

    void herunterladen();
    void downloadTick();
    void nachDownloadTick();
    void installieren();
    void installTick();
    // "Abbrechen" and Escape; nothing while disabled.
    void abbrechen();

private:
    QString ohneErsteAngezeigteZeile(const QString& text, Textfeld feld) const;
    void downloadarbeit();
    void dateiHerunterladen(const QString& dateiname, const QString& ordner);
    bool herunterladenNach(const QString& url, int ordner, const QString& name);
    void programmdateiInstallieren();
    void hilfedateiInstallieren();

    NivexAussenwelt& m_welt;
    QString m_basisadresse;
    Zeilenmass m_angezeigteZeilen;
    std::function<void()> m_vorDerUebertragung;

    QString m_neueVersion;
    QString m_downloadPfad;
    quint8 m_downloadTicks = 0;
    quint8 m_nachDownloadTicks = 0;
    quint8 m_installTicks = 0;

    QString m_downloadOrdner;
    QString m_aktuelleVersion;
    QString m_neueVersionFeld;
    QString m_information;
    QString m_hilfeKennung;
    std::array<QString, 2> m_statuszeile;

    Stift m_downloadStift = SchwarzerStift;
    Stift m_installStift = SchwarzerStift;
    int m_downloadFortschritt = 0;
    int m_installFortschritt = 0;
    bool m_herunterladenAktiv = true;
    bool m_installierenAktiv = true;
    bool m_abbrechenAktiv = true;
    Schritt m_schritt = Schritt::Keiner;
    std::optional<Rgb> m_farbe;
    bool m_geschlossen = false;

    bool m_aktiviert = false;
    bool m_uebertragungLaeuft = false; // the downloads of tick 6, with any box they show
    Downloadordner m_ordner;           // the download path's folder, opened at tick 6
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
