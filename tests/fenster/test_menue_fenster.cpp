// The menu bar, the status hints, the outside links and the about box of the real main window.
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/testrechner.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>

using namespace fenster;

namespace {

QString hinweis(Hauptfenster& f) {
    return text(f, QStringLiteral("StatusPanel0"));
}

void zeigerAuf(Hauptfenster& f, const QWidget* ziel, QPoint ort) {
    QTest::mouseMove(f.windowHandle(), ziel->mapTo(&f, ort));
}

// The hints panel 0 shows while the pointer goes in a straight line from the centre of one key
// to the centre of another, each text once however long it stays.
QStringList hinweiseAufDemWeg(Hauptfenster& f, const QWidget* von, const QWidget* nach) {
    const QPoint start = von->mapTo(&f, von->rect().center());
    const QPoint ziel = nach->mapTo(&f, nach->rect().center());
    const int schritte = qMax(qAbs(ziel.x() - start.x()), qAbs(ziel.y() - start.y()));
    QStringList folge;
    for (int i = 0; i <= schritte; ++i) {
        QTest::mouseMove(f.windowHandle(), start + (ziel - start) * i / qMax(schritte, 1));
        if (folge.isEmpty() || folge.last() != hinweis(f))
            folge.append(hinweis(f));
    }
    return folge;
}

} // namespace

class TestMenueFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setWindowIcon(programmsymbol()); }

    void menueleisteInIhrerOrdnung() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QStringList gebaut;
        for (QAction* menue : f.menuBar()->actions()) {
            gebaut.append(menue->menu()->objectName() + u' ' + menue->text());
            for (QAction* eintrag : menue->menu()->actions()) {
                QVERIFY(eintrag->shortcut().isEmpty());
                const QString art =
                    eintrag->menu() ? eintrag->menu()->objectName() : eintrag->objectName();
                gebaut.append(u"  "_qs + art + u' ' + eintrag->text());
                if (eintrag->menu())
                    for (QAction* unter : eintrag->menu()->actions())
                        gebaut.append(u"    "_qs + unter->objectName() + u' ' + unter->text());
            }
        }
        const QStringList erwartet = {
            u"Datei1 Rechner"_qs,
            u"  Registrieren1 Registrieren"_qs,
            u"  N1 "_qs,
            u"  Beenden1 Beenden"_qs,
            u"Rolle1 Nutzer"_qs,
            u"  Anmelden1 Anmelden"_qs,
            u"  Abmelden1 Abmelden"_qs,
            u"Registrierrolle1 Registrierrolle"_qs,
            u"  Drucken2 Drucken"_qs,
            u"Info1 Info"_qs,
            u"  Info2 Info ..."_qs,
            u"  MorvaneKontakte1 Morvane Kontakte"_qs,
            u"    MorvaneWebseite1 Morvane Webseite"_qs,
            u"    FragenEMailFragenanMorvane1 Fragen (E-Mail Fragen an Morvane)"_qs,
            u"    ProgrammaktualisierungOnlineUpdate1 Programmaktualisierung  (Online Update)"_qs,
            u"  Hilfe1 Morvane-Hilfe"_qs,
        };
        QCOMPARE(gebaut, erwartet);
    }

    void verweise_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QString>("ziel");
        const QString web = QStringLiteral("https://www.morvane.example");
        const QString mail = QStringLiteral("mailto:info@morvane.example");
        QTest::newRow("Menü Webseite") << "MorvaneWebseite1" << web;
        QTest::newRow("Infobox Webseite") << "Label4" << web;
        QTest::newRow("Menü E-Mail") << "FragenEMailFragenanMorvane1" << mail;
        QTest::newRow("Infobox E-Mail") << "Label2" << mail;
        // The help file is handed over without a look whether it exists.
        QTest::newRow("Hilfe") << "Hilfe1"
                               << QCoreApplication::applicationDirPath() + u"/RechnerHilfe.chm"_qs;
    }
    void verweise() {
        QFETCH(QString, weg);
        QFETCH(QString, ziel);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        Infofenster& info = r.fenster.infofenster;
        QVERIFY(bereit(r));
        if (auto* aktion = f.findChild<QAction*>(weg)) {
            aktion->trigger();
        } else {
            fenster::aktion(f, "Info2")->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(&info));
            QTest::mouseClick(info.findChild<QLabel*>(weg), Qt::LeftButton);
            QVERIFY(info.isVisible()); // the links leave the box open
        }
        QCOMPARE(r.shell.auftraege, QStringList{QStringLiteral("oeffnen ") + ziel});
    }

    void hinweisweg_data() {
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("nach");
        QTest::addColumn<QStringList>("folge");
        QTest::newRow("MC nach MR")
            << "MC"
            << "MR" << QStringList{u"Speicher löschen"_qs, {}, u"Speicherrückruf"_qs};
        QTest::newRow("AC nach CE")
            << "AC"
            << "CE" << QStringList{u"Alles löschen"_qs, {}, u"Letzten Wert löschen"_qs};
        QTest::newRow("M+ nach M-")
            << "M+"
            << "M-"
            << QStringList{
                   u"Wert zum Speicher addieren"_qs, {}, u"Wert vom Speicher subtrahieren"_qs};
        QTest::newRow("Datum nach AC")
            << "Datum"
            << "AC" << QStringList{u"Neues Datum setzen"_qs, {}, u"Alles löschen"_qs};
        QTest::newRow("M-Std nach M-Dez") << "M-Std"
                                          << "M-Dez"
                                          << QStringList{u"Umrechnung Minuten in Stunden"_qs,
                                                         {},
                                                         u"Umrechnung Minuten in Dezimalzahl"_qs};
        // Keys without a hint leave the emptied panel empty.
        QTest::newRow("(-) nach =")
            << "(-)"
            << "=" << QStringList{u"Wert umwandeln - pos. -neg.- pos."_qs, {}};
        QTest::newRow("AC über CE und % nach 9")
            << "AC"
            << "9" << QStringList{u"Alles löschen"_qs, {}, u"Letzten Wert löschen"_qs, {}};
    }
    void hinweisweg() {
        QFETCH(QString, von);
        QFETCH(QString, nach);
        QFETCH(QStringList, folge);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        QVERIFY(hinweis(f).isEmpty());
        QCOMPARE(hinweiseAufDemWeg(f, knopf(f, von), knopf(f, nach)), folge);
        QVERIFY(knopf(f, von)->toolTip().isEmpty());
    }

    // Frames, displays and the roll have no hint operation; the keypad body and the window's
    // free area empty the panel.
    void hinweisUeberAnderenFlaechen_data() {
        QTest::addColumn<QString>("flaeche");
        QTest::addColumn<bool>("bleibt");
        QTest::newRow("Rahmen") << "Rahmen" << true;
        QTest::newRow("Anzeige") << "Panel2" << true;
        QTest::newRow("Rolle") << "RichEdit1" << true;
        QTest::newRow("Statusleiste") << "Statusleiste" << true;
        QTest::newRow("Tastenfeld") << "Panel1" << false;
        QTest::newRow("Fenster") << "Fenster" << false;
    }
    void hinweisUeberAnderenFlaechen() {
        QFETCH(QString, flaeche);
        QFETCH(bool, bleibt);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        QVERIFY(bereit(r));
        QPushButton* ac = knopf(f, QStringLiteral("AC"));
        zeigerAuf(f, ac, ac->rect().center());
        QCOMPARE(hinweis(f), QStringLiteral("Alles löschen"));
        if (flaeche == QLatin1String("Rahmen")) {
            zeigerAuf(f, ac->parentWidget(), QPoint(2, 2));
        } else if (flaeche == QLatin1String("Statusleiste")) {
            zeigerAuf(f, f.statusBar(), QPoint(f.statusBar()->width() - 3, 3));
        } else if (flaeche == QLatin1String("Fenster")) {
            QWidget* zentrum = f.centralWidget();
            QPoint frei(-1, -1);
            for (int y = zentrum->height() - 1; y >= 0 && frei.y() < 0; --y)
                if (!zentrum->childAt(QPoint(1, y)))
                    frei = QPoint(1, y);
            if (frei.y() < 0)
                QSKIP("the keypad body covers the whole window");
            zeigerAuf(f, zentrum, frei);
        } else {
            QWidget* ziel = f.findChild<QWidget*>(flaeche);
            const QPoint ort =
                flaeche == QLatin1String("Panel1") ? QPoint(2, 2) : ziel->rect().center();
            QVERIFY(f.centralWidget()->childAt(ziel->mapTo(f.centralWidget(), ort)));
            zeigerAuf(f, ziel, ort);
        }
        QCOMPARE(hinweis(f), bleibt ? QStringLiteral("Alles löschen") : QString());
    }

    void infoboxZeigtProduktUndVersion() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        Infofenster& info = r.fenster.infofenster;
        QVERIFY(bereit(r));
        QVERIFY(!info.isVisible());
        aktion(f, "Info2")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QCOMPARE(info.windowTitle(), QStringLiteral("Infos"));
        QTRY_COMPARE(info.findChild<QLabel*>(QStringLiteral("Kont"))->text(),
                     QStringLiteral("Quorvendaltabulix ") + DateiVersion());
        QVERIFY(!info.findChild<QLabel*>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        // Modeless and without buttons in the title bar.
        QVERIFY(!info.isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!(info.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(info.windowFlags() & Qt::WindowSystemMenuHint));
    }

    void programmsymbolIstEingebaut() { QVERIFY(!programmsymbol().availableSizes().isEmpty()); }

    // Each activation writes the text again: coming back from the main window, and showing the
    // box again after OK.
    void jedeAktivierungSchreibtDenText() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        Infofenster& info = r.fenster.infofenster;
        QVERIFY(bereit(r));
        aktion(f, "Info2")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        const QString text = QStringLiteral("Quorvendaltabulix ") + DateiVersion();
        QTRY_COMPARE(info.findChild<QLabel*>(QStringLiteral("Kont"))->text(), text);
        info.findChild<QLabel*>(QStringLiteral("Kont"))->clear();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(info.isVisible()); // the main window stays usable beside the box
        info.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QTRY_COMPARE(info.findChild<QLabel*>(QStringLiteral("Kont"))->text(), text);
        QTest::mouseClick(info.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(!info.isVisible());
        info.findChild<QLabel*>(QStringLiteral("Kont"))->clear();
        aktion(f, "Info2")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QTRY_COMPARE(info.findChild<QLabel*>(QStringLiteral("Kont"))->text(), text);
    }

    void schliessenNurMitOkOderEnter_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("offen");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    }
    void schliessenNurMitOkOderEnter() {
        QFETCH(int, taste);
        QFETCH(bool, offen);
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        Infofenster& info = r.fenster.infofenster;
        QVERIFY(bereit(r));
        aktion(f, "Info2")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QTest::keyClick(info.windowHandle(), Qt::Key(taste));
        QCOMPARE(info.isVisible(), offen);
    }
};

QTEST_MAIN(TestMenueFenster)
#include "test_menue_fenster.moc"
