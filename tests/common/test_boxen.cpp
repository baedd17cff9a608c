// The message boxes of both programs and the event boundary of every window, offscreen.
#include "common/fehler.h"
#include "common/fenster/ausfuehren.h"
#include "common/fenster/boxen.h"
#include "tests/hilfen/boxrekorder.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

class TestBoxen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Programmtitel")); }

    // Without a recorder the box is a real modal box over its parent.
    void echteBox_data() {
        QTest::addColumn<bool>("fehler");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("gezeigt");
        QTest::newRow("Fehlerbox")
            << true << "Datei fehlt" << int(QMessageBox::Critical) << "Datei fehlt.";
        QTest::newRow("Fehlerbox mit Punkt")
            << true << "Fertig." << int(QMessageBox::Critical) << "Fertig.";
        QTest::newRow("Meldungsbox") << false << "Download abgebrochen" << int(QMessageBox::NoIcon)
                                     << "Download abgebrochen";
    }
    void echteBox() {
        QFETCH(bool, fehler);
        QFETCH(QString, text);
        QFETCH(int, symbol);
        QFETCH(QString, gezeigt);
        QWidget eltern;
        QMessageBox* box = nullptr;
        QString titel, inhalt;
        int knoepfe = -1, art = -1;
        QTimer::singleShot(0, &eltern, [&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            titel = box->windowTitle();
            inhalt = box->text();
            art = box->icon();
            knoepfe = box->standardButtons();
            QVERIFY(box->parentWidget() == &eltern);
            box->button(QMessageBox::Ok)->click();
        });
        fehler ? fehlerboxZeigen(&eltern, text) : meldungsboxZeigen(&eltern, text);
        QVERIFY(box);
        QCOMPARE(titel, QStringLiteral("Programmtitel"));
        QCOMPARE(inhalt, gezeigt);
        QCOMPARE(art, symbol);
        QCOMPARE(knoepfe, int(QMessageBox::Ok));
    }

    // The innermost recorder takes the boxes; the one before it takes over again when it goes.
    void rekorderVerschachtelt() {
        Boxrekorder aussen;
        {
            Boxrekorder innen;
            meldungsboxZeigen(nullptr, QStringLiteral("innen"));
            QCOMPARE(innen.abholen(), QList<Box>{meldungsbox(QStringLiteral("innen"))});
        }
        fehlerboxZeigen(nullptr, QStringLiteral("aussen"));
        QCOMPARE(aussen.abholen(), QList<Box>{fehlerbox(QStringLiteral("aussen."))});
    }

    // The window is refreshed in every case; a Fehler shows its box after the refresh, with
    // what the operation changed before it threw.
    void grenze_data() {
        QTest::addColumn<bool>("wirft");
        QTest::newRow("gelingt") << false;
        QTest::newRow("Fehler") << true;
    }
    void grenze() {
        QFETCH(bool, wirft);
        Boxrekorder boxen;
        QWidget fenster;
        int stand = 0;
        QStringList ablauf;
        const bool gelungen = ausfuehren(
            &fenster,
            [&] {
                stand = 1;
                if (wirft)
                    throw Fehler(Fehlertexte::DivisionDurchNull);
                stand = 2;
            },
            [&] {
                ablauf << QStringLiteral("auffrischen %1").arg(stand);
                if (!boxen.abholen().isEmpty())
                    ablauf << QStringLiteral("Box vor dem Auffrischen");
            });
        QCOMPARE(gelungen, !wirft);
        QCOMPARE(ablauf, QStringList{QStringLiteral("auffrischen %1").arg(wirft ? 1 : 2)});
        const QList<Box> erwartet{fehlerbox(QStringLiteral("Gleitkommadivision durch Null."))};
        QCOMPARE(boxen.abholen(), wirft ? erwartet : QList<Box>{});
    }

    // Only the program's own error is an event's outcome; anything else is a defect and passes.
    void andereAusnahmenGehenDurch() {
        Boxrekorder boxen;
        bool durch = false;
        try {
            ausfuehren(
                nullptr, [] { throw std::logic_error("Fehler im Programm"); }, [] {});
        } catch (const std::logic_error&) {
            durch = true;
        }
        QVERIFY(durch);
    }
};

QTEST_MAIN(TestBoxen)
#include "test_boxen.moc"
