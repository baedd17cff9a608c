// The report as a PDF file goes through the file door as a roll file does: staged beside the
// target and put in place whole, links followed only by the sticky-folder rule, also where the
// print preview hands over a printer set to a PDF file.
#include "common/fehler.h"
#include "rechner/fenster/druckbericht.h"
#include "tests/hilfen/dateibasis.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A printer as the preview hands it over after "Print to file".
void aufPdfDatei(QPrinter& drucker, const QString& pfad) {
    Druckbericht::einrichten(drucker);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad);
}

} // namespace

class TestPdfdatei : public QObject {
    Q_OBJECT

    Rolle m_rolle;
    Druckbericht m_bericht;

    // The error text, or empty.
    QString ausgeben(const QString& pfad, int* seiten = nullptr) {
        QPrinter drucker(QPrinter::HighResolution);
        aufPdfDatei(drucker, pfad);
        try {
            const int n = m_bericht.ausgeben(drucker);
            if (seiten)
                *seiten = n;
        } catch (const Fehler& fehler) {
            return fehler.text();
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase() {
        QStringList zeilen;
        for (int i = 1; i <= 150; ++i)
            zeilen << QStringLiteral("+ %1,00 €  ").arg(i);
        m_rolle.ersetzen(zeilen);
        m_bericht.rolle = &m_rolle;
        m_bericht.firma = QStringLiteral("Bäckerei Müller");
        m_bericht.titel = QStringLiteral("Registrierrolle Montag.KRO");
    }

    // The preview's printer set to a PDF file gets the report through the door, whole.
    void vorschauDruckerSchreibtGanzeDatei() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("rolle.pdf"));
        QVERIFY(dateiSchreiben(pfad, "alt"));
        int seiten = 0;
        QCOMPARE(ausgeben(pfad, &seiten), QString());
        QVERIFY(seiten >= 3);
        QVERIFY(dateiBytes(pfad).startsWith("%PDF-"));
        QVERIFY(dateiBytes(pfad).trimmed().endsWith("%%EOF"));
        QCOMPARE(eintraege(ordner.path()), QStringList{QStringLiteral("rolle.pdf")});
    }

    // A write that fails in the middle leaves the old file as it was and nothing beside it.
    void fehlschlagLaesstAlteDateiGanz() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("rolle.pdf"));
        QVERIFY(dateiSchreiben(pfad, "alt"));
        QString fehler;
        {
            Schreibgrenze grenze(2000);
            fehler = ausgeben(pfad);
        }
        QCOMPARE(fehler, Fehlertexte::dateiNichtErstellbar(pfad));
        QCOMPARE(dateiBytes(pfad), QByteArray("alt"));
        QCOMPARE(eintraege(ordner.path()), QStringList{QStringLiteral("rolle.pdf")});
    }

    // Another user's link in a sticky folder is refused, as it is for a roll file; the user's
    // own link there is followed.
    void verweisImGeteiltenOrdner_data() {
        QTest::addColumn<bool>("fremd");
        QTest::newRow("fremder Verweis") << true;
        QTest::newRow("eigener Verweis") << false;
    }
    void verweisImGeteiltenOrdner() {
        QFETCH(bool, fremd);
        QTemporaryDir basis;
        const QString geteilt = basis.filePath(QStringLiteral("geteilt"));
        const QString opfer = basis.filePath(QStringLiteral("opfer.pdf"));
        const QString verweis = geteilt + QStringLiteral("/rolle.pdf");
        QVERIFY(QDir(basis.path()).mkdir(QStringLiteral("geteilt")));
        QVERIFY(dateiSchreiben(opfer, "geheim"));
        QCOMPARE(::symlink("../opfer.pdf", QFile::encodeName(verweis).constData()), 0);
        if (fremd && !fremdemGeben(verweis))
            QSKIP("only root can give a link to another user");
        QCOMPARE(::chmod(QFile::encodeName(geteilt).constData(), 01777), 0);

        QString fehler;
        try {
            m_bericht.pdfSchreiben(verweis);
        } catch (const Fehler& f) {
            fehler = f.text();
        }
        QVERIFY(QFileInfo(verweis).isSymLink());
        QCOMPARE(eintraege(geteilt), QStringList{QStringLiteral("rolle.pdf")});
        if (fremd) {
            QCOMPARE(fehler, Fehlertexte::dateiNichtErstellbar(verweis));
            QCOMPARE(dateiBytes(opfer), QByteArray("geheim"));
        } else {
            QCOMPARE(fehler, QString());
            QVERIFY(dateiBytes(opfer).startsWith("%PDF-"));
        }
    }
};

QTEST_MAIN(TestPdfdatei)
#include "test_pdfdatei.moc"
