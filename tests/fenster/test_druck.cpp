// The printed report: rendered to PDF and read back page by page with poppler's pdftotext, the
// print command of the main window with its preview, and the line breaking of the roll column.
#include "common/fehler.h"
#include "rechner/fenster/druckbericht.h"
#include "tests/fenster/fenster_hilfen.h"
#include "tests/hilfen/testrechner.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace fenster;

namespace {

constexpr qreal PunkteProMm = 72 / 25.4;

// One printed line as pdftotext finds it: its words joined by one blank and its box in points.
struct Zeile {
    QString text;
    QRectF box;
};
using Seite = QList<Zeile>;

Zeile wortAnhaengen(Zeile zeile, const QString& wort, const QRectF& box) {
    zeile.text = zeile.text.isEmpty() ? wort : zeile.text + u' ' + wort;
    zeile.box = zeile.box.isNull() ? box : zeile.box.united(box);
    return zeile;
}

// Reads the words of every page with their boxes and puts the words of one height together.
QList<Seite> pdfLesen(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, u"-"_qs});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression Marke(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Seite> seiten;
    for (const QRegularExpressionMatch& m : Marke.globalMatch(html)) {
        if (m.captured(0) == QLatin1String("<page ")) {
            seiten.append(Seite());
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        QString wort = m.captured(5);
        wort.replace(u"&amp;"_qs, u"&"_qs)
            .replace(u"&lt;"_qs, u"<"_qs)
            .replace(u"&gt;"_qs, u">"_qs);
        Seite& seite = seiten.last();
        if (!seite.isEmpty() && qAbs(seite.last().box.top() - box.top()) < 1)
            seite.last() = wortAnhaengen(seite.last(), wort, box);
        else
            seite.append(wortAnhaengen({}, wort, box));
    }
    return seiten;
}

// The report as the preview prints it to a PDF file.
QString pdfDrucken(const Druckbericht& bericht, const QTemporaryDir& ordner, int* seiten) {
    const QString pfad = ordner.filePath(QStringLiteral("rolle.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    Druckbericht::einrichten(drucker);
    drucker.setOutputFileName(pfad);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    *seiten = bericht.ausgeben(drucker);
    return pfad;
}

QStringList texte(const Seite& seite) {
    QStringList ergebnis;
    for (const Zeile& zeile : seite)
        ergebnis.append(zeile.text);
    return ergebnis;
}

// Roll lines as they come out of the PDF: words joined by one blank, empty lines not seen.
QStringList alsGedruckt(const QStringList& zeilen) {
    QStringList ergebnis;
    for (const QString& zeile : zeilen)
        if (!zeile.trimmed().isEmpty())
            ergebnis.append(zeile.simplified());
    return ergebnis;
}

QStringList rollenzeilen(int anzahl) {
    QStringList zeilen;
    for (int i = 1; i <= anzahl; ++i)
        zeilen.append(i % 7 == 0 ? QString() : QStringLiteral("+ %1,00 €  ").arg(i * 11));
    return zeilen;
}

} // namespace

class TestDruck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bericht_data() {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("rollenname");
        QTest::addColumn<int>("mindestSeiten");
        QTest::newRow("leere Rolle") << 0 << "Bäckerei Müller"
                                     << "Montag.KRO" << 1;
        QTest::newRow("eine Zeile") << 1 << "Kiosk & Co"
                                    << "" << 1;
        QTest::newRow("drei Seiten") << 150 << "Bäckerei Müller"
                                     << "Montag.KRO" << 3;
        QTest::newRow("ohne Firma") << 80 << ""
                                    << "Dienstag.KRO" << 2;
    }
    // Title block on the first page only, the roll lines in order below it and on the pages
    // after, right-aligned in their column, "Seite" and the number at the foot of every page.
    void bericht() {
        QFETCH(int, zeilen);
        QFETCH(QString, firma);
        QFETCH(QString, rollenname);
        QFETCH(int, mindestSeiten);
        Rolle rolle;
        rolle.ersetzen(rollenzeilen(zeilen));
        Druckbericht bericht;
        bericht.rolle = &rolle;
        bericht.firma = firma;
        bericht.uhrzeit = QStringLiteral("07.12.2026 22:40:15");
        bericht.titel = QStringLiteral("Registrierrolle ") + rollenname;
        QTemporaryDir ordner;
        int anzahl = 0;
        const QList<Seite> seiten = pdfLesen(pdfDrucken(bericht, ordner, &anzahl));
        QCOMPARE(seiten.size(), anzahl);
        QVERIFY(anzahl >= mindestSeiten);

        QStringList titel = {u"Erstellt am:"_qs, bericht.uhrzeit, bericht.firma,
                             bericht.titel.trimmed()};
        titel.removeAll(QString());
        QCOMPARE(texte(seiten[0]).mid(0, titel.size()), titel);
        QStringList gedruckt;
        for (int n = 0; n < anzahl; ++n) {
            const Seite& seite = seiten[n];
            QCOMPARE(seite.last().text, QStringLiteral("Seite%1").arg(n + 1));
            const int anfang = n == 0 ? titel.size() : 0;
            const Seite rollenteil = seite.mid(anfang, seite.size() - anfang - 1);
            gedruckt += texte(rollenteil);
            for (const Zeile& zeile : rollenteil)
                QVERIFY(!titel.contains(zeile.text) || zeile.text.isEmpty());
        }
        QCOMPARE(gedruckt, alsGedruckt(rolle.zeilen()));
    }

    // Positions in points on the page, measured back from the PDF.
    void lage() {
        Rolle rolle;
        rolle.ersetzen(rollenzeilen(150));
        Druckbericht bericht;
        bericht.rolle = &rolle;
        bericht.firma = QStringLiteral("Bäckerei Müller");
        bericht.uhrzeit = QStringLiteral("07.12.2026 22:40:15");
        bericht.titel = QStringLiteral("Registrierrolle Montag.KRO");
        QTemporaryDir ordner;
        int anzahl = 0;
        const QList<Seite> seiten = pdfLesen(pdfDrucken(bericht, ordner, &anzahl));
        QVERIFY(anzahl >= 3);
        const qreal mitte = (10 + 189.8 / 2) * PunkteProMm;
        const qreal spalteRechts = (10 + 33.9 + 82.2) * PunkteProMm;
        const qreal fussOben = (10 + 277 - 10.6) * PunkteProMm;
        // Company, title and page number are centred across the band.
        QVERIFY(qAbs(seiten[0][2].box.center().x() - mitte) < 1);
        QVERIFY(qAbs(seiten[0][3].box.center().x() - mitte) < 1);
        QVERIFY(seiten[0][0].box.left() > (10 + 155.6) * PunkteProMm - 1);
        qreal rechterRand = -1;
        for (int n = 0; n < anzahl; ++n) {
            const Seite& seite = seiten[n];
            QVERIFY(qAbs(seite.last().box.center().x() - mitte) < 1);
            QVERIFY(seite.last().box.top() >= fussOben);
            const int anfang = n == 0 ? 4 : 0;
            // The roll starts below the title block, on later pages right below the top margin.
            const qreal oben = n == 0 ? (10 + 41.3 + 2.8) * PunkteProMm : 10 * PunkteProMm;
            QVERIFY(seite[anfang].box.top() >= oben - 1);
            QVERIFY(seite[anfang].box.top() < oben + 5 * PunkteProMm);
            for (const Zeile& zeile : seite.mid(anfang, seite.size() - anfang - 1)) {
                QVERIFY(zeile.box.bottom() <= fussOben);
                // The same two trailing blanks end every line: one right edge for all.
                if (rechterRand < 0)
                    rechterRand = zeile.box.right();
                QVERIFY2(qAbs(zeile.box.right() - rechterRand) < 0.5, qPrintable(zeile.text));
            }
        }
        QVERIFY(rechterRand < spalteRechts);
        QVERIFY(rechterRand > spalteRechts - 3 * PunkteProMm);
        // The roll keeps the size of its view, 12 point; the page number has the 10 point of
        // the report.
        const qreal verhaeltnis = seiten[0][4].box.height() / seiten[0].last().box.height();
        QVERIFY2(qAbs(verhaeltnis - 1.2) < 0.05, qPrintable(QString::number(verhaeltnis)));
    }

    // A line wider than the column breaks at blanks and keeps every word in order.
    void langeZeileWirdUmbrochen() {
        QStringList woerter;
        for (int i = 0; i < 60; ++i)
            woerter.append(QStringLiteral("Wort%1").arg(i));
        Rolle rolle;
        rolle.ersetzen({woerter.join(u' ')});
        Druckbericht bericht;
        bericht.rolle = &rolle;
        bericht.titel = QStringLiteral("Registrierrolle ");
        QTemporaryDir ordner;
        int anzahl = 0;
        const QList<Seite> seiten = pdfLesen(pdfDrucken(bericht, ordner, &anzahl));
        QCOMPARE(anzahl, 1);
        // "Erstellt am:" and the title stand above the roll, the page number below it.
        const Seite rollenteil = seiten[0].mid(2, seiten[0].size() - 3);
        QVERIFY(rollenteil.size() > 1);
        QCOMPARE(texte(rollenteil).join(u' '), woerter.join(u' '));
        for (const Zeile& zeile : rollenteil)
            QVERIFY(zeile.box.left() >= (10 + 33.9) * PunkteProMm - 1);
    }

    // A company name of 40 wide letters without a blank still stays on the page.
    void langesWortImTitelBleibtAufDerSeite() {
        Rolle rolle;
        Druckbericht bericht;
        bericht.rolle = &rolle;
        bericht.firma = QString(40, u'W');
        bericht.titel = QStringLiteral("Registrierrolle ");
        QTemporaryDir ordner;
        int anzahl = 0;
        const QList<Seite> seiten = pdfLesen(pdfDrucken(bericht, ordner, &anzahl));
        QVERIFY(!seiten.isEmpty());
        QString firma;
        for (const Zeile& zeile : seiten[0]) {
            if (!zeile.text.startsWith(u'W'))
                continue;
            firma += zeile.text;
            QVERIFY(zeile.box.left() >= 10 * PunkteProMm - 1);
            QVERIFY(zeile.box.right() <= (210 - 10) * PunkteProMm + 1);
        }
        QCOMPARE(firma, QString(40, u'W'));
    }

    void umbrechen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<qreal>("breite");
        QTest::newRow("passt") << u"+ 12,00 €  "_qs << 200.0;
        QTest::newRow("Wörter") << u"eins zwei drei vier fünf sechs sieben acht neun"_qs << 60.0;
        QTest::newRow("Riesenwort") << QString(20000, u'x') << 80.0;
        QTest::newRow("Blanks") << QString(300, u' ') << 50.0;
        QTest::newRow("gemischt") << u"a "_qs + QString(500, u'9') + u" b c"_qs << 70.0;
    }
    // Every piece fits, no piece is empty, and the pieces joined give the line.
    void umbrechen() {
        QFETCH(QString, zeile);
        QFETCH(qreal, breite);
        QFont schrift(QStringLiteral("Arial"));
        schrift.setBold(true);
        const QFontMetricsF masse(schrift);
        const QStringList stuecke = ::umbrechen(zeile, masse, breite);
        QCOMPARE(stuecke.join(QString()), zeile);
        for (const QString& stueck : stuecke) {
            QVERIFY(!stueck.isEmpty());
            QVERIFY2(masse.horizontalAdvance(stueck) <= breite * 1.01 || stueck.size() == 1,
                     qPrintable(stueck.left(40)));
        }
    }

    void dateiNichtErstellbar() {
        Rolle rolle;
        Druckbericht bericht;
        bericht.rolle = &rolle;
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("fehlt/rolle.pdf"));
        QPrinter drucker(QPrinter::HighResolution);
        Druckbericht::einrichten(drucker);
        drucker.setOutputFileName(pfad);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        try {
            bericht.drucken(drucker);
            QFAIL("no error raised");
        } catch (const Fehler& fehler) {
            QCOMPARE(fehler.text(), Fehlertexte::dateiNichtErstellbar(pfad));
        }
    }

    // The menu command fills the report from the window at that moment and waits in the
    // preview, which leaves the main window usable and shows the pages a printer gets.
    void druckenUeberDieVorschau() {
        Testrechner r;
        Hauptfenster& f = r.hauptfenster;
        Druckformular& formular = r.fenster.druckformular;
        QVERIFY(bereit(r));
        r.w.Firmenname = QStringLiteral("Bäckerei Müller");
        f.modell().firmennameZeigen();
        f.modell().uhrtextSetzen(QStringLiteral("07.12.2026 22:40:15"));
        r.w.Rollenname = QStringLiteral("Montag.KRO");
        f.aktualisieren();
        f.modell().rolle().ersetzen(rollenzeilen(150));

        bool gesehen = false, modal = true;
        int vorschauSeiten = 0;
        QTimer wache;
        connect(&wache, &QTimer::timeout, &f, [&] {
            for (QWidget* fenster : QApplication::topLevelWidgets()) {
                auto* vorschau = qobject_cast<QPrintPreviewDialog*>(fenster);
                if (!vorschau || !vorschau->isVisible())
                    continue;
                gesehen = true;
                modal = vorschau->isModal() || QApplication::activeModalWidget();
                vorschauSeiten = vorschau->findChild<QPrintPreviewWidget*>()->pageCount();
                // The clock goes on; the report keeps the text of the moment of the command.
                f.modell().uhrtextSetzen(QStringLiteral("07.12.2026 22:40:16"));
                vorschau->close();
            }
        });
        wache.start(20);
        aktion(f, "Drucken2")->trigger();
        wache.stop();

        QVERIFY(gesehen);
        QVERIFY(!modal);
        QVERIFY(!formular.isVisible());
        const Druckbericht& bericht = formular.bericht();
        QCOMPARE(bericht.rolle, &f.modell().rolle());
        QCOMPARE(bericht.firma, QStringLiteral("Bäckerei Müller"));
        QCOMPARE(bericht.uhrzeit, QStringLiteral("07.12.2026 22:40:15"));
        QCOMPARE(bericht.titel, QStringLiteral("Registrierrolle Montag.KRO"));
        QTemporaryDir ordner;
        int gedruckt = 0;
        pdfDrucken(bericht, ordner, &gedruckt);
        QCOMPARE(vorschauSeiten, gedruckt);
        QCOMPARE(formular.windowTitle(), QStringLiteral("Druck"));
    }
};

QTEST_MAIN(TestDruck)
#include "test_druck.moc"
