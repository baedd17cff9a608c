#pragma once

// A local HTTP server for tests: python3 serving a temporary folder on 127.0.0.1 at a free port.
// Files are published under the update folder "/UpdateQelvar/". A test program starts one server
// and shares it (gemeinsam); each test begins by resetting it (zurueckgesetzt).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class Testserver {
public:
    Testserver() {
        QDir(m_ordner.path()).mkpath(QStringLiteral("UpdateQelvar"));
        m_prozess.start(QStringLiteral("python3"),
                        {QStringLiteral(TESTSERVER_SKRIPT), m_ordner.path()});
        if (m_prozess.waitForStarted(5000) && m_prozess.waitForReadyRead(10000))
            m_port = m_prozess.readLine().trimmed().toInt();
    }
    // Closing its input ends the server.
    ~Testserver() {
        m_prozess.closeWriteChannel();
        if (!m_prozess.waitForFinished(5000))
            m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }
    Testserver(const Testserver&) = delete;
    Testserver& operator=(const Testserver&) = delete;

    // The server of the test program, started on first use.
    static Testserver& gemeinsam() {
        std::unique_ptr<Testserver>& server = gemeinsamer();
        if (!server)
            server = std::make_unique<Testserver>();
        return *server;
    }
    // The shared server as a test finds it first: nothing published, answering.
    static Testserver& zurueckgesetzt() {
        Testserver& server = gemeinsam();
        server.zuruecksetzen();
        return server;
    }
    // Stops the shared server before the application object goes; main does it after the tests.
    static void gemeinsamBeenden() { gemeinsamer().reset(); }

    bool laeuft() const { return m_port > 0 && m_prozess.state() == QProcess::Running; }
    // The base address; it stays the same after anhalten(), when nobody answers there.
    QString basisadresse() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }

    void veroeffentlichen(const QString& name, const QByteArray& inhalt) {
        QFile datei(pfad(name));
        if (datei.open(QIODevice::WriteOnly))
            datei.write(inhalt);
    }
    // The server answers the file with status 404 and this page.
    void fehlerseite(const QString& name, const QByteArray& seite) {
        veroeffentlichen(name + QStringLiteral(".fehler"), seite);
    }
    // The server answers the file as scripted: `kopf` is the status, optionally followed by the
    // announced length ("-": none), and the connection closes after `inhalt`; with "haengt" after
    // the length it stays open until the client goes.
    void antwort(const QString& name, const QByteArray& kopf, const QByteArray& inhalt) {
        veroeffentlichen(name + QStringLiteral(".antwort"), kopf + '\n' + inhalt);
    }
    // The server answers nothing, as one that is gone, until zuruecksetzen().
    void anhalten() { befehl("aus"); }
    // Removes every published file and answers again.
    void zuruecksetzen() {
        QDir ordner(pfad(QString()));
        ordner.removeRecursively();
        ordner.mkpath(QStringLiteral("."));
        befehl("an");
    }

private:
    static std::unique_ptr<Testserver>& gemeinsamer() {
        static std::unique_ptr<Testserver> server;
        return server;
    }
    // Sends a command and waits until the server has carried it out. Each command carries its
    // own number, so that a confirmation can never be taken for a later one's; a line already
    // read into the buffer counts without waiting. A server that does not confirm ends the test
    // program: every later test would meet a server in the wrong state.
    void befehl(const QByteArray& wort) {
        const QByteArray zeile = wort + ' ' + QByteArray::number(++m_befehle);
        m_prozess.write(zeile + '\n');
        for (;;) {
            while (!m_prozess.canReadLine()) {
                if (!m_prozess.waitForReadyRead(60000))
                    qFatal("Der Testserver bestaetigt \"%s\" nicht", zeile.constData());
            }
            if (m_prozess.readLine().trimmed() == zeile)
                return;
        }
    }
    QString pfad(const QString& name) const {
        return m_ordner.path() + QStringLiteral("/UpdateQelvar/") + name;
    }

    QTemporaryDir m_ordner;
    QProcess m_prozess;
    int m_port = 0;
    int m_befehle = 0;
};
