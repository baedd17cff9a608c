// Lines of thousands of characters and more, laid out in pieces: their rows are the line's text,
// every row can be scrolled to and pointed at, and a line of 5 MB is pasted, selected, copied,
// typed into, undone and scrolled in both views without recursion or a draw over all its rows.
#include "rechner/rollenfeld/rollenansicht.h"
#include "tests/rollenfeld/rollen_hilfen.h"

#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

namespace {

// Rows of digits wrapped at blanks: a piece boundary every few thousand characters.
const QString MehrereStuecke = QStringLiteral("0123456789 Kasse ").repeated(1500);

// The row bands of a grab that show the highlight.
int markierteReihen(QAbstractScrollArea& ansicht, int reihenhoehe) {
    const QImage bild = ansicht.viewport()->grab().toImage();
    const QColor farbe = ansicht.viewport()->palette().color(QPalette::Highlight);
    int reihen = 0;
    for (int oben = 0; oben + reihenhoehe <= bild.height(); oben += reihenhoehe)
        reihen += rollen::pixelInFarbe(bild.copy(0, oben, bild.width(), reihenhoehe), farbe) > 0;
    return reihen;
}

using rollen::Editor;

} // namespace

class TestLangeZeile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The rows of all pieces together are the line, and no row starts with a blank.
    void reihenSindDieZeile() {
        Rolle rolle;
        rolle.ersetzen({MehrereStuecke, QStringLiteral("= 1,00 €  ")});
        RollenAnsicht ansicht(rolle, nullptr);
        ansicht.resize(289, 489);
        const QStringList reihen = ansicht.reihentexte(0);
        QCOMPARE(reihen.join(QString()), MehrereStuecke);
        for (const QString& reihe : reihen)
            QVERIFY2(!reihe.startsWith(u' '), qPrintable(reihe));
        QCOMPARE(ansicht.reihen(0), reihen.size());
    }

    // Row by row down through every piece to the next line and back: each step moves one row.
    void reiheFuerReiheDurchAlleStuecke() {
        Rolle rolle;
        rolle.ersetzen(QStringList{MehrereStuecke} + QStringList(30, QStringLiteral("= 1,00 €  ")));
        RollenAnsicht ansicht(rolle, nullptr);
        ansicht.resize(289, 200);
        ansicht.show();
        QApplication::processEvents();
        QScrollBar* leiste = ansicht.verticalScrollBar();
        leiste->setValue(0);
        qsizetype schritte = 0;
        qsizetype stueck = 0;
        while (ansicht.oben().zeile == 0) {
            QVERIFY(ansicht.oben().stueck >= stueck);
            QVERIFY(schritte <= ansicht.reihen(0));
            stueck = ansicht.oben().stueck;
            leiste->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            ++schritte;
        }
        QVERIFY(stueck > 1);
        QCOMPARE(schritte, ansicht.reihen(0));
        leiste->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(ansicht.oben().zeile, 0);
        QCOMPARE(ansicht.oben().stueck, stueck);
    }

    // Around a piece boundary, each character's box leads back to its place.
    void stellenUndFelderPassenZusammen() {
        Editor e({MehrereStuecke});
        const qsizetype grenze = MehrereStuecke.indexOf(u' ', 4096) + 1;
        e.ansicht.cursorSetzen({0, grenze - 60});
        e.ansicht.cursorSetzen({0, grenze + 60});
        int gepruefte = 0;
        for (qsizetype spalte = grenze - 60; spalte < grenze + 60; ++spalte) {
            const Stelle stelle{0, spalte};
            const QRect feld = e.ansicht.zeichenFeld(stelle);
            if (feld.isEmpty())
                continue;
            ++gepruefte;
            QCOMPARE(e.ansicht.stelleBei(QPoint(feld.left() + 1, feld.center().y())), stelle);
        }
        QVERIFY(gepruefte > 60);
    }

    // The roll copy: a 5 MB line pasted, all selected (every row in sight highlighted), copied,
    // replaced by a typed character, brought back by undo, and scrolled by the wheel.
    void fuenfMegabyteInDerKopie() {
        const QString zeile = QStringLiteral("0123456789 ").repeated(480'000);
        Editor e({QStringLiteral("12,00 €  ")});
        e.ansicht.cursorSetzen({0, 9});
        QGuiApplication::clipboard()->setText(QLatin1Char('\n') + zeile);
        rollen::tasten(&e.ansicht, QStringLiteral("C-V"));
        QCOMPARE(e.rolle.anzahl(), 2);
        QVERIFY(e.rolle.zeile(1) == zeile);
        QTRY_VERIFY(!e.ansicht.zeichenFeld(e.ansicht.cursor()).isEmpty());
        rollen::tasten(&e.ansicht, QStringLiteral("C-A"));
        const int reihen = e.ansicht.sichtbareReihen();
        QCOMPARE(markierteReihen(e.ansicht, e.ansicht.reihenhoehe()), reihen);
        QGuiApplication::clipboard()->clear();
        rollen::tasten(&e.ansicht, QStringLiteral("C-C"));
        QVERIFY(QGuiApplication::clipboard()->text() == QStringLiteral("12,00 €  \n") + zeile);
        rollen::tasten(&e.ansicht, QStringLiteral("x"));
        QCOMPARE(e.rolle.zeilen(), QStringList{QStringLiteral("x")});
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
        QCOMPARE(e.rolle.anzahl(), 2);
        QVERIFY(e.rolle.zeile(1) == zeile);
        QTRY_VERIFY(e.ansicht.oben().zeile == 1);
        const RollenFlaeche::Reihe vorher = e.ansicht.oben();
        rollen::rad(e.ansicht.viewport(), QWheelEvent::DefaultDeltasPerStep);
        QVERIFY(e.ansicht.oben() < vorher);
        QCOMPARE(e.ansicht.oben().zeile, 1);
        rollen::rad(e.ansicht.viewport(), -QWheelEvent::DefaultDeltasPerStep);
        QCOMPARE(e.ansicht.oben(), vorher);
    }

    // The main view: the line appended shows its end with ink in every row; the wheel goes up.
    void fuenfMegabyteInDerAnsicht() {
        Rolle rolle;
        RollenAnsicht ansicht(rolle, nullptr);
        ansicht.resize(289, 489);
        ansicht.show();
        rolle.anhaengen(QStringLiteral("0123456789 ").repeated(480'000) + QLatin1Char('\r'));
        QTRY_VERIFY(ansicht.oben().stueck > 1000);
        const QImage bild = ansicht.viewport()->grab().toImage();
        for (int reihe = 0; reihe < ansicht.sichtbareReihen(); ++reihe)
            QVERIFY(rollen::tinte(bild, reihe * ansicht.reihenhoehe() + ansicht.reihenhoehe() / 2));
        const RollenFlaeche::Reihe vorher = ansicht.oben();
        rollen::rad(ansicht.viewport(), 10 * QWheelEvent::DefaultDeltasPerStep);
        QVERIFY(ansicht.oben() < vorher);
        QCOMPARE(ansicht.oben().zeile, 0);
    }
};

QTEST_MAIN(TestLangeZeile)
#include "test_langezeile.moc"
