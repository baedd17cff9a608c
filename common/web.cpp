#include "common/web.h"

#include "common/ansi.h"
#include "common/dateiablage.h"
#include "common/fehler.h"
#include "common/protokoll.h"

#include <curl/curl.h>
#include <memory>
#include <optional>

namespace {

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
    static const bool Bereit = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!Bereit)
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

// The body of a download on its way into the new file, with the number of bytes that arrived and
// why writing them failed.
struct Empfang {
    Ablagedatei& datei;
    qint64 laenge = 0;
    std::optional<QString> schreibfehler;
};

// No error may unwind through the transfer: a failed write ends it with its cause kept.
size_t inDatei(char* daten, size_t groesse, size_t anzahl, void* ziel) {
    auto* empfang = static_cast<Empfang*>(ziel);
    const qint64 laenge = static_cast<qint64>(groesse * anzahl);
    try {
        empfang->datei.schreiben(QByteArrayView(daten, laenge));
    } catch (const Fehler& fehler) {
        empfang->schreibfehler = fehler.text();
        return 0;
    }
    empfang->laenge += laenge;
    return groesse * anzahl;
}

// What the server answered to a download.
struct Antwort {
    long status = 0;
    curl_off_t angekuendigt = -1; // -1: no length announced
    qint64 empfangen = 0;

    // Only the whole file counts: status 200 (after any redirect), at least one byte and, when
    // the server announced a length, exactly that many bytes. An empty 204, a 304 or a redirect
    // that names no target is not the file, and neither is an empty 200 or a body cut short.
    bool vollstaendig() const {
        return status == 200 && empfangen > 0 && (angekuendigt < 0 || angekuendigt == empfangen);
    }
};

Antwort antwortVon(CURL* curl, qint64 empfangen) {
    Antwort antwort;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &antwort.status);
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &antwort.angekuendigt);
    antwort.empfangen = empfangen;
    return antwort;
}

// The transfer's own words for a failure: libcurl's detailed text, or its text for the code.
QString curlText(CURLcode ergebnis, const char* puffer) {
    return QString::fromLocal8Bit(*puffer ? puffer : curl_easy_strerror(ergebnis));
}

void downloadProtokollieren(const QString& url, const QString& warum, const Antwort& antwort) {
    const QString angekuendigt = antwort.angekuendigt < 0
                                     ? QStringLiteral("no length")
                                     : QStringLiteral("%1 bytes").arg(antwort.angekuendigt);
    qCWarning(webProtokoll).noquote()
        << QStringLiteral("Download of %1 failed: %2; status %3, %4 announced, %5 bytes received")
               .arg(url, warum)
               .arg(antwort.status)
               .arg(angekuendigt)
               .arg(antwort.empfangen);
}

QString fehlschlag(CURLcode ergebnis, const char* puffer, const Empfang& empfang) {
    if (empfang.schreibfehler)
        return QStringLiteral("writing the file: ") + *empfang.schreibfehler;
    return ergebnis == CURLE_OK ? QStringLiteral("incomplete answer") : curlText(ergebnis, puffer);
}

} // namespace

QString Open_Internet(const QString& url) {
    QByteArray puffer;
    puffer.reserve(Puffergroesse);
    // Declared first: the transfer writes into it until its handle is cleaned up.
    char fehlertext[CURL_ERROR_SIZE] = {};
    if (Curl curl = abrufVorbereiten(url.toUtf8())) {
        curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, fehlertext);
        curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, inPuffer);
        curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &puffer);
        // Neither the result nor the status counts: whatever arrived is the text. A full buffer
        // ends the transfer on purpose; only a fetch that brought nothing is worth a word.
        const CURLcode ergebnis = curl_easy_perform(curl.get());
        if (ergebnis != CURLE_OK && puffer.isEmpty())
            qCWarning(webProtokoll).noquote() << QStringLiteral("Fetch of %1 failed: %2")
                                                     .arg(url, curlText(ergebnis, fehlertext));
    }
    const qsizetype ende = puffer.indexOf('\0');
    return ansiZuText(ende < 0 ? QByteArrayView(puffer) : QByteArrayView(puffer).first(ende));
}

bool herunterladen(const QString& url, Ablagedatei& datei) {
    char fehlertext[CURL_ERROR_SIZE] = {};
    Curl curl = abrufVorbereiten(url.toUtf8());
    if (!curl) {
        qCWarning(webProtokoll) << "libcurl could not be set up";
        return false;
    }
    Empfang empfang{datei, 0, std::nullopt};
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, fehlertext);
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, inDatei);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &empfang);
    const CURLcode ergebnis = curl_easy_perform(curl.get());
    const Antwort antwort = antwortVon(curl.get(), empfang.laenge);
    if (ergebnis != CURLE_OK || !antwort.vollstaendig()) {
        downloadProtokollieren(url, fehlschlag(ergebnis, fehlertext, empfang), antwort);
        return false;
    }
    return true;
}
