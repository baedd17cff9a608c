// The keyboard on the real main window offscreen: keys typed through the window system reach
// the calculator like the keypad, the sink keeps or wins back the focus, the lock holds.
#include "common/fehler.h"
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/boxrekorder.h"
#include "tests/hilfen/testrechner.h"

#include <QAbstractScrollArea>
#include <QApplication>

using namespace fenster;

class TestTastaturFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Typed on one window, clicked on another: both must end in the same state.
    void tastaturWieTastenfeld_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("geklickt");
        QTest::newRow("Enter ist =") << "1 2 + 5 Enter"
                                     << "1 2 + 5 =";
        QTest::newRow("* ist x") << "6 * 7 Enter"
                                 << "6 x 7 =";
        QTest::newRow("/ und -") << "9 / 3 - 1 Enter"
                                 << "9 / 3 - 1 =";
        QTest::newRow("%") << "2 0 0 + 1 0 %"
                           << "2 0 0 + 1 0 %";
        QTest::newRow("Backspace ist AC") << "1 2 + 5 Backspace"
                                          << "1 2 + 5 AC";
        QTest::newRow("F1 F3") << "5 F1 F1 F3"
                               << "5 M+ M+ MR";
        QTest::newRow("F2 F4") << "5 F1 F2 F2 F4"
                               << "5 M+ M- M- MC";
        QTest::newRow("F5 F6") << "3 F5 + 1 6 F6 Enter"
                               << "3 x² + 1 6 V¯ =";
        QTest::newRow("F7") << "4 + 7 F7 2 Enter"
                            << "4 + 7 CE 2 =";
        QTest::newRow("F8") << "4 + 7 F8"
                            << "4 + 7 AC";
        QTest::newRow("Umschalt+F8") << "4 + 7 S-F8"
                                     << "4 + 7 AC";
        QTest::newRow("F11") << "9 F11 + 1 Enter"
                             << "9 (-) + 1 =";
        QTest::newRow("F10 F12 nichts") << "2 F10 + F12 3 Enter"
                                        << "2 + 3 =";
        QTest::newRow("Punkt verschluckt") << "1 . 5 + a 1 Enter"
                                           << "1 5 + 1 =";
        QTest::newRow("Ziffernblock") << "KP1 KP2 KP+ KP5 KPEnter"
                                      << "1 2 + 5 =";
        QTest::newRow("Ziffernblock */-") << "KP6 KP* KP7 KP/ KP2 KP- KP1 KPEnter"
                                          << "6 x 7 / 2 - 1 =";
    }
    void tastaturWieTastenfeld() {
        QFETCH(QString, getippt);
        QFETCH(QString, geklickt);
        Testrechner rechnerA, rechnerB;
        Hauptfenster &tastatur = rechnerA.hauptfenster, &tasten = rechnerB.hauptfenster;
        QVERIFY(bereit(rechnerB));
        klicke(tasten, geklickt);
        QVERIFY(bereit(rechnerA));
        tippe(tastatur, getippt);
        QCOMPARE(zustand(tastatur), zustand(tasten));
        QVERIFY(tastaturfeld(tastatur)->hasFocus());
    }

    void randfaelle_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("zweites Komma") << "1 , , 5"
                                       << "1,5";
        QTest::newRow("Komma am Ergebnis") << "2 + 3 Enter , 4 , 5"
                                           << "45";
        QTest::newRow("Komma nach Ziffern") << "7 , 2 5"
                                            << "7,25";
    }
    // The typed comma never writes the operator indicator.
    void randfaelle() {
        QFETCH(QString, getippt);
        QFETCH(QString, anzeige);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        tippe(f, getippt);
        QCOMPARE(text(f, QStringLiteral("Panel2")), anzeige);
        QCOMPARE(text(f, QStringLiteral("Panel34")), QString());
    }

    // After "M-Dez" typed digits leave all three time keys off; a keypad digit starting a new
    // number switches "M-Std" and "M-Dez" on again.
    void getippteZiffernLassenZeittasten() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        klicke(f, QStringLiteral("9 0 M-Dez"));
        tippe(f, QStringLiteral("1 2"));
        QCOMPARE(zustand(f).filter(QStringLiteral("Zeittasten=")).value(0),
                 QStringLiteral("Zeittasten=000"));
        klicke(f, QStringLiteral("+ 1"));
        QCOMPARE(zustand(f).filter(QStringLiteral("Zeittasten=")).value(0),
                 QStringLiteral("Zeittasten=110"));
    }

    // The typed comma sets the hours setting; a typed digit after an operator keeps it, so
    // "Std-M" converts the typed 5 as five hours.
    void stundenstellungBleibtNachOperator() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        tippe(f, QStringLiteral("1 , 3 0 + 5"));
        QPushButton* stdM = knopf(f, QStringLiteral("Std-M"));
        QVERIFY(stdM->isEnabled());
        QTest::mouseClick(stdM, Qt::LeftButton);
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("300"));
        QVERIFY(rolle(f).contains(QStringLiteral("5 : 00  Std")));
    }

    // Nobody signed in and sign-in required: characters do nothing, function keys still work.
    void sperreOhneAnmeldung() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        r.w.OhneAnmeldungText = QStringLiteral("2");
        tippe(f, QStringLiteral("1 2 + 5 Enter Backspace %"));
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("0"));
        QVERIFY(rolle(f).isEmpty());
        tippe(f, QStringLiteral("F9"));
        const qsizetype nachStempel = rolle(f).size();
        QVERIFY(nachStempel > 0);
        tippe(f, QStringLiteral("F1"));
        QCOMPARE(rolle(f).size(), nachStempel + 1);
        QVERIFY(rolle(f).last().startsWith(QStringLiteral("M+ ")));
        r.w.OhneAnmeldungText = QStringLiteral("1");
        tippe(f, QStringLiteral("7"));
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("7"));
    }

    void fokusZurueck_data() {
        QTest::addColumn<QString>("halter");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("anzeige");
        // A character only moves the focus back; the next one counts.
        QTest::newRow("Taste, Zeichen") << "BitBtn7"
                                        << "3 4"
                                        << "54";
        QTest::newRow("Rolle, Zeichen") << "RichEdit1"
                                        << "3 4"
                                        << "54";
        QTest::newRow("Fenster, Zeichen") << ""
                                          << "3 4"
                                          << "54";
        // The cover hands the focus back as it receives it.
        QTest::newRow("Abdeckung") << "Panel3"
                                   << "3 4"
                                   << "534";
        // A function key reaches its operation wherever the focus is.
        QTest::newRow("Taste, F11") << "BitBtn7"
                                    << "F11"
                                    << "-5";
        QTest::newRow("Rolle, F11") << "RichEdit1"
                                    << "F11"
                                    << "-5";
    }
    void fokusZurueck() {
        QFETCH(QString, halter);
        QFETCH(QString, getippt);
        QFETCH(QString, anzeige);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        tippe(f, QStringLiteral("5"));
        if (halter == QLatin1String("Panel3")) {
            f.modell().nachAbmeldung();
            f.aktualisieren();
        }
        if (halter.isEmpty())
            QApplication::focusWidget()->clearFocus();
        else
            f.findChild<QWidget*>(halter)->setFocus();
        tippe(f, getippt);
        QCOMPARE(text(f, QStringLiteral("Panel2")), anzeige);
        QVERIFY(tastaturfeld(f)->hasFocus());
    }

    void klickInDieRolleGibtFokusZurueck() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        auto* ansicht = f.findChild<QAbstractScrollArea*>(QStringLiteral("RichEdit1"));
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton);
        QVERIFY(tastaturfeld(f)->hasFocus());
    }

    // An error ends the key in the error box; the focus stays in the sink for the next key.
    void fehlerLaesstFokusImEingabefeld() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        Boxrekorder boxen;
        tippe(f, QStringLiteral("5 / 0 Enter"));
        QCOMPARE(boxen.abholen(),
                 QList<Box>{fehlerbox(QStringLiteral("Gleitkommadivision durch Null."))});
        QCOMPARE(f.focusWidget(), tastaturfeld(f));
        tippe(f, QStringLiteral("7"));
        QCOMPARE(text(f, QStringLiteral("Panel2")), QStringLiteral("7"));
    }
};

QTEST_MAIN(TestTastaturFenster)
#include "test_tastatur_fenster.moc"
