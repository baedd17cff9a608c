// Clicks the keys of the real main window offscreen and reads its fields.
#include "nach_start.h"
#include "rechner/fenster/rollenansicht.h"
#include "rechner/fenster/tform1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestTForm1 : public QObject {
    Q_OBJECT

private:
    static QString text(TForm1& f, const char* name) {
        if (auto* label = f.findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        return f.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    static void klick(TForm1& f, int nummer) {
        auto* knopf = f.findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(nummer));
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

private Q_SLOTS:
    void kettenrechnungUeberDieKnoepfe() {
        Programmwerte werte;
        TForm1 f(werte);
        wieNachDemStart(f);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int nummer : {1, 2, 14, 5, 12})
            klick(f, nummer);
        QCOMPARE(text(f, "Panel2"), QStringLiteral("17"));
        QCOMPARE(text(f, "Panel34"), QStringLiteral("="));
        QCOMPARE(text(f, "Panel6"), QStringLiteral("0"));
        QCOMPARE(text(f, "Edit2"), QStringLiteral("17,00"));
        QCOMPARE(f.modell().rolle.zeilen(),
                 (QStringList{QStringLiteral("12,00 €  "), QStringLiteral("+ 5,00 €  "),
                              QStringLiteral("= 17,00 €  "), QString()}));
        QVERIFY(f.Edit1->hasFocus());
    }

    // The view follows the end of a long roll once the key's event has been handled.
    void rolleBleibtAmEnde() {
        Programmwerte werte;
        TForm1 f(werte);
        wieNachDemStart(f);
        f.show();
        QStringList zeilen;
        for (int i = 0; i < 5000; ++i)
            zeilen << QString::number(i);
        f.modell().rolle.ersetzen(zeilen);
        klick(f, 25);
        auto* ansicht = f.findChild<RollenAnsicht*>(QStringLiteral("RichEdit1"));
        QVERIFY(ansicht);
        const qsizetype letzte = f.modell().rolle.anzahl() - 1;
        QTRY_VERIFY(!ansicht->zeilenfeld(letzte).isEmpty());
        QCOMPARE_LE(ansicht->zeilenfeld(letzte).bottom(), ansicht->viewport()->height());
    }

    void zeittastenFolgenDemModell() {
        Programmwerte werte;
        TForm1 f(werte);
        wieNachDemStart(f);
        f.show();
        klick(f, 1);
        klick(f, 11);
        auto* stdM = f.findChild<QPushButton*>(QStringLiteral("BitBtn29"));
        auto* mStd = f.findChild<QPushButton*>(QStringLiteral("BitBtn24"));
        QVERIFY(stdM->isEnabled());
        QVERIFY(!mStd->isEnabled());
    }

    void tastaturErreichtDasModell() {
        Programmwerte werte;
        TForm1 f(werte);
        wieNachDemStart(f);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.Edit1->setFocus();
        QTest::keyClicks(f.Edit1, QStringLiteral("12+5"));
        QTest::keyClick(f.Edit1, Qt::Key_Return);
        QCOMPARE(text(f, "Panel2"), QStringLiteral("17"));
        QTest::keyClick(f.Edit1, Qt::Key_F11);
        QCOMPARE(text(f, "Panel2"), QStringLiteral("-17"));
    }
};

QTEST_MAIN(TestTForm1)
#include "test_tform1.moc"
