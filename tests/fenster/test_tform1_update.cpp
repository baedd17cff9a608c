// The menu item "Programmaktualisierung  (Online Update)" of the real main window, offscreen,
// with the update server gone: both boxes, in their order.
#include "common/fehler.h"
#include "common/web.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/tform1.h"
#include "rechner/kern/aktualisierung.h"
#include "tests/hilfen/boxrekorder.h"
#include "tests/hilfen/testserver.h"

#include <QAction>
#include <QClipboard>
#include <QtTest>

namespace {

// Records the programs the main window starts instead of starting them.
class Startliste : public Shell {
public:
    void oeffnen(const QString&) override {}
    void starten(const QString& programm) override { programme.append(programm); }
    QStringList programme;
};

} // namespace

class TestTForm1Update : public QObject {
    Q_OBJECT

    Testserver server;

private Q_SLOTS:
    // The boxes are captioned with the title the program block sets.
    void initTestCase() {
        QCoreApplication::setApplicationName(Anwendungstitel);
        QVERIFY(server.laeuft());
    }
    void init() { server.zuruecksetzen(); }

    void ohneServerZweiBoxen() {
        server.anhalten();
        setzeUpdateServer(server.basisadresse());
        Programmwerte werte;
        TForm1 f(werte);
        Boxrekorder boxen;
        f.ProgrammaktualisierungOnlineUpdate1->trigger();
        QCOMPARE(boxen.abholen(),
                 QList<Box>({meldungsbox(Aktualisierungstexte::KeineVerbindung),
                             fehlerbox(fehlerboxText(Aktualisierungstexte::KeineUpdates))}));
    }

    // The clipboard's text lives in this program: after the hand-off the main window is gone,
    // but the program keeps the version line for the updater until another program takes the
    // clipboard over.
    void uebergabeHaeltDieAblage() {
        server.veroeffentlichen(QStringLiteral("Version.txt"), "2150*");
        setzeUpdateServer(server.basisadresse());
        Programmwerte werte;
        TForm1 f(werte);
        Startliste start;
        f.shell = &start;
        Boxrekorder boxen;
        f.show();
        bool offen = true;
        QString ablage;
        QTimer::singleShot(0, &f, [&] {
            f.ProgrammaktualisierungOnlineUpdate1->trigger();
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
        QCOMPARE(ablage, QStringLiteral("Aktuelle Version: 2.1.4.0"));
        QCOMPARE(start.programme,
                 QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/Nivex")});
    }
};

QTEST_MAIN(TestTForm1Update)
#include "test_tform1_update.moc"
