// Clicks the keys of the real main window offscreen and reads its fields.
#include "rechner/rollenfeld/rollenansicht.h"
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/testrechner.h"

#include <QPushButton>
#include <QtTest>

using namespace fenster;

class TestHauptfenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kettenrechnungUeberDieKnoepfe() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        wieNachDemStart(r);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        klicke(f, QStringLiteral("1 2 + 5 ="));
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("17"));
        QCOMPARE(text(f, QStringLiteral("Panel34")), QStringLiteral("="));
        QCOMPARE(text(f, QStringLiteral("Panel6")), QStringLiteral("0"));
        QCOMPARE(text(f, QStringLiteral("Edit2")), QStringLiteral("17,00"));
        QCOMPARE(rolle(f), (QStringList{QStringLiteral("12,00 €  "), QStringLiteral("+ 5,00 €  "),
                                        QStringLiteral("= 17,00 €  "), QString()}));
        QVERIFY(tastaturfeld(f)->hasFocus());
    }

    // The view follows the end of a long roll once the key's event has been handled.
    void rolleBleibtAmEnde() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        wieNachDemStart(r);
        f.show();
        QStringList zeilen;
        for (int i = 0; i < 5000; ++i)
            zeilen << QString::number(i);
        f.modell().rolle().ersetzen(zeilen);
        klicke(f, QStringLiteral("Datum"));
        auto* ansicht = f.findChild<RollenAnsicht*>(QStringLiteral("RichEdit1"));
        QVERIFY(ansicht);
        const qsizetype letzte = f.modell().rolle().anzahl() - 1;
        QTRY_VERIFY(!ansicht->zeilenfeld(letzte).isEmpty());
        QCOMPARE_LE(ansicht->zeilenfeld(letzte).bottom(), ansicht->viewport()->height());
    }

    void zeittastenFolgenDemModell() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        wieNachDemStart(r);
        f.show();
        klicke(f, QStringLiteral("1 ,"));
        QVERIFY(knopf(f, QStringLiteral("Std-M"))->isEnabled());
        QVERIFY(!knopf(f, QStringLiteral("M-Std"))->isEnabled());
    }

    void tastaturErreichtDasModell() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        wieNachDemStart(r);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        tastaturfeld(f)->setFocus();
        QTest::keyClicks(tastaturfeld(f), QStringLiteral("12+5"));
        QTest::keyClick(tastaturfeld(f), Qt::Key_Return);
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("17"));
        QTest::keyClick(tastaturfeld(f), Qt::Key_F11);
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("-17"));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
