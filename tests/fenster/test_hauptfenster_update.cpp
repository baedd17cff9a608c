// The menu item "Programmaktualisierung  (Online Update)" of the real main window, offscreen,
// with the update server gone: the message of the check and the error box.
#include "common/fehler.h"
#include "rechner/kern/aktualisierung.h"
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/boxrekorder.h"
#include "tests/hilfen/testrechner.h"
#include "tests/hilfen/testserver.h"

#include <QAction>
#include <QClipboard>
#include <QtTest>

class TestHauptfensterUpdate : public QObject {
    Q_OBJECT

    Testserver m_server;

private Q_SLOTS:
    // The boxes are captioned with the title the program block sets.
    void initTestCase() {
        QCoreApplication::setApplicationName(anwendungstitel());
        QVERIFY(m_server.laeuft());
    }
    void init() { m_server.zuruecksetzen(); }

    void ohneServerMeldungUndFehlerbox() {
        m_server.anhalten();
        Testrechner r(m_server.basisadresse());
        Boxrekorder boxen;
        fenster::aktion(r.hauptfenster, "ProgrammaktualisierungOnlineUpdate1")->trigger();
        QCOMPARE(r.dialoge.meldungen(), QStringList{Aktualisierungstexte::KeineVerbindung});
        QCOMPARE(boxen.abholen(),
                 QList<Box>{fehlerbox(fehlerboxText(Aktualisierungstexte::KeineUpdates))});
    }

    // The clipboard's text lives in this program: after the hand-off the main window is gone,
    // but the program keeps the version line for the updater until another program takes the
    // clipboard over.
    void uebergabeHaeltDieAblage() {
        m_server.veroeffentlichen(QStringLiteral("Version.txt"), "2150*");
        Testrechner r(m_server.basisadresse());
        Hauptfenster& f = r.hauptfenster;
        // Nobody signed in, so that the close request lets the window close.
        fenster::wieNachDemStart(r);
        Boxrekorder boxen;
        f.show();
        bool offen = true;
        QString ablage;
        QTimer::singleShot(0, &f, [&] {
            fenster::aktion(f, "ProgrammaktualisierungOnlineUpdate1")->trigger();
            QTimer::singleShot(50, &f, [&] {
                offen = f.isVisible();
                ablage = QGuiApplication::clipboard()->text();
                QGuiApplication::clipboard()->setText(QStringLiteral("übernommen"));
            });
        });
        QTimer wache;
        wache.setSingleShot(true);
        connect(&wache, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        wache.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!offen);
        QCOMPARE(ablage, QStringLiteral("Aktuelle Version: ") + DateiVersion());
        QCOMPARE(r.shell.auftraege,
                 QStringList{QStringLiteral("starten ") + QCoreApplication::applicationDirPath() +
                             QStringLiteral("/Nivex")});
    }
};

QTEST_MAIN(TestHauptfensterUpdate)
#include "test_hauptfenster_update.moc"
