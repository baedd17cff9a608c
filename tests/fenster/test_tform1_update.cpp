// The menu item "Programmaktualisierung  (Online Update)" of the real main window, offscreen,
// with the update server gone: both boxes, in their order.
#include "common/fehler.h"
#include "common/web.h"
#include "rechner/fenster/tform1.h"
#include "rechner/kern/aktualisierung.h"
#include "tests/hilfen/testserver.h"

#include <QAction>
#include <QMessageBox>
#include <QtTest>

class TestTForm1Update : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ohneServerZweiBoxen() {
        Testserver server;
        server.anhalten();
        setzeUpdateServer(server.basisadresse());
        Programmwerte werte;
        TForm1 f(werte);
        // Closes each box the menu item opens, noting its text.
        QStringList boxen;
        QTimer schliesser;
        connect(&schliesser, &QTimer::timeout, [&boxen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxen << box->text();
                box->accept();
            }
        });
        schliesser.start(10);
        f.ProgrammaktualisierungOnlineUpdate1->trigger();
        QCOMPARE(boxen, QStringList({Aktualisierungstexte::KeineVerbindung,
                                     fehlerboxText(Aktualisierungstexte::KeineUpdates)}));
    }
};

QTEST_MAIN(TestTForm1Update)
#include "test_tform1_update.moc"
