// The roll's file dialogs: titles, filter, the ".KRO" of a name typed without extension, the
// question before overwriting, and the open dialog that takes only an existing file.
#include "rechner/fenster/dialoge.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `tun` on the next modal window of type T once it shows, from the event loop of the
// dialog that is open then.
template <class T> void beimNaechsten(std::function<void(T*)> tun) {
    auto* uhr = new QTimer;
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, [uhr, tun] {
        if (auto* fenster = qobject_cast<T*>(QApplication::activeModalWidget())) {
            uhr->stop();
            uhr->deleteLater();
            tun(fenster);
        }
    });
    uhr->start();
}

// Types a file name into the dialog and presses its accept button.
void eingeben(QFileDialog* dialog, const QString& name) {
    auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(feld);
    feld->setText(name);
    QMetaObject::invokeMethod(dialog, "accept");
}

void kennzeichen(QFileDialog* dialog, const QString& titel) {
    QCOMPARE(dialog->windowTitle(), titel);
    QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Kassenrolle (*.KRO)")});
}

void datei(const QString& pfad) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestDateidialoge : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void speichernHaengtKroAn() {
        QTemporaryDir ordner;
        QtDialoge dialoge(nullptr);
        beimNaechsten<QFileDialog>([](QFileDialog* d) {
            kennzeichen(d, QStringLiteral("Daten speichern"));
            eingeben(d, QStringLiteral("Montag"));
        });
        const auto pfad = dialoge.speichernDialog(ordner.filePath(QStringLiteral("Alt.KRO")));
        QCOMPARE(pfad, std::optional<QString>(ordner.filePath(QStringLiteral("Montag.KRO"))));
    }

    void speichernFragtVorDemUeberschreiben_data() {
        QTest::addColumn<bool>("ersetzen");
        QTest::newRow("ja") << true;
        QTest::newRow("nein") << false;
    }
    void speichernFragtVorDemUeberschreiben() {
        QFETCH(bool, ersetzen);
        QTemporaryDir ordner;
        const QString montag = ordner.filePath(QStringLiteral("Montag.KRO"));
        datei(montag);
        QtDialoge dialoge(nullptr);
        bool gefragt = false;
        beimNaechsten<QFileDialog>([&](QFileDialog* d) {
            beimNaechsten<QMessageBox>([&](QMessageBox* frage) {
                gefragt = true;
                frage->button(ersetzen ? QMessageBox::Yes : QMessageBox::No)->click();
                if (!ersetzen)
                    QTimer::singleShot(0, d, &QDialog::reject);
            });
            eingeben(d, QStringLiteral("Montag.KRO"));
        });
        const auto pfad = dialoge.speichernDialog(montag);
        QVERIFY(gefragt);
        QCOMPARE(pfad, ersetzen ? std::optional<QString>(montag) : std::nullopt);
    }

    // Without a proposed name nothing is selected in the dialog, so the typed names decide.
    void oeffnenNimmtNurVorhandeneDateien() {
        QTemporaryDir ordner;
        const QString montag = ordner.filePath(QStringLiteral("Montag.KRO"));
        datei(montag);
        QtDialoge dialoge(nullptr);
        bool abgewiesen = false;
        beimNaechsten<QFileDialog>([&](QFileDialog* d) {
            kennzeichen(d, QStringLiteral("Datei öffnen"));
            beimNaechsten<QMessageBox>([&](QMessageBox* warnung) {
                abgewiesen = true;
                warnung->accept();
                QTimer::singleShot(0, d, [d, montag] { eingeben(d, montag); });
            });
            eingeben(d, ordner.filePath(QStringLiteral("Fehlt.KRO")));
        });
        const auto pfad = dialoge.oeffnenDialog(std::nullopt);
        QVERIFY(abgewiesen);
        QCOMPARE(pfad, std::optional<QString>(montag));
    }
};

QTEST_MAIN(TestDateidialoge)
#include "test_dateidialoge.moc"
