// A download killed in the middle of its transfer leaves nothing beside its target: the file it
// fills has no name until it is whole, and a named one of a file system without unnamed files
// goes with the next download into the folder.
#include "common/dateiablage.h"
#include "common/web.h"
#include "tests/hilfen/schreibende.h"
#include "tests/nivex/schritte.h"

#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>

namespace {

// A download into `pfad` as the updater makes it: staged beside it, put in place when whole.
bool herunterladenNach(const QString& url, const QString& pfad) {
    Ablagedatei datei(pfad, Verweise::Nie);
    if (!herunterladen(url, datei))
        return false;
    datei.ersetzen();
    return true;
}

TEST(Herunterladen, GetoetetBleibtNichts) {
    Testserver& server = Testserver::zurueckgesetzt();
    ASSERT_TRUE(server.laeuft());
    const QByteArray teil(1 << 20, 'n');
    // A quarter of the announced file arrives, then the server waits for ever.
    server.antwort(QStringLiteral("Rechner.zip"), "200 4194304 haengt", teil);
    server.veroeffentlichen(QStringLiteral("Neu.zip"), "ganz");
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("Rechner.zip"));
    dateiAnlegen(ziel, "frueher");
    const QString url = server.basisadresse() + QStringLiteral("/UpdateQelvar/");

    const pid_t kind = ::fork();
    if (kind == 0) {
        herunterladenNach(url + QStringLiteral("Rechner.zip"), ziel);
        ::_exit(0);
    }
    ASSERT_GT(kind, 0);
    QDeadlineTimer frist(30000);
    while (!schreibtGerade(kind, ordner.path(), QStringLiteral("Rechner.zip"), teil.size(),
                           teil.size() + 1) &&
           !frist.hasExpired())
        QThread::usleep(200);
    ::kill(kind, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_FALSE(frist.hasExpired()) << "the download was never seen writing";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

    EXPECT_EQ(dateiBytes(ziel), "frueher");
    if (unbenannteDateien(ordner.path())) {
        EXPECT_EQ(eintraege(ordner.path()), QStringList{QStringLiteral("Rechner.zip")});
    }
    // Whatever the killed download left, the next one into the folder removes.
    ASSERT_TRUE(herunterladenNach(url + QStringLiteral("Neu.zip"), ordner.filePath("Neu.zip")));
    EXPECT_EQ(eintraege(ordner.path()), QStringList({"Neu.zip", "Rechner.zip"}));
}

} // namespace
