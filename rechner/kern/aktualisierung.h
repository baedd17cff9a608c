#pragma once

// The online update check of the main window: it reads the version file from the update
// server, compares the published version code with its own and, when a newer one exists, hands
// over to the updater Nivex (the version line on the clipboard, Nivex started, the close asked).

#include "rechner/kern/aussenwelt.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/version.h"

#include <QString>
#include <functional>

class Onlineaktualisierung {
public:
    // The web fetch: a URL in, the text read out (empty when nothing could be read).
    using Abruf = std::function<QString(const QString& url)>;

    struct Aussenwelt {
        Dialoge& dialoge;
        Shell& shell;
        Zwischenablage& zwischenablage;
        Abruf abruf;
        // Closes the main window through its close request, which may refuse.
        std::function<void()> schliessen;
    };

    // `basisadresse` is the update server's address, `programmordner` the program's own folder
    // with a trailing "/", `version` the program's own version.
    Onlineaktualisierung(const Hauptmodell& modell, Aussenwelt welt, QString basisadresse,
                         QString programmordner, QString version = DateiVersion());

    // The menu item "Programmaktualisierung (Online Update)". Throws Fehler with the no-update
    // text when the server's code is not higher than the program's own.
    void pruefen();

private:
    // Hands over to the updater.
    void uebergeben();

    const Hauptmodell& m_modell;
    Aussenwelt m_welt;
    QString m_basisadresse;
    QString m_programmordner;
    QString m_version;
};

namespace Aktualisierungstexte {
inline const QString KeineVerbindung =
    QStringLiteral("Achtung, keine Onlineverbindung vorhanden! Prüfen sie Ihren Internetzugang!");
inline const QString KeineUpdates =
    QStringLiteral("Es stehen zur Zeit keine neuen Updates zur Verfügung! Versuchen Sie es zu "
                   "einem späteren Zeitpunkt gerne wieder!");
} // namespace Aktualisierungstexte
