#include "nivex/fenster/plattform.h"

#include "common/fenster/boxen.h"
#include "common/web.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

QString NivexPlattform::abrufen(const QString& url) {
    return Open_Internet(url);
}

bool NivexPlattform::herunterladen(const QString& url, Ablagedatei& datei) {
    return ::herunterladen(url, datei);
}

QString NivexPlattform::zwischenablage() const {
    return QGuiApplication::clipboard()->text();
}

void NivexPlattform::meldung(const QString& text) {
    meldungsboxZeigen(m_eltern, text);
}

void NivexPlattform::starten(const QString& programm) {
    QProcess::startDetached(programm, {});
}
