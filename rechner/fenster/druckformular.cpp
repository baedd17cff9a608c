#include "rechner/fenster/druckformular.h"

#include "common/fenster/ausfuehren.h"
#include "rechner/fenster/hauptfenster.h"

#include <QAction>
#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>

// Without a parent, as it has always been made: it is no window of its own.
Druckformular::Druckformular(Hauptfenster& hauptfenster) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Druck"));
    hauptfenster.beiMenuepunkt(Hauptfenster::Menuepunkt::Drucken, [this, &hauptfenster] {
        hauptfenster.ausfuehren([this, &hauptfenster] {
            m_bericht.fuellen(hauptfenster.modell());
            vorschau(&hauptfenster);
        });
    });
}

void Druckformular::vorschau(QWidget* eltern) {
    QPrinter drucker(QPrinter::HighResolution);
    Druckbericht::einrichten(drucker);
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setObjectName(QStringLiteral("Vorschau"));
    vorschau.setWindowTitle(QStringLiteral("Jahresbericht"));
    // The preview paints for the screen and again for the printer the user picks; a failure
    // there reaches the error box instead of unwinding through the preview.
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [this, &vorschau](QPrinter* ziel) {
                         ::ausfuehren(
                             &vorschau, [&] { m_bericht.ausgeben(*ziel); }, [] {});
                     });
    // Not modal: the main window stays usable while this command waits for the preview.
    vorschau.setWindowModality(Qt::NonModal);
    QEventLoop warten;
    QObject::connect(&vorschau, &QDialog::finished, &warten, &QEventLoop::quit);
    vorschau.show();
    warten.exec();
}
