// The roll copy's editor and input methods: a commit with a replacement range is one edit of the
// roll, composing text is painted where it will stand but stays out of the roll, and the
// queries describe the current line around the cursor.
#include "tests/rollenfeld/rollen_hilfen.h"

#include <QInputMethod>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <QtTest>

namespace {

using rollen::Editor;

void festlegen(QWidget* ziel, const QString& text, int ersatzAnfang = 0, int ersatzLaenge = 0) {
    QInputMethodEvent ereignis;
    ereignis.setCommitString(text, ersatzAnfang, ersatzLaenge);
    QApplication::sendEvent(ziel, &ereignis);
}

// Composing text in the plain format, with the input method's cursor at its end.
void zusammensetzen(QWidget* ziel, const QString& text) {
    using A = QInputMethodEvent::Attribute;
    QInputMethodEvent ereignis(
        text,
        {A(QInputMethodEvent::TextFormat, 0, static_cast<int>(text.size()), QTextCharFormat()),
         A(QInputMethodEvent::Cursor, static_cast<int>(text.size()), 1, {})});
    QApplication::sendEvent(ziel, &ereignis);
}

// A line longer than the text an input method is told.
QString dreitausend() {
    return QStringLiteral("0123456789").repeated(300);
}

QImage bild(RollenEditor& editor) {
    editor.viewport()->repaint();
    return editor.viewport()->grab().toImage();
}

} // namespace

class TestEingabemethode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void festlegenMitErsatz_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<Stelle>("anker");
        QTest::addColumn<Stelle>("cursor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ersatzAnfang");
        QTest::addColumn<int>("ersatzLaenge");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<Stelle>("danach");
        const QStringList kaffee{QStringLiteral("Kaffee")};
        QTest::newRow("e vor dem Cursor wird é")
            << kaffee << Stelle{0, 6} << Stelle{0, 6} << "é" << -1 << 1 << QStringList{"Kaffeé"}
            << Stelle{0, 6};
        QTest::newRow("ohne Ersatz eingefügt") << kaffee << Stelle{0, 6} << Stelle{0, 6} << "s" << 0
                                               << 0 << QStringList{"Kaffees"} << Stelle{0, 7};
        QTest::newRow("Ersatz nach dem Cursor") << kaffee << Stelle{0, 2} << Stelle{0, 2} << "ü"
                                                << 0 << 2 << QStringList{"Kaüee"} << Stelle{0, 3};
        QTest::newRow("Ersatz über den Zeilenanfang hinaus")
            << kaffee << Stelle{0, 2} << Stelle{0, 2} << "X" << -3 << 3 << QStringList{"Xffee"}
            << Stelle{0, 1};
        QTest::newRow("Ersatz ganz vor der Zeile")
            << kaffee << Stelle{0, 2} << Stelle{0, 2} << "X" << -5 << 3 << QStringList{"XKaffee"}
            << Stelle{0, 1};
        QTest::newRow("nur gelöscht") << kaffee << Stelle{0, 6} << Stelle{0, 6} << "" << -2 << 2
                                      << QStringList{"Kaff"} << Stelle{0, 4};
        QTest::newRow("Auswahl ersetzt") << kaffee << Stelle{0, 1} << Stelle{0, 3} << "Ü" << 0 << 0
                                         << QStringList{"KÜfee"} << Stelle{0, 2};
        QTest::newRow("Zeilenumbruch festgelegt")
            << kaffee << Stelle{0, 3} << Stelle{0, 3} << "\n"
            << 0 << 0 << QStringList{"Kaf", "fee"} << Stelle{1, 0};
        QTest::newRow("in der zweiten Zeile")
            << QStringList{"ab", "Kaffee"} << Stelle{1, 6} << Stelle{1, 6} << "é" << -1 << 1
            << QStringList{"ab", "Kaffeé"} << Stelle{1, 6};
    }
    // The replacement range counts from the cursor within its line; it and the commit are one
    // edit, which one undo takes back.
    void festlegenMitErsatz() {
        QFETCH(QStringList, zeilen);
        QFETCH(Stelle, anker);
        QFETCH(Stelle, cursor);
        QFETCH(QString, text);
        QFETCH(int, ersatzAnfang);
        QFETCH(int, ersatzLaenge);
        QFETCH(QStringList, erwartet);
        QFETCH(Stelle, danach);
        Editor e(zeilen);
        e.ansicht.cursorSetzen(anker);
        e.ansicht.cursorSetzen(cursor, true);
        festlegen(&e.ansicht, text, ersatzAnfang, ersatzLaenge);
        QCOMPARE(e.rolle.zeilen(), erwartet);
        QCOMPARE(e.ansicht.cursor(), danach);
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
        QCOMPARE(e.rolle.zeilen(), zeilen);
    }

    // Composing text is painted at the cursor exactly as the committed text will be, but the
    // roll holds it only once it is committed; cancelling leaves the view as it was.
    void zusammensetzenMalenOhneRolle() {
        Editor e({QStringLiteral("Kaffee"), QStringLiteral("12,00 €  ")});
        e.ansicht.cursorSetzen({0, 3});
        const QImage vorher = bild(e.ansicht);
        zusammensetzen(&e.ansicht, QStringLiteral("ée"));
        QCOMPARE(e.rolle.zeilen(), (QStringList{"Kaffee", "12,00 €  "}));
        const QImage zusammengesetzt = bild(e.ansicht);
        QVERIFY(zusammengesetzt != vorher);
        zusammensetzen(&e.ansicht, QString());
        QCOMPARE(bild(e.ansicht), vorher);
        zusammensetzen(&e.ansicht, QStringLiteral("ée"));
        festlegen(&e.ansicht, QStringLiteral("ée"));
        QCOMPARE(e.rolle.zeilen(), (QStringList{"Kaféefee", "12,00 €  "}));
        QCOMPARE(bild(e.ansicht), zusammengesetzt);
    }

    // A click ends composing: what the input method leaves uncommitted is dropped, and the roll
    // stays as it was.
    void klickBeendetZusammensetzen() {
        Editor e({QStringLiteral("Kaffee")});
        e.ansicht.cursorSetzen({0, 3});
        const QImage vorher = bild(e.ansicht);
        const QRect feld = e.ansicht.zeichenFeld({0, 2});
        zusammensetzen(&e.ansicht, QStringLiteral("ée"));
        QVERIFY(bild(e.ansicht) != vorher);
        QTest::mouseClick(e.ansicht.viewport(), Qt::LeftButton, {},
                          QPoint(feld.right(), feld.center().y()));
        QCOMPARE(e.ansicht.cursor(), (Stelle{0, 3}));
        QCOMPARE(bild(e.ansicht), vorher);
        QCOMPARE(e.rolle.zeilen(), QStringList{QStringLiteral("Kaffee")});
    }

    // Composing text that wraps the line takes its rows in the view, so the view still shows
    // the input method's cursor at the end of the roll.
    void zusammensetzenAmEndeBleibtInSicht() {
        QStringList zeilen;
        for (int i = 0; i < 30; ++i)
            zeilen << QStringLiteral("+ %1,00 €  ").arg(i);
        Editor e(zeilen);
        rollen::tasten(&e.ansicht, QStringLiteral("C-End"));
        QTRY_VERIFY(!e.ansicht.zeilenfeld(29).isEmpty());
        const RollenFlaeche::Reihe vorher = e.ansicht.oben();
        zusammensetzen(&e.ansicht, QString(60, u'W'));
        QVERIFY(vorher < e.ansicht.oben());
        const QRect feld = e.ansicht.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(!feld.isEmpty());
        QVERIFY(e.ansicht.viewport()->geometry().contains(feld));
        QCOMPARE(e.rolle.anzahl(), 30);
    }

    // The input method learns of every move of the cursor, so that its window follows it.
    void cursorbewegungGemeldet() {
        Editor e({QStringLiteral("Kaffee"), QStringLiteral("12,00 €  ")});
        e.ansicht.activateWindow();
        QTRY_COMPARE(QGuiApplication::focusObject(), &e.ansicht);
        int gemeldet = 0;
        connect(QGuiApplication::inputMethod(), &QInputMethod::cursorRectangleChanged, this,
                [&gemeldet] { ++gemeldet; });
        for (const char* tasten : {"Right", "C-End", "S-Left", "C-A", "x", "C-Z"}) {
            const int vorher = gemeldet;
            rollen::tasten(&e.ansicht, QString::fromLatin1(tasten));
            QVERIFY2(gemeldet > vorher, tasten);
        }
        const int vorher = gemeldet;
        e.rolle.ersetzen({QStringLiteral("neu")});
        QVERIFY(gemeldet > vorher);
        QObject::disconnect(QGuiApplication::inputMethod(), nullptr, this, nullptr);
    }

    void abfragen() {
        Editor e({QStringLiteral("erste"), QStringLiteral("12,00 €  ")});
        e.ansicht.cursorSetzen({1, 1});
        e.ansicht.cursorSetzen({1, 5}, true);
        const auto frage = [&](Qt::InputMethodQuery abfrage) {
            return e.ansicht.inputMethodQuery(abfrage);
        };
        QCOMPARE(frage(Qt::ImEnabled).toBool(), true);
        QCOMPARE(frage(Qt::ImSurroundingText).toString(), QStringLiteral("12,00 €  "));
        QCOMPARE(frage(Qt::ImCursorPosition).toInt(), 5);
        QCOMPARE(frage(Qt::ImAnchorPosition).toInt(), 1);
        QCOMPARE(frage(Qt::ImCurrentSelection).toString(), QStringLiteral("2,00"));
        QCOMPARE(frage(Qt::ImTextBeforeCursor).toString(), QStringLiteral("12,00"));
        QCOMPARE(frage(Qt::ImTextAfterCursor).toString(), QStringLiteral(" €  "));
        QVERIFY(Qt::InputMethodHints(frage(Qt::ImHints).toInt()).testFlag(Qt::ImhMultiLine));
        const QRect feld = frage(Qt::ImCursorRectangle).toRect();
        const QRect zeichen = e.ansicht.zeichenFeld({1, 5});
        QCOMPARE(feld.translated(-e.ansicht.viewport()->pos()).topLeft(), zeichen.topLeft());
        e.ansicht.cursorSetzen({0, 2}, true);
        QCOMPARE(frage(Qt::ImSurroundingText).toString(), QStringLiteral("erste"));
        QCOMPARE(frage(Qt::ImAnchorPosition).toInt(), 5);
        e.ansicht.setEnabled(false);
        QCOMPARE(frage(Qt::ImEnabled).toBool(), false);
    }

    // In a long line the positions an input method sends count from the start of the text it
    // was told: a selection, alone or after a commit, and a replacement range.
    void positionenImTeilDerZeile_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("ersatzUndAuswahl");
        QTest::addColumn<int>("anker");
        QTest::addColumn<int>("cursor");
        QTest::newRow("Auswahl um den Cursor")
            << 2000 << "" << QList<int>{0, 0, 1000, 30} << 1976 << 2006;
        QTest::newRow("nahe dem Zeilenanfang")
            << 500 << "" << QList<int>{0, 0, 500, 0} << 500 << 500;
        QTest::newRow("nach dem Festlegen")
            << 2000 << "x" << QList<int>{0, 0, 1025, 0} << 2001 << 2001;
        QTest::newRow("Ersatz vor dem Cursor") << 2000 << "Z" << QList<int>{-2, 2} << 1999 << 1999;
    }
    void positionenImTeilDerZeile() {
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(QList<int>, ersatzUndAuswahl);
        QFETCH(int, anker);
        QFETCH(int, cursor);
        Editor e({dreitausend()});
        e.ansicht.cursorSetzen({0, spalte});
        QList<QInputMethodEvent::Attribute> merkmale;
        if (ersatzUndAuswahl.size() > 2)
            merkmale.append(
                {QInputMethodEvent::Selection, ersatzUndAuswahl[2], ersatzUndAuswahl[3], {}});
        QInputMethodEvent ereignis({}, merkmale);
        ereignis.setCommitString(text, ersatzUndAuswahl[0], ersatzUndAuswahl[1]);
        QApplication::sendEvent(&e.ansicht, &ereignis);
        const QString erwartet =
            dreitausend().replace(spalte + ersatzUndAuswahl[0], ersatzUndAuswahl[1], text);
        QCOMPARE(e.rolle.zeile(0), erwartet);
        QCOMPARE(e.ansicht.anker(), (Stelle{0, anker}));
        QCOMPARE(e.ansicht.cursor(), (Stelle{0, cursor}));
        // What the method is told back names the same places.
        const auto frage = [&](Qt::InputMethodQuery abfrage) {
            return e.ansicht.inputMethodQuery(abfrage).toInt();
        };
        const qsizetype anfang = cursor - frage(Qt::ImCursorPosition);
        QCOMPARE(anfang + frage(Qt::ImAnchorPosition), anker);
        QCOMPARE(e.ansicht.inputMethodQuery(Qt::ImSurroundingText).toString(),
                 erwartet.mid(anfang, cursor + 1024 - anfang));
    }

    // In a line of megabytes the input method is told the text around the cursor only, with
    // the positions counted in it.
    void abfragenInLangerZeile() {
        const QString zeile = QStringLiteral("0123456789 ").repeated(100'000);
        Editor e({zeile});
        e.ansicht.cursorSetzen({0, 500'003});
        const QString umgebung = e.ansicht.inputMethodQuery(Qt::ImSurroundingText).toString();
        const int cursor = e.ansicht.inputMethodQuery(Qt::ImCursorPosition).toInt();
        QVERIFY(umgebung.size() <= 4096);
        QVERIFY(zeile.mid(500'003).startsWith(umgebung.mid(cursor)));
        QVERIFY(zeile.left(500'003).endsWith(umgebung.left(cursor)));
        festlegen(&e.ansicht, QStringLiteral("X"), -3, 3);
        QVERIFY(e.rolle.zeile(0) == zeile.left(500'000) + QLatin1Char('X') + zeile.mid(500'003));
    }
};

QTEST_MAIN(TestEingabemethode)
#include "test_eingabemethode.moc"
