// The updater's window offscreen: fields at their places, the pictures, the activation, a run
// driven tick by tick, and the keys Escape and Enter.
#include "nivex/fenster/plattform.h"
#include "nivex/fenster/updatefenster.h"
#include "tests/nivex/nivexfenster_hilfen.h"
#include "tests/nivex/probewelt.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The window's real outside world, with a clipboard and a program start of the test's own.
class Testplattform : public NivexPlattform {
public:
    QString ablage;
    QStringList starts;
    QString zwischenablage() const override { return ablage; }
    void starten(const QString& programm) override { starts << programm; }
};

} // namespace

class TestNivexfenster : public Nivexfenstertest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // The caption of the boxes, as the program block sets it.
        QCoreApplication::setApplicationName(Nivextexte::Titel);
        QVERIFY(m_server.laeuft());
        m_server.veroeffentlichen(QStringLiteral("Version.txt"),
                                  versionsdatei({"2150*", hilfezeile("--"), "frei", "Info"}));
        m_server.veroeffentlichen(QStringLiteral("Rechner.zip"), "neues Programm");
    }

    void init() { m_boxen.emplace(); }
    void cleanup() { m_boxen.reset(); }

    void felderAnIhremPlatz_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("ort");
        QTest::addColumn<QColor>("farbe");
        const QColor creme(255, 251, 240), keine;
        QTest::newRow("Image1") << "Image1" << QRect(8, 8, 473, 73) << keine;
        QTest::newRow("Memo1") << "Memo1" << QRect(8, 112, 505, 41) << creme;
        QTest::newRow("Memo5") << "Memo5" << QRect(8, 184, 177, 41) << QColor(192, 192, 192);
        QTest::newRow("Memo2") << "Memo2" << QRect(8, 232, 177, 41) << QColor(192, 220, 192);
        QTest::newRow("Memo3") << "Memo3" << QRect(192, 184, 409, 129) << creme;
        QTest::newRow("Memo4") << "Memo4" << QRect(344, 122, 65, 25) << keine;
        QTest::newRow("Shape1") << "Shape1" << QRect(520, 8, 241, 57) << keine;
        QTest::newRow("ProgressBar1") << "ProgressBar1" << QRect(520, 72, 241, 12) << keine;
        QTest::newRow("Shape2") << "Shape2" << QRect(520, 96, 241, 57) << keine;
        QTest::newRow("ProgressBar2") << "ProgressBar2" << QRect(520, 160, 241, 12) << keine;
        QTest::newRow("BitBtn1") << "BitBtn1" << QRect(608, 184, 153, 25) << keine;
        QTest::newRow("BitBtn2") << "BitBtn2" << QRect(608, 236, 153, 25) << keine;
        QTest::newRow("BitBtn3") << "BitBtn3" << QRect(608, 288, 153, 24) << keine;
        QTest::newRow("Image2") << "Image2" << QRect(8, 280, 49, 41) << keine;
    }
    void felderAnIhremPlatz() {
        QFETCH(QString, name);
        QFETCH(QRect, ort);
        QFETCH(QColor, farbe);
        Probewelt welt;
        Updatefenster f(welt, m_server.basisadresse(), QStringLiteral("/p/"));
        auto* widget = f.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), ort);
        if (farbe.isValid())
            QCOMPARE(widget->palette().color(QPalette::Base), farbe);
    }

    void fensterUndBilder() {
        Probewelt welt;
        Updatefenster f(welt, m_server.basisadresse(), QStringLiteral("/p/"));
        QCOMPARE(f.windowTitle(),
                 QStringLiteral("     + + + Eine neue Version ist für Sie verfügbar ! + + +"));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(f.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(f.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                     Qt::WindowMinMaxButtonsHint)));
        QVERIFY(feld<QPlainTextEdit>(f, "Memo4")->isHidden());
        // Both pictures come from the program file and decode through the JPEG plugin.
        QCOMPARE(feld<QLabel>(f, "Image1")->pixmap().size(), QSize(473, 73));
        QVERIFY(!feld<QLabel>(f, "Image2")->pixmap().isNull());
        QCOMPARE(text(f, "Memo1"), QStringLiteral("/p/"));
        QCOMPARE(text(f, "StatusPanel1"), Nivextexte::Bereit);
    }

    void ablaufBisZumNeustart() {
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QCOMPARE(text(*f, "Memo5"), QStringLiteral("Aktuelle Version: 2.1.4.0"));
        QCOMPARE(text(*f, "Memo2"), QStringLiteral("Neuere Version: 2.1.5.0"));
        QCOMPARE(text(*f, "Memo3"), QStringLiteral("Info"));
        QCOMPARE(f->palette().color(QPalette::Window), QColor(251, 230, 191));

        QTest::mouseClick(feld<QPushButton>(*f, "BitBtn1"), Qt::LeftButton);
        QVERIFY(!feld<QPushButton>(*f, "BitBtn3")->isEnabled());
        QVERIFY(feld<QTimer>(*f, "Timer1")->isActive());
        ticks(*f, "Timer1", 6);
        QCOMPARE(feld<QProgressBar>(*f, "ProgressBar1")->value(), 100);
        ticks(*f, "Timer2", 4);
        QCOMPARE(text(*f, "StatusPanel1"), Nivextexte::Fortfahren);
        QVERIFY(feld<QPushButton>(*f, "BitBtn2")->isEnabled());

        QTest::mouseClick(feld<QPushButton>(*f, "BitBtn2"), Qt::LeftButton);
        ticks(*f, "Timer3", 4);
        QCOMPARE(text(*f, "Memo5"), QStringLiteral("Aktualisierte Version 2.1.5.0"));
        QCOMPARE(feld<QProgressBar>(*f, "ProgressBar2")->value(), 60);
        ticks(*f, "Timer3", 4);
        QVERIFY(!f->isVisible());
        QCOMPARE(welt.starts, QStringList{m_ordner.path() + QStringLiteral("/Rechner")});
    }

    void tasten_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("imTextfeld");
        QTest::addColumn<bool>("herunterladen"); // "Herunterladen" pressed before
        QTest::addColumn<bool>("offen");
        QTest::addColumn<bool>("laedt");
        QTest::newRow("Escape bereit") << int(Qt::Key_Escape) << false << false << false << false;
        QTest::newRow("Escape im Feld") << int(Qt::Key_Escape) << true << false << true << false;
        QTest::newRow("Escape gesperrt") << int(Qt::Key_Escape) << false << true << true << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << false << false << true << true;
        QTest::newRow("Enter im Feld") << int(Qt::Key_Return) << true << false << true << false;
    }
    void tasten() {
        QFETCH(int, taste);
        QFETCH(bool, imTextfeld);
        QFETCH(bool, herunterladen);
        QFETCH(bool, offen);
        QFETCH(bool, laedt);
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        if (herunterladen)
            QTest::mouseClick(feld<QPushButton>(*f, "BitBtn1"), Qt::LeftButton);
        auto* memo = feld<QPlainTextEdit>(*f, "Memo1");
        if (imTextfeld)
            memo->setFocus();
        else if (QWidget* fokus = f->focusWidget())
            fokus->clearFocus();
        QTest::keyClick(imTextfeld ? static_cast<QWidget*>(memo) : f.get(), Qt::Key(taste));
        QCOMPARE(f->isVisible(), offen);
        QCOMPARE(feld<QTimer>(*f, "Timer1")->isActive(), laedt);
    }

    // Tab and Shift+Tab leave the text fields along the tab order instead of typing a tab.
    void tabVerlaesstTextfeld() {
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        const QStringList reihe{"Memo1", "Memo5", "Memo2", "Memo3", "BitBtn1"};
        feld<QWidget>(*f, "Memo1")->setFocus();
        for (const QString& name : reihe.sliced(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
        for (qsizetype i = reihe.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), reihe[i]);
        }
    }

    // After the download, pressed with the mouse, the keys act on the buttons again: the focus
    // stays with the window, not in a text field.
    void tastenNachDemHerunterladen_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("offen");
        QTest::addColumn<bool>("installiert");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true << true;
    }
    void tastenNachDemHerunterladen() {
        QFETCH(int, taste);
        QFETCH(bool, offen);
        QFETCH(bool, installiert);
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::mouseClick(feld<QPushButton>(*f, "BitBtn1"), Qt::LeftButton);
        ticks(*f, "Timer1", 6);
        ticks(*f, "Timer2", 4);
        QWidget* fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : f.get(), Qt::Key(taste));
        QCOMPARE(f->isVisible(), offen);
        QCOMPARE(feld<QTimer>(*f, "Timer3")->isActive(), installiert);
    }

    // A download that fails shows "Download abgebrochen" in a plain box captioned "Nivex" over
    // the window, during the download tick; the step then goes on as after a download.
    void downloadAbgebrochen() {
        Testplattform welt;
        welt.ablage = QStringLiteral("Aktuelle Version: 2.1.4.0");
        Updatefenster f(welt, m_server.basisadresse(), m_ordner.path() + u'/');
        welt.setzeEltern(&f);
        f.show();
        feld<QPlainTextEdit>(f, "Memo1")->setPlainText(m_ordner.filePath(QStringLiteral("fehlt/")));
        QTest::mouseClick(feld<QPushButton>(f, "BitBtn1"), Qt::LeftButton);
        ticks(f, "Timer1", 5);
        QCOMPARE(m_boxen->abholen(), QList<Box>{});
        ticks(f, "Timer1", 1);
        const Box abgebrochen{Box::Art::Meldung, QStringLiteral("Nivex"),
                              QStringLiteral("Download abgebrochen")};
        QCOMPARE(m_boxen->abholen(), QList<Box>{abgebrochen});
        QVERIFY(feld<QTimer>(f, "Timer2")->isActive());
        ticks(f, "Timer2", 4);
        QVERIFY(feld<QPushButton>(f, "BitBtn2")->isEnabled());
    }

    // The fields are filled when the window is shown, before any activation arrives.
    void gezeigtIstGefuellt() {
        Probewelt welt;
        welt.ablage = QStringLiteral("Aktuelle Version: 2.1.4.0");
        Updatefenster f(welt, m_server.basisadresse(), m_ordner.path() + u'/');
        f.show();
        QCOMPARE(text(f, "Memo5"), QStringLiteral("Aktuelle Version: 2.1.4.0"));
        QCOMPARE(text(f, "Memo2"), QStringLiteral("Neuere Version: 2.1.5.0"));
    }
};

QTEST_MAIN(TestNivexfenster)
#include "test_nivexfenster.moc"
