#include "common/web.h"

QString updateServer() {
    return QStringLiteral(RECHNER_UPDATE_SERVER);
}

// The libcurl implementation comes with the updater's work.
QString Open_Internet(const QString&) {
    return {};
}

bool herunterladen(const QString&, const QString&) {
    return false;
}
