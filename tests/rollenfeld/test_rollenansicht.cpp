// The main roll view, offscreen: long lines wrapped into right-aligned rows that are all
// painted, the end in sight after every append, the wrap following the width, and every row of
// a tall line reachable by scrolling.
#include "rechner/rollenfeld/rollenansicht.h"
#include "rechner/rollenfeld/rolleneditor.h"
#include "tests/rollenfeld/rollen_hilfen.h"

#include <QScrollBar>
#include <QtTest>

namespace {

const QString LangeZeile =
    QStringLiteral("Gesamtumsatz: 1,2345679E44 € Gesamtumsatz: 1,2345679E44 € Gesamtumsatz: "
                   "1,2345679E44 €");

struct Ansicht {
    explicit Ansicht(const QStringList& zeilen) {
        rolle.ersetzen(zeilen);
        ansicht.resize(289, 489);
        ansicht.show();
        QApplication::processEvents();
    }
    QImage bild() { return ansicht.viewport()->grab().toImage(); }
    // The rows of a line that hold ink in the grab.
    int reihenMitTinte(qsizetype zeile) {
        const QImage gemalt = bild();
        const QRect feld = ansicht.zeilenfeld(zeile);
        int reihen = 0;
        for (int oben = feld.top(); oben < feld.bottom(); oben += ansicht.reihenhoehe()) {
            bool tinte = false;
            for (int y = oben; y < oben + ansicht.reihenhoehe() && y < gemalt.height(); ++y)
                tinte = tinte || rollen::tinte(gemalt, y);
            reihen += tinte;
        }
        return reihen;
    }

    Rolle rolle;
    RollenAnsicht ansicht{rolle, nullptr};
};

QStringList zeilen(int anzahl) {
    QStringList liste;
    for (int i = 0; i < anzahl; ++i)
        liste << QStringLiteral("+ %1,00 €  ").arg(i);
    return liste;
}

} // namespace

class TestRollenAnsicht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A line wider than the view breaks at blanks into rows that together hold the whole line,
    // from its first character; every row is painted, flush with the right margin.
    void langeZeileUmbrochenLesbar() {
        Ansicht a({QStringLiteral("12,00 €  "), LangeZeile, QStringLiteral("= 17,00 €  ")});
        const QStringList reihen = a.ansicht.reihentexte(1);
        QVERIFY(reihen.size() >= 3);
        QCOMPARE(reihen.join(QString()), LangeZeile);
        QVERIFY(reihen.first().startsWith(QStringLiteral("Gesamtumsatz: ")));
        QCOMPARE(a.reihenMitTinte(1), reihen.size());
        const QImage gemalt = a.bild();
        const QRect feld = a.ansicht.zeilenfeld(1);
        for (int reihe = 0; reihe < reihen.size(); ++reihe) {
            const int oben = feld.top() + reihe * a.ansicht.reihenhoehe();
            const int rechts = rollen::rechteTinte(gemalt, oben, oben + a.ansicht.reihenhoehe());
            QVERIFY2(rechts >= feld.right() - 3, qPrintable(QString::number(rechts)));
        }
        // The trailing blanks of a roll line keep their width at the right margin.
        const QRect summe = a.ansicht.zeilenfeld(2);
        const int blanks = QFontMetrics(a.ansicht.font()).horizontalAdvance(QStringLiteral("  "));
        QVERIFY(rollen::rechteTinte(gemalt, summe.top(), summe.bottom()) <=
                summe.right() - blanks + 2);
        QCOMPARE(a.reihenMitTinte(2), 1);
    }

    // Rows end at blanks; only a word wider than the view is cut, and a hyphen or a slash is no
    // place to break.
    void reihenEndenAnBlanks_data() {
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Bindestriche") << QStringLiteral("ab-cd/ef ").repeated(30);
        QTest::newRow("Pfeile") << QStringLiteral("Minuten->Stunden ").repeated(8);
        QTest::newRow("Kassen") << QStringLiteral("Kasse-Nord/Lager ").repeated(10);
        QTest::newRow("kurz") << QStringLiteral("abc-defg ").repeated(20);
        QTest::newRow("Summen") << QStringLiteral("= 1.234,56 € ").repeated(12);
        QTest::newRow("breites Wort")
            << QStringLiteral("x ") + QString(80, u'W') + QStringLiteral(" y-z");
        QTest::newRow("Blankfolgen") << QStringLiteral("Kasse      Nord   ").repeated(10);
    }
    void reihenEndenAnBlanks() {
        QFETCH(QString, zeile);
        Ansicht a({zeile});
        const QStringList reihen = a.ansicht.reihentexte(0);
        QVERIFY(reihen.size() > 1);
        QCOMPARE(reihen.join(QString()), zeile);
        for (qsizetype i = 0; i + 1 < reihen.size(); ++i) {
            const QString reihe = reihen[i];
            QVERIFY2(reihe.endsWith(u' ') || !reihe.contains(u' '), qPrintable(reihe));
            QVERIFY2(!reihen[i + 1].startsWith(u' '), qPrintable(reihen[i + 1]));
        }
        QCOMPARE(a.reihenMitTinte(0), reihen.size());
    }

    // After an append the whole last line, all its rows, is in the view.
    void endeMitAllenReihenInSicht() {
        Ansicht a(zeilen(5000));
        a.rolle.anhaengen(LangeZeile + QStringLiteral("\r"));
        const qsizetype letzte = a.rolle.anzahl() - 1;
        QTRY_VERIFY(!a.ansicht.zeilenfeld(letzte).isEmpty());
        const QRect feld = a.ansicht.zeilenfeld(letzte);
        QVERIFY(feld.top() >= 0);
        QVERIFY(feld.bottom() < a.ansicht.viewport()->height());
        QCOMPARE(a.reihenMitTinte(letzte), a.ansicht.reihen(letzte));
        QVERIFY(a.ansicht.reihen(letzte) >= 3);
    }

    // A narrower view wraps into more rows and still shows the end.
    void umbruchFolgtDerBreite() {
        Ansicht a(zeilen(100) << QStringLiteral("= 1,00 € ").repeated(12));
        const int vorher = a.ansicht.reihen(100);
        a.ansicht.resize(180, 489);
        QApplication::processEvents();
        QVERIFY(a.ansicht.reihen(100) > vorher);
        QTRY_VERIFY(!a.ansicht.zeilenfeld(100).isEmpty());
        QVERIFY(a.ansicht.zeilenfeld(100).bottom() < a.ansicht.viewport()->height());
        QCOMPARE(a.reihenMitTinte(100), a.ansicht.reihen(100));
    }

    // A line taller than the view: the scroll bar's arrow, the wheel and the page step move by
    // rows, so each of its rows comes to the top; the slider lands on a line's first row.
    void jedeReiheErreichbar() {
        QString riesig;
        for (int i = 0; i < 300; ++i)
            riesig += QStringLiteral("Wort%1 ").arg(i);
        Ansicht a(QStringList{riesig} + zeilen(100));
        const qsizetype reihen = a.ansicht.reihen(0);
        QVERIFY(reihen > a.ansicht.sichtbareReihen());
        QScrollBar* leiste = a.ansicht.verticalScrollBar();
        leiste->setValue(0);
        QCOMPARE(a.ansicht.oben(), (RollenFlaeche::Reihe{0, 0, 0}));
        leiste->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(a.ansicht.oben(), (RollenFlaeche::Reihe{0, 0, 1}));
        rollen::rad(a.ansicht.viewport(), -QWheelEvent::DefaultDeltasPerStep);
        QCOMPARE(a.ansicht.oben().reihe, 1 + QApplication::wheelScrollLines());
        leiste->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(a.ansicht.oben().reihe,
                 1 + QApplication::wheelScrollLines() + a.ansicht.sichtbareReihen() - 1);
        while (a.ansicht.oben().zeile == 0)
            leiste->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(a.ansicht.oben(), (RollenFlaeche::Reihe{1, 0, 0}));
        leiste->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(a.ansicht.oben(), (RollenFlaeche::Reihe{0, 0, reihen - 1}));
        leiste->setValue(50);
        QCOMPARE(a.ansicht.oben(), (RollenFlaeche::Reihe{50, 0, 0}));
    }

    // Blanks that end a line and do not fit hang past the edge instead of making a row of their
    // own, which would look like an empty line; the line's ink then reaches the right margin.
    void blanksOhnePlatzHaengen() {
        Ansicht a({QStringLiteral("1")});
        const QFontMetricsF masse(a.ansicht.font());
        const qreal breite = a.ansicht.viewport()->width() - 8;
        QString ziffern;
        while (masse.horizontalAdvance(ziffern + QStringLiteral("1")) <= breite)
            ziffern += QLatin1Char('1');
        QVERIFY(masse.horizontalAdvance(ziffern + QStringLiteral("  ")) > breite);
        for (const QString& zeile : {ziffern + QStringLiteral("  "), ziffern + QString(40, u' ')}) {
            a.rolle.ersetzen({zeile, QStringLiteral("= 1,00 €  ")});
            QApplication::processEvents();
            QCOMPARE(a.ansicht.reihentexte(0), QStringList{zeile});
            const QRect feld = a.ansicht.zeilenfeld(0);
            QCOMPARE(feld.height(), a.ansicht.reihenhoehe());
            const int rechts = rollen::rechteTinte(a.bild(), feld.top(), feld.bottom());
            QVERIFY2(rechts >= feld.right() - 3, qPrintable(QString::number(rechts)));
        }
    }

    // The roll copy shows the roll in the main view's font, whatever the font of the window it
    // sits in, so that a line wraps alike in both.
    void beideAnsichtenEineSchrift() {
        Ansicht a({LangeZeile});
        QWidget fenster;
        fenster.setFont(QFont(QStringLiteral("Liberation Serif"), 9));
        Rolle kopie;
        kopie.ersetzen({LangeZeile});
        RollenEditor editor(kopie, &fenster);
        fenster.setFont(QFont(QStringLiteral("Liberation Mono"), 11));
        editor.resize(a.ansicht.size());
        fenster.show();
        QApplication::processEvents();
        QCOMPARE(QFontInfo(editor.font()).family(), QFontInfo(a.ansicht.font()).family());
        QCOMPARE(QFontInfo(editor.font()).pixelSize(), 16);
        QVERIFY(QFontInfo(editor.font()).bold());
        QCOMPARE(editor.reihenhoehe(), a.ansicht.reihenhoehe());
        QCOMPARE(editor.reihentexte(0), a.ansicht.reihentexte(0));
    }

    // Anywhere in a long roll the lines there are painted.
    void spruenge() {
        Ansicht a(zeilen(200'000));
        for (int ziel : {0, 123'456, 199'000}) {
            a.ansicht.verticalScrollBar()->setValue(ziel);
            QCOMPARE(a.ansicht.oben().zeile, ziel);
            QCOMPARE(a.reihenMitTinte(ziel), 1);
        }
    }
};

QTEST_MAIN(TestRollenAnsicht)
#include "test_rollenansicht.moc"
