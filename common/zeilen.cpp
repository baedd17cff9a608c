#include "common/zeilen.h"

QStringList zeilenAus(QStringView text) {
    QStringList zeilen;
    zeilenDurchgehen(text, [&zeilen](QStringView zeile) { zeilen.append(zeile.toString()); });
    return zeilen;
}

QString mitCrLf(QStringView text) {
    QString ergebnis;
    ergebnis.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ergebnis.append(c);
            continue;
        }
        ergebnis.append(QStringLiteral("\r\n"));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return ergebnis;
}

QString alsAnzeige(QStringView text) {
    return text.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
