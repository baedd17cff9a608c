#include "rechner/fenster/plattform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

void QtShell::oeffnen(const QString& ziel) {
    const QUrl adresse =
        ziel.contains(QStringLiteral("://")) || ziel.startsWith(QStringLiteral("mailto:"))
            ? QUrl(ziel)
            : QUrl::fromLocalFile(ziel);
    QDesktopServices::openUrl(adresse);
}

void QtShell::starten(const QString& programm) {
    QProcess::startDetached(programm, {});
}

void QtZwischenablage::setzen(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtZwischenablage::text() const {
    return QGuiApplication::clipboard()->text();
}
