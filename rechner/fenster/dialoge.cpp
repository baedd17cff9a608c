#include "rechner/fenster/dialoge.h"

#include "common/fehler.h"

#include <QMessageBox>
#include <QPushButton>

void Fehlerbox(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Critical, Anwendungstitel, fehlerboxText(text), QMessageBox::Ok,
                    eltern);
    box.exec();
}

void Meldung(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Anwendungstitel, text, QMessageBox::Ok, eltern);
    box.exec();
}

Antwort Frage(QWidget* eltern, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text,
                    QMessageBox::NoButton, eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
    box.exec();
    if (box.clickedButton() == ja)
        return Antwort::Ja;
    if (box.clickedButton() == nein)
        return Antwort::Nein;
    return Antwort::Abgebrochen;
}
