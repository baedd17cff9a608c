// The updater's window during a run: close requests from outside, what the window shows while a
// download blocks it, and lines that wrap in the information and flag fields.
#include "common/zeilen.h"
#include "nivex/fenster/updatefenster.h"
#include "tests/nivex/nivexfenster_hilfen.h"
#include "tests/nivex/probewelt.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QWindow>
#include <QtTest>

namespace {

// Records the value a progress bar had when it was last painted.
class Malprotokoll : public QObject {
public:
    int wert = -1;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint)
            wert = static_cast<QProgressBar*>(objekt)->value();
        return false;
    }
};

// Where the field itself starts its displayed line `n` (from 0) of `text`, as an offset into
// the text with "\n" breaks; the field's own layout decides.
qsizetype zeilenanfang(QPlainTextEdit* feld, const QString& text, int n) {
    feld->setPlainText(text);
    QTextDocument* dokument = feld->document();
    int gezaehlt = 0;
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next()) {
        dokument->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout* zeilen = block.layout();
        for (int i = 0; i < zeilen->lineCount(); ++i, ++gezaehlt) {
            if (gezaehlt == n)
                return block.position() + zeilen->lineAt(i).textStart();
        }
    }
    return text.size();
}

enum class Stand { Bereit, Laedt, Installierbereit, Installiert };
enum class Weg { Fenstersystem, Programm, AlleFenster };

} // namespace

class TestNivexfensterLauf : public Nivexfenstertest {
    Q_OBJECT
    void veroeffentlichen(const QStringList& zeilen) {
        m_server.veroeffentlichen(QStringLiteral("Version.txt"), versionsdatei(zeilen));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_server.laeuft());
        m_server.veroeffentlichen(QStringLiteral("Rechner.zip"), "neues Programm");
        m_server.veroeffentlichen(QStringLiteral("RechnerHilfe.chm"), "neue Hilfe");
        QVERIFY(QDir(m_ordner.path()).mkdir(QStringLiteral("Temp")));
    }
    void init() {
        veroeffentlichen({"2150*", hilfezeile("--"), "frei", "Info"});
        m_boxen.emplace();
    }
    void cleanup() { m_boxen.reset(); }

    // A close request that is neither "Abbrechen" nor the end of the install step acts as
    // "Abbrechen": it ends the run while "Abbrechen" is enabled and does nothing otherwise; the
    // step under way then runs to its end.
    void schliessanforderung_data() {
        QTest::addColumn<Stand>("stand");
        QTest::addColumn<Weg>("weg");
        QTest::addColumn<bool>("endet");
        const std::pair<Stand, bool> staende[] = {{Stand::Bereit, true},
                                                  {Stand::Laedt, false},
                                                  {Stand::Installierbereit, true},
                                                  {Stand::Installiert, false}};
        const std::pair<Weg, const char*> wege[] = {{Weg::Fenstersystem, "Fenstersystem"},
                                                    {Weg::Programm, "Programm"},
                                                    {Weg::AlleFenster, "alle Fenster"}};
        for (auto [stand, endet] : staende) {
            for (auto [weg, name] : wege) {
                QTest::addRow("%s, Stand %d", name, int(stand)) << stand << weg << endet;
            }
        }
    }
    void schliessanforderung() {
        QFETCH(Stand, stand);
        QFETCH(Weg, weg);
        QFETCH(bool, endet);
        QFile::remove(m_ordner.filePath(QStringLiteral("Rechner.zip")));
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        if (stand != Stand::Bereit)
            QTest::mouseClick(feld<QPushButton>(*f, "BitBtn1"), Qt::LeftButton);
        if (stand >= Stand::Installierbereit) {
            ticks(*f, "Timer1", 6);
            ticks(*f, "Timer2", 4);
        }
        if (stand == Stand::Installiert)
            QTest::mouseClick(feld<QPushButton>(*f, "BitBtn2"), Qt::LeftButton);

        if (weg == Weg::Fenstersystem)
            f->windowHandle()->close(); // what the window manager's close request (Alt+F4) does
        else if (weg == Weg::Programm)
            f->close();
        else
            QApplication::closeAllWindows();
        QCOMPARE(f->isVisible(), !endet);
        QCOMPARE(f->modell().geschlossen(), endet);
        if (endet) {
            QVERIFY(welt.starts.isEmpty());
            return;
        }
        if (stand == Stand::Laedt) {
            ticks(*f, "Timer1", 6);
            QVERIFY(QFileInfo::exists(m_ordner.filePath(QStringLiteral("Rechner.zip"))));
        } else {
            ticks(*f, "Timer3", 8);
            QVERIFY(!f->isVisible());
            QCOMPARE(welt.starts, QStringList{m_ordner.filePath(QStringLiteral("Rechner"))});
        }
    }

    // The progress bar is painted with the value of the download under way before it blocks
    // the window; the buttons stay off and the status stays meanwhile.
    void fortschrittWaehrendDesDownloads() {
        veroeffentlichen({"2150*", hilfezeile("hi"), "frei", "Info"});
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        auto* balken = feld<QProgressBar>(*f, "ProgressBar1");
        Malprotokoll protokoll;
        balken->installEventFilter(&protokoll);
        QList<int> gemalt;
        QStringList knoepfeAn;
        welt.beimHerunterladen = [&](const QString&) {
            gemalt << protokoll.wert;
            for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3"}) {
                if (feld<QPushButton>(*f, name)->isEnabled())
                    knoepfeAn << QString::fromLatin1(name);
            }
            QCOMPARE(text(*f, "StatusPanel1"), QStringLiteral("Status: Download beginnt ...."));
        };
        QTest::mouseClick(feld<QPushButton>(*f, "BitBtn1"), Qt::LeftButton);
        ticks(*f, "Timer1", 6);
        QCOMPARE(gemalt, QList<int>({50, 80}));
        QVERIFY(knoepfeAn.isEmpty());
        QCOMPARE(balken->value(), 100);
    }

    // A line wider than a field takes several displayed lines there, and the fields drop
    // displayed lines: three in the information field, one in the flag field.
    void umbrocheneZeilen() {
        const QString zeile1 = QStringLiteral("2150* Fassung vom ersten Mai");
        QString zeile2 = hilfezeile(QStringLiteral("hi"));
        for (int i = 0; i < 30; ++i)
            zeile2 += QStringLiteral(" Wort%1").arg(i) + QStringLiteral(" mehr Text");
        const QStringList zeilen = {zeile1, zeile2, "frei", "Info"};
        veroeffentlichen(zeilen);
        Probewelt welt;
        auto f = fenster(welt);
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const QString information = text(*f, "Memo3");
        const QString flag = text(*f, "Memo4");

        const QString ganz = zeilen.join(u'\n');
        const qsizetype start = zeilenanfang(feld<QPlainTextEdit>(*f, "Memo3"), ganz, 3);
        QVERIFY(start > zeile1.size() + 1 && start < zeile1.size() + 1 + zeile2.size());
        QCOMPARE(information, ganz.mid(start));
        auto* flagfeld = feld<QPlainTextEdit>(*f, "Memo4");
        flagfeld->show();
        const qsizetype rest = zeilenanfang(flagfeld, ganz, 1);
        QVERIFY(rest < zeile1.size());
        QCOMPARE(flag, mitCrLf(ganz.mid(rest)).mid(18, 2));
        QVERIFY(flag != QStringLiteral("hi"));
    }
};

QTEST_MAIN(TestNivexfensterLauf)
#include "test_nivexfenster_lauf.moc"
