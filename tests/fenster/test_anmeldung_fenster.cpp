// The main window, the administration window and the PIN window together, offscreen: first
// start after the installation, registering an operator, signing in and out, the close request.
#include "common/fehler.h"
#include "rechner/rollenfeld/rolleneditor.h"
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/boxrekorder.h"
#include "tests/hilfen/testrechner.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The windows as the program block makes them, over a fresh data folder.
struct Programmlauf {
    Programmlauf() { qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path())); }
    QString ordner() const { return daten.path() + QStringLiteral("/Morvane/Rechner/"); }
    template <typename T> T* in(QWidget& fenster, const char* name) {
        return fenster.findChild<T*>(QString::fromLatin1(name));
    }
    // The main roll the main window's view shows.
    QStringList rolle() { return f1.modell().rolle().zeilen(); }

    QTemporaryDir daten;
    Testrechner rechner;
    Hauptfenster& f1 = rechner.hauptfenster;
    Verwaltungsfenster& f2 = rechner.fenster.verwaltungsfenster;
    PinFenster& f3 = rechner.fenster.pinFenster;
    SkriptDialoge& dialoge = rechner.dialoge;
    Programmwerte& werte = rechner.w;
    Boxrekorder boxen;
};

const QString Trenn = QStringLiteral("------------------------------  ");

} // namespace

class TestAnmeldungFenster : public QObject {
    Q_OBJECT

private:
    // Starts as the program block does after scripts/installieren ran on an empty data folder.
    static void installiertStarten(Programmlauf& p) {
        QProcess skript;
        skript.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        skript.start(QStringLiteral("bash"), {QStringLiteral(QUELLORDNER "/scripts/installieren")});
        QVERIFY(skript.waitForFinished());
        QCOMPARE(skript.exitCode(), 0);
        p.f1.starten();
        p.f1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.f1));
    }

    // Registers one operator through the administration window and leaves it.
    static void registrieren(Programmlauf& p, const QString& pin, const QString& name) {
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        QVERIFY(p.f2.isVisible());
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit3"), QStringLiteral("5739041"));
        QCOMPARE(p.in<QLineEdit>(p.f2, "Edit3")->text(), QStringLiteral("573904"));
        QVERIFY(!p.in<QPlainTextEdit>(p.f2, "Memo1")->isHidden());
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit2"), pin);
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit1"), name);
        QTest::keyClick(p.in<QLineEdit>(p.f2, "Edit1"), Qt::Key_Return);
        QTest::mouseClick(p.in<QPushButton>(p.f2, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!p.f2.isVisible());
    }

    static void pinTippen(Programmlauf& p, QAction* menuepunkt, const QString& pin) {
        menuepunkt->trigger();
        QVERIFY(p.f3.isVisible());
        QTest::keyClicks(p.in<QLineEdit>(p.f3, "Edit1"), pin);
    }

private Q_SLOTS:
    // The boxes are captioned with the title the program block sets.
    void initTestCase() { QCoreApplication::setApplicationName(anwendungstitel()); }

    // The installation lets the first start run without an error box, and closing writes the
    // roll into the automatic roll file.
    void ersterStartNachDerInstallation() {
        Programmlauf p;
        installiertStarten(p);
        QCOMPARE(p.boxen.abholen(), QList<Box>());
        QCOMPARE(p.dialoge.protokoll, QStringList());
        QCOMPARE(p.f1.windowTitle(), QStringLiteral("Quorvendaltabulix"));
        // Centred up to the window frame, which is unknown before the window is shown.
        const QPoint abstand =
            p.f1.frameGeometry().center() - p.f1.screen()->availableGeometry().center();
        QVERIFY2(abstand.manhattanLength() <= 8, qPrintable(QString::number(abstand.x())));
        QVERIFY(p.in<QLabel>(p.f1, "Panel3")->isHidden());
        QVERIFY(fenster::aktion(p.f1, "Drucken2")->isEnabled());
        QVERIFY(!fenster::aktion(p.f1, "Anmelden1")->isEnabled());
        fenster::klicke(p.f1, QStringLiteral("1 2 + 5 ="));
        QVERIFY(p.f1.close());
        QFile rolle(p.ordner() + QStringLiteral("Registrierrolle.KRO"));
        QVERIFY(rolle.open(QIODevice::ReadOnly));
        QVERIFY(rolle.readAll().startsWith("{\\rtf"));
    }

    // "Nein" to the save question ends without saving: the window closes at once, and the roll
    // counts as saved.
    void neinZurSpeicherfrageBeendet() {
        Programmlauf p;
        installiertStarten(p);
        p.werte.AutopfadText = QStringLiteral("False");
        p.dialoge.antworten = {Dialoge::Antwort::Nein};
        QVERIFY(p.f1.close());
        QVERIFY(!p.f1.isVisible());
        QCOMPARE(p.dialoge.fragen(),
                 QStringList{QStringLiteral("Achtung, Sie haben Ihre Daten noch nicht gespeichert! "
                                            "Jetzt speichern ?")});
        QVERIFY(p.werte.RolleGespeichert);
        QFile rolle(p.ordner() + QStringLiteral("Registrierrolle.KRO"));
        QCOMPARE(rolle.size(), 0);
    }

    // The close request of the real window remembers that start-up could not read the automatic
    // roll: the save dialog comes (cancelled here) and the file stays as it was.
    void unlesbareAutomatischeRolleBleibtBeimSchliessen() {
        Programmlauf p;
        QProcess skript;
        skript.start(QStringLiteral("bash"), {QStringLiteral(QUELLORDNER "/scripts/installieren")});
        QVERIFY(skript.waitForFinished());
        const QByteArray beschaedigt("{\\rtf1 12,00 \\'80\\par = 1");
        QFile rolle(p.ordner() + QStringLiteral("Registrierrolle.KRO"));
        QVERIFY(rolle.open(QIODevice::WriteOnly));
        rolle.write(beschaedigt);
        rolle.close();
        p.f1.starten();
        p.f1.show();
        QCOMPARE(p.boxen.abholen(),
                 QList<Box>{fehlerbox(fehlerboxText(Fehlertexte::FehlerBeimLaden))});
        p.dialoge.dateien.push_back(std::nullopt);
        QVERIFY(p.f1.close());
        QCOMPARE(p.boxen.abholen(), QList<Box>());
        QVERIFY(rolle.open(QIODevice::ReadOnly));
        QCOMPARE(rolle.readAll(), beschaedigt);
    }

    // The installation leaves existing files as they are.
    void installationLaesstVorhandenesStehen() {
        Programmlauf p;
        QDir().mkpath(p.ordner());
        QFile einstellungen(p.ordner() + QStringLiteral("AUTMV.txt"));
        QVERIFY(einstellungen.open(QIODevice::WriteOnly));
        einstellungen.write("False\r\n\r\n3\r\n2\r\n2\r\nEigen\r\n");
        einstellungen.close();
        QProcess skript;
        skript.start(QStringLiteral("bash"), {QStringLiteral(QUELLORDNER "/scripts/installieren")});
        QVERIFY(skript.waitForFinished());
        QVERIFY(einstellungen.open(QIODevice::ReadOnly));
        QCOMPARE(einstellungen.readAll(), QByteArray("False\r\n\r\n3\r\n2\r\n2\r\nEigen\r\n"));
        QVERIFY(!QFile::exists(p.ordner() + QStringLiteral("Registrierrolle.KRO")));
        QFile nutzer(p.ordner() + QStringLiteral("KRAMV.txt"));
        QVERIFY(nutzer.open(QIODevice::ReadOnly));
        QCOMPARE(nutzer.size(), 0);
    }

    void anmeldenUndAbmeldenUeberDieFenster() {
        Programmlauf p;
        installiertStarten(p);
        p.werte.OhneAnmeldung = Programmwerte::AnmeldungEin; // as if the settings required it
        registrieren(p, QStringLiteral("1234"), QStringLiteral("kasse eins"));
        QCOMPARE(p.f2.modell().nutzerliste(), QStringLiteral("1234  KASSE EINS\r\n"));
        QVERIFY(fenster::aktion(p.f1, "Anmelden1")->isEnabled());
        QVERIFY(!p.in<QLabel>(p.f1, "Panel3")->isHidden());
        const qsizetype vorher = p.rolle().size();

        pinTippen(p, fenster::aktion(p.f1, "Anmelden1"), QStringLiteral("1234"));
        QCOMPARE(p.f3.windowTitle(), QStringLiteral("Anmelden"));
        QCOMPARE(p.in<QLabel>(p.f3, "Label2")->text(), QStringLiteral("OK"));
        const QString uhr = p.f1.modell().uhrText() + QStringLiteral("  ");
        QCOMPARE(p.rolle().mid(vorher), (QStringList{Trenn, uhr, QStringLiteral("ANGEMELDET  "),
                                                     QStringLiteral(" KASSE EINS  "), Trenn}));
        QVERIFY(fenster::aktion(p.f1, "Abmelden1")->isEnabled());
        QVERIFY(!fenster::aktion(p.f1, "Anmelden1")->isEnabled());
        QVERIFY(!fenster::aktion(p.f1, "Registrieren1")->isEnabled());
        QVERIFY(p.in<QLabel>(p.f1, "Panel3")->isHidden());
        const auto* schliesstimer = p.f3.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(schliesstimer && schliesstimer->isActive());
        p.f3.schliessZeitgeberTick();
        QVERIFY(!p.f3.isVisible());

        // Signed in, the close is refused with the error box and the window stays.
        QVERIFY(!p.f1.close());
        QCOMPARE(p.boxen.abholen(),
                 QList<Box>{fehlerbox(fehlerboxText(QStringLiteral(
                     "Sie müssen sich erst abmelden, um das Programm zu schließen!")))});
        QVERIFY(p.f1.isVisible());

        const qsizetype angemeldet = p.rolle().size();
        pinTippen(p, fenster::aktion(p.f1, "Abmelden1"), QStringLiteral("1234"));
        QCOMPARE(p.f3.windowTitle(), QStringLiteral("Abmelden"));
        QCOMPARE(p.rolle().mid(angemeldet),
                 (QStringList{Trenn, p.f1.modell().uhrText() + QStringLiteral("  "), QString(),
                              QStringLiteral("Gesamtumsatz: 0,00   €"), QString(),
                              QStringLiteral("ABGEMELDET  "), QString(),
                              QStringLiteral(" KASSE EINS  "), Trenn}));
        QVERIFY(!fenster::aktion(p.f1, "Abmelden1")->isEnabled());
        QVERIFY(fenster::aktion(p.f1, "Anmelden1")->isEnabled());
        QVERIFY(!p.in<QLabel>(p.f3, "Label2")->text().isEmpty());
    }

    // Each showing locks the window again: the list and the buttons are out of reach.
    void verwaltungSperrtBeiJedemZeigen() {
        Programmlauf p;
        installiertStarten(p);
        registrieren(p, QStringLiteral("1"), QStringLiteral("a"));
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        QCOMPARE(p.in<QTabWidget>(p.f2, "PageControl1")->currentIndex(), 0);
        QVERIFY(p.in<QPlainTextEdit>(p.f2, "Memo1")->isHidden());
        QVERIFY(!p.in<QPushButton>(p.f2, "BitBtn2")->isEnabled());
        QVERIFY(!p.in<QWidget>(p.f2, "RichEdit1")->isEnabled());
        QVERIFY(p.in<QPushButton>(p.f2, "BitBtn1")->isEnabled());
        QCOMPARE(p.in<QLineEdit>(p.f2, "Edit3")->echoMode(), QLineEdit::Password);
    }

    void pinFeldMaskiertUndGross() {
        Programmlauf p;
        installiertStarten(p);
        p.f1.modell().nachAbmeldung();
        p.f1.aktualisieren();
        pinTippen(p, fenster::aktion(p.f1, "Anmelden1"), QStringLiteral("ab12x"));
        auto* feld = p.in<QLineEdit>(p.f3, "Edit1");
        QCOMPARE(feld->text(), QStringLiteral("AB12"));
        QCOMPARE(feld->echoMode(), QLineEdit::Password);
        QTest::keyClick(feld, Qt::Key_Escape);
        QVERIFY(!p.f3.isVisible());
    }

    // The roll copy takes hand edits once the window is unlocked, and they reach the main roll
    // when the window is left.
    void handeingabeInDerRollenkopie() {
        Programmlauf p;
        installiertStarten(p);
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        auto* kopie = p.in<RollenEditor>(p.f2, "RichEdit1");
        QTest::keyClicks(kopie, QStringLiteral("gesperrt"));
        QCOMPARE(p.f2.modell().rollenkopie().zeilen(), QStringList());
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit3"), QStringLiteral("573904"));
        kopie->setFocus();
        QTest::keyClicks(kopie, QStringLiteral("Notiz"));
        QTest::keyClick(kopie, Qt::Key_Return);
        QTest::keyClicks(kopie, QStringLiteral("zwei"));
        QCOMPARE(p.f2.modell().rollenkopie().zeilen(),
                 (QStringList{QStringLiteral("Notiz"), QStringLiteral("zwei")}));
        QTest::mouseClick(p.in<QPushButton>(p.f2, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(p.rolle(), (QStringList{QStringLiteral("Notiz"), QStringLiteral("zwei")}));
    }

    // A hand edit keeps the no-break spaces that other lines of the roll hold.
    void handeingabeBehaeltGeschuetzteBlanks() {
        Programmlauf p;
        installiertStarten(p);
        const QString geschuetzt = QStringLiteral("1\u00A0000,00 €  ");
        p.f1.modell().rolle().ersetzen({geschuetzt});
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit3"), QStringLiteral("573904"));
        p.in<QTabWidget>(p.f2, "PageControl1")->setCurrentWidget(p.in<QWidget>(p.f2, "TabSheet4"));
        auto* kopie = p.in<RollenEditor>(p.f2, "RichEdit1");
        kopie->setFocus();
        QTest::keyClick(kopie, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(kopie, Qt::Key_Return);
        QTest::keyClicks(kopie, QStringLiteral("x"));
        QCOMPARE(p.f2.modell().rollenkopie().zeilen(),
                 (QStringList{geschuetzt, QStringLiteral("x")}));
    }

    // Lines typed on the main keypad while the administration window is open show in the roll
    // copy at once and are still on the roll after the window is left through its button.
    void zeilenWaehrendDerVerwaltungBleiben() {
        Programmlauf p;
        installiertStarten(p);
        p.f1.modell().rolle().ersetzen({QStringLiteral("vorher")});
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit3"), QStringLiteral("573904"));
        p.in<QTabWidget>(p.f2, "PageControl1")->setCurrentWidget(p.in<QWidget>(p.f2, "TabSheet4"));
        fenster::klicke(p.f1, QStringLiteral("4 + 4 ="));
        const QStringList erwartet{QStringLiteral("vorher"), QStringLiteral("4,00 €  "),
                                   QStringLiteral("+ 4,00 €  "), QStringLiteral("= 8,00 €  "),
                                   QString()};
        QCOMPARE(p.f2.modell().rollenkopie().zeilen(), erwartet);
        auto* kopie = p.in<RollenEditor>(p.f2, "RichEdit1");
        QTRY_VERIFY(!kopie->zeilenfeld(erwartet.size() - 1).isEmpty());
        QTest::mouseClick(p.in<QPushButton>(p.f2, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!p.f2.isVisible());
        QCOMPARE(p.rolle(), erwartet);
    }

    void pinAbdeckungPerMausklick() {
        Programmlauf p;
        installiertStarten(p);
        fenster::aktion(p.f1, "Registrieren1")->trigger();
        QTest::keyClicks(p.in<QLineEdit>(p.f2, "Edit3"), QStringLiteral("573904"));
        auto* deckel = p.in<QLabel>(p.f2, "Panel1");
        QCOMPARE(deckel->geometry(), QRect(328, 24, 41, 267));
        QTest::mouseClick(deckel, Qt::LeftButton);
        QCOMPARE(deckel->geometry(), QRect(328, 256, 41, 35));
        // A double click is two presses: the second arrives as the double-click event.
        QTest::mouseClick(deckel, Qt::LeftButton);
        QTest::mouseDClick(deckel, Qt::LeftButton);
        QCOMPARE(deckel->geometry(), QRect(328, 256, 41, 35));
    }
};

QTEST_MAIN(TestAnmeldungFenster)
#include "test_anmeldung_fenster.moc"
