#pragma once

// A temporary program folder and a local server holding an update, for the step tests.

#include "nivex/kern/updatemodell.h"
#include "rechner/kern/aktualisierung.h"
#include "tests/hilfen/dateien.h"
#include "tests/hilfen/rechnerwelt.h"
#include "tests/hilfen/testserver.h"
#include "tests/nivex/probewelt.h"

#include <QTemporaryDir>

struct Updatelauf {
    // Publishes 2.1.5.0 with or without the help flag, and both update files.
    explicit Updatelauf(bool mitHilfe) {
        server.veroeffentlichen(
            QStringLiteral("Version.txt"),
            versionsdatei({QStringLiteral("2150*"),
                           hilfezeile(mitHilfe ? QStringLiteral("hi") : QStringLiteral("--")),
                           QStringLiteral("frei"), QStringLiteral("Info")}));
        server.veroeffentlichen(QStringLiteral("Rechner.zip"), "neues Programm");
        server.veroeffentlichen(QStringLiteral("RechnerHilfe.chm"), "neue Hilfe");
    }
    QString pfad(const QString& name) const { return ordner.path() + u'/' + name; }
    // Rechner's update check; its clipboard is the one Nivex pastes from.
    QStringList uebergeben() {
        Programmwerte werte;
        Hauptmodell rechner(werte);
        Rechnerwelt rechnerwelt;
        Onlineaktualisierung(rechner,
                             {rechnerwelt.dialoge, rechnerwelt, rechnerwelt, Open_Internet,
                              [] {
                              }},
                             server.basisadresse(), ordner.path() + u'/')
            .pruefen();
        welt.ablage = rechnerwelt.ablage;
        return rechnerwelt.ereignisse;
    }
    // Creation and first activation, as the window runs them.
    void starten() {
        m.erstellen(ordner.path() + u'/');
        m.aktivieren();
    }
    void herunterladen() {
        m.herunterladen();
        for (int tick = 0; tick < 6; ++tick)
            m.downloadTick();
        for (int tick = 0; tick < 4; ++tick)
            m.nachDownloadTick();
    }
    void installieren() {
        m.installieren();
        for (int tick = 0; tick < 8; ++tick)
            m.installTick();
    }

    Testserver& server = Testserver::zurueckgesetzt();
    QTemporaryDir ordner;
    Probewelt welt;
    Updatemodell m{welt, server.basisadresse()};
};
