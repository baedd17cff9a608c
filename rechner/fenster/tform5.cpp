#include "rechner/fenster/tform5.h"

#include "common/fehler.h"
#include "rechner/fenster/dialoge.h"

#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>

TForm5::TForm5(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Druck"));
}

void TForm5::Vorschau(QWidget* eltern) {
    QPrinter drucker(QPrinter::HighResolution);
    Druckbericht::einrichten(drucker);
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setObjectName(QStringLiteral("Vorschau"));
    vorschau.setWindowTitle(QStringLiteral("Jahresbericht"));
    // The preview paints for the screen and again for the printer the user picks; a failure
    // there reaches the error box instead of unwinding through the preview.
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [this, &vorschau](QPrinter* ziel) {
                         try {
                             QuickRep8.drucken(*ziel);
                         } catch (const Fehler& fehler) {
                             Fehlerbox(&vorschau, fehler.text());
                         }
                     });
    // Not modal: the main window stays usable while this command waits for the preview.
    vorschau.setWindowModality(Qt::NonModal);
    QEventLoop warten;
    QObject::connect(&vorschau, &QDialog::finished, &warten, &QEventLoop::quit);
    vorschau.show();
    warten.exec();
}
