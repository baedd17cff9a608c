// The roll copy's editor and the mouse: the double click takes a word by the same rule as the
// keys, a third click the line, dragging past the edge keeps scrolling while the button is held,
// the selection shows over empty lines and line ends, and the context menu offers undo.
#include "tests/rollenfeld/rollen_hilfen.h"

#include <QMenu>
#include <QStyleHints>
#include <QTimer>
#include <QtTest>

namespace {

using rollen::Editor;

// A mouse event with a time stamp of its own, as the window system sends them.
void maus(QWidget* ziel, QEvent::Type art, QPoint punkt, quint64 zeit,
          Qt::MouseButtons gedrueckt = Qt::LeftButton) {
    QMouseEvent ereignis(art, punkt, ziel->mapToGlobal(punkt), Qt::LeftButton, gedrueckt,
                         Qt::NoModifier);
    ereignis.setTimestamp(zeit);
    QApplication::sendEvent(ziel, &ereignis);
}

void doppelklick(QWidget* ziel, QPoint punkt, quint64 zeit) {
    maus(ziel, QEvent::MouseButtonPress, punkt, zeit);
    maus(ziel, QEvent::MouseButtonRelease, punkt, zeit + 10, Qt::NoButton);
    maus(ziel, QEvent::MouseButtonPress, punkt, zeit + 100);
    maus(ziel, QEvent::MouseButtonDblClick, punkt, zeit + 100);
    maus(ziel, QEvent::MouseButtonRelease, punkt, zeit + 110, Qt::NoButton);
}

QPoint mitteVon(RollenEditor& editor, Stelle stelle) {
    return editor.zeichenFeld(stelle).center();
}

} // namespace

class TestRollenGesten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void doppelklickWaehltWort_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("wort");
        QTest::newRow("Zahl mit Punkt und Komma") << "= 1.234,56 €  " << 5 << "1.234,56";
        QTest::newRow("Währungszeichen") << "= 1.234,56 €  " << 11 << "€";
        QTest::newRow("Wort vor Bindestrich") << "Kasse-Nord" << 2 << "Kasse";
        QTest::newRow("Blanks am Ende") << "ANGEMELDET  " << 11 << "  ";
    }
    void doppelklickWaehltWort() {
        QFETCH(QString, zeile);
        QFETCH(int, spalte);
        QFETCH(QString, wort);
        Editor e({zeile});
        doppelklick(e.ansicht.viewport(), mitteVon(e.ansicht, {0, spalte}), 1000);
        QCOMPARE(e.ansicht.auswahl(), wort);
    }

    // A third click soon after a double click selects the line with its break; a click after
    // the double-click time is a click again.
    void dreifachklickWaehltZeile() {
        Editor e({QStringLiteral("ab"), QStringLiteral("12,00 €  "), QStringLiteral("cd")});
        QWidget* flaeche = e.ansicht.viewport();
        const QPoint punkt = mitteVon(e.ansicht, {1, 2});
        doppelklick(flaeche, punkt, 1000);
        maus(flaeche, QEvent::MouseButtonPress, punkt, 1200);
        QCOMPARE(e.ansicht.auswahl(), QStringLiteral("12,00 €  \n"));
        QCOMPARE(e.ansicht.anker(), (Stelle{1, 0}));
        rollen::tasten(&e.ansicht, QStringLiteral("Delete"));
        QCOMPARE(e.rolle.zeilen(), (QStringList{"ab", "cd"}));
        const QPoint zweite = mitteVon(e.ansicht, {1, 1});
        doppelklick(flaeche, zweite, 5000);
        const auto spaet =
            5100 + static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        maus(flaeche, QEvent::MouseButtonPress, zweite, spaet);
        QCOMPARE(e.ansicht.auswahl(), QString());
    }

    // Held past the bottom, the view scrolls on by itself and the selection follows to the row at
    // the edge; letting go stops it.
    void ziehenUeberDenRandRolltWeiter() {
        QStringList zeilen;
        for (int i = 0; i < 200; ++i)
            zeilen << QStringLiteral("+ %1,00 €  ").arg(i);
        Editor e(zeilen);
        e.ansicht.cursorSetzen({});
        QTRY_COMPARE(e.ansicht.oben().zeile, 0);
        QWidget* flaeche = e.ansicht.viewport();
        maus(flaeche, QEvent::MouseButtonPress, QPoint(10, 5), 1000);
        maus(flaeche, QEvent::MouseMove, QPoint(10, flaeche->height() + 10), 1100);
        QCOMPARE(e.ansicht.oben().zeile, 1);
        QTRY_VERIFY(e.ansicht.oben().zeile >= 5);
        QCOMPARE(e.ansicht.anker(), (Stelle{0, 0}));
        QCOMPARE(e.ansicht.cursor().zeile,
                 e.ansicht.oben().zeile + e.ansicht.sichtbareReihen() - 1);
        auto* takt = e.ansicht.findChild<QTimer*>();
        QVERIFY(takt && takt->isActive());
        maus(flaeche, QEvent::MouseButtonRelease, QPoint(10, flaeche->height() + 10), 1200,
             Qt::NoButton);
        QVERIFY(!takt->isActive());
        maus(flaeche, QEvent::MouseButtonPress, QPoint(10, 5), 2000);
        maus(flaeche, QEvent::MouseMove, QPoint(10, -30), 2100);
        QTRY_COMPARE(e.ansicht.oben().zeile, 0);
        QCOMPARE(e.ansicht.cursor().zeile, 0);
    }

    // All selected: the first line's end, the empty line and the last line's text show the
    // highlight; nothing does without a selection.
    void leereZeilenUndZeilenendenMarkiert() {
        Editor e({QStringLiteral("ab"), QString(), QStringLiteral("cd")});
        const QColor farbe = e.ansicht.viewport()->palette().color(QPalette::Highlight);
        const auto markiert = [&](qsizetype zeile) {
            const QRect feld = e.ansicht.zeilenfeld(zeile);
            const QImage bild = e.ansicht.viewport()->grab().toImage().copy(
                0, feld.top(), e.ansicht.viewport()->width(), feld.height());
            return rollen::pixelInFarbe(bild, farbe);
        };
        for (qsizetype zeile = 0; zeile < 3; ++zeile)
            QCOMPARE(markiert(zeile), 0);
        rollen::tasten(&e.ansicht, QStringLiteral("C-A"));
        for (qsizetype zeile = 0; zeile < 3; ++zeile)
            QVERIFY2(markiert(zeile) > 0, qPrintable(QString::number(zeile)));
        QVERIFY(markiert(2) > markiert(1));
    }

    // Undo and redo in the menu, enabled only when there is something to undo or redo.
    void kontextmenue() {
        Editor e({QStringLiteral("ab")});
        const auto eintraege = [&] {
            QWidget* flaeche = e.ansicht.viewport();
            QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5),
                                       flaeche->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(flaeche, &ereignis);
            const QList<QMenu*> menues = e.ansicht.findChildren<QMenu*>();
            if (menues.isEmpty())
                return std::pair(true, true);
            QMenu* menue = menues.last();
            QMap<QString, bool> frei;
            for (const QAction* eintrag : menue->actions())
                frei[eintrag->text().section(QLatin1Char('\t'), 0, 0)] = eintrag->isEnabled();
            menue->close();
            QApplication::processEvents();
            const auto text = [](const char* quelle) {
                return QCoreApplication::translate("QWidgetTextControl", quelle);
            };
            return std::pair(frei.value(text("&Undo"), true), frei.value(text("&Redo"), true));
        };
        QCOMPARE(eintraege(), std::pair(false, false));
        rollen::tasten(&e.ansicht, QStringLiteral("x"));
        QCOMPARE(eintraege(), std::pair(true, false));
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
        QCOMPARE(eintraege(), std::pair(false, true));
    }
};

QTEST_MAIN(TestRollenGesten)
#include "test_rollengesten.moc"
