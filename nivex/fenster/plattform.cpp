#include "nivex/fenster/plattform.h"

#include "common/web.h"
#include "nivex/kern/updatemodell.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>

QString NivexPlattform::abrufen(const QString& url) {
    return Open_Internet(url);
}

bool NivexPlattform::herunterladen(const QString& url, const QString& zielPfad) {
    return ::herunterladen(url, zielPfad);
}

QString NivexPlattform::zwischenablage() const {
    return QGuiApplication::clipboard()->text();
}

void NivexPlattform::meldung(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Nivextexte::Titel, text, QMessageBox::Ok, m_eltern);
    box.exec();
}

void NivexPlattform::starten(const QString& programm) {
    QProcess::startDetached(programm, {});
}
