#include "common/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void deutscheQtTexteLaden() {
    static QTranslator uebersetzer;
    if (uebersetzer.load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&uebersetzer);
}
