#include "common/web.h"

#include "common/ansi.h"
#include "common/dateiablage.h"

#include <curl/curl.h>
#include <memory>

namespace {

QString& basisadresse() {
    static QString adresse = QStringLiteral(RECHNER_UPDATE_SERVER);
    return adresse;
}

// The fetch buffer of the version file: 10001 bytes, one read.
constexpr qsizetype Puffergroesse = 10001;

// A dead or stalled server must not block the window for ever; a slow but living one may take
// as long as it needs.
constexpr long Verbindungsfrist = 30;
constexpr long Stillstandsfrist = 30;

struct CurlLoeschen {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using Curl = std::unique_ptr<CURL, CurlLoeschen>;

Curl abrufVorbereiten(const QByteArray& url) {
    static const bool bereit = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!bereit)
        return nullptr;
    Curl curl(curl_easy_init());
    if (!curl)
        return nullptr;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Wininet Test");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, Verbindungsfrist);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, Stillstandsfrist);
    return curl;
}

// Keeps the first bytes up to the buffer size; asking for more ends the transfer.
size_t inPuffer(char* daten, size_t groesse, size_t anzahl, void* ziel) {
    auto* puffer = static_cast<QByteArray*>(ziel);
    const qsizetype neu = static_cast<qsizetype>(groesse * anzahl);
    const qsizetype platz = Puffergroesse - puffer->size();
    puffer->append(daten, std::min(neu, platz));
    return neu <= platz ? groesse * anzahl : 0;
}

// The body of a download on its way into the new file, with the number of bytes that arrived.
struct Empfang {
    Ablagedatei& datei;
    qint64 laenge = 0;
};

size_t inDatei(char* daten, size_t groesse, size_t anzahl, void* ziel) {
    auto* empfang = static_cast<Empfang*>(ziel);
    const qint64 laenge = static_cast<qint64>(groesse * anzahl);
    if (!empfang->datei.schreiben(daten, laenge))
        return 0;
    empfang->laenge += laenge;
    return groesse * anzahl;
}

// Only the whole file counts: status 200 (after any redirect) and, when the server announced a
// length, exactly that many bytes. An empty 204, a 304 or a redirect that names no target is
// not the file, and neither is a body cut short.
bool vollstaendig(CURL* curl, qint64 empfangen) {
    long status = 0;
    curl_off_t angekuendigt = -1;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &angekuendigt);
    return status == 200 && (angekuendigt < 0 || angekuendigt == empfangen);
}

// A control character cannot be part of a file name on the platform the files come from; such
// a path (a line break typed into the folder field) makes the download fail.
bool gueltigerDateipfad(const QString& pfad) {
    if (pfad.isEmpty())
        return false;
    for (QChar zeichen : pfad) {
        if (zeichen.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

QString updateServer() {
    return basisadresse();
}

void setzeUpdateServer(const QString& adresse) {
    basisadresse() = adresse;
}

QString Open_Internet(const QString& url) {
    QByteArray puffer;
    puffer.reserve(Puffergroesse);
    if (Curl curl = abrufVorbereiten(url.toUtf8())) {
        curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, inPuffer);
        curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &puffer);
        // Neither the result nor the status counts: whatever arrived is the text.
        curl_easy_perform(curl.get());
    }
    const qsizetype ende = puffer.indexOf('\0');
    return ansiZuText(ende < 0 ? QByteArrayView(puffer) : QByteArrayView(puffer).first(ende));
}

bool herunterladen(const QString& url, const QString& zielPfad) {
    if (!gueltigerDateipfad(zielPfad) || !ersetzbar(zielPfad))
        return false;
    Ablagedatei datei(zielPfad);
    if (!datei.offen())
        return false;
    Curl curl = abrufVorbereiten(url.toUtf8());
    if (!curl)
        return false;
    Empfang empfang{datei};
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, inDatei);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &empfang);
    if (curl_easy_perform(curl.get()) != CURLE_OK || !vollstaendig(curl.get(), empfang.laenge))
        return false;
    return datei.ersetzen();
}
