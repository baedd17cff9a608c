#pragma once

// A local HTTP server for tests: python3 serving a temporary folder on 127.0.0.1 at a free port.
// Files are published under the update folder "/UpdateQelvar/".

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class Testserver {
public:
    Testserver() {
        QDir(m_ordner.path()).mkpath(QStringLiteral("UpdateQelvar"));
        m_prozess.start(QStringLiteral("python3"),
                        {QStringLiteral(TESTSERVER_SKRIPT), m_ordner.path()});
        if (m_prozess.waitForStarted(5000) && m_prozess.waitForReadyRead(10000))
            m_port = m_prozess.readLine().trimmed().toInt();
    }
    ~Testserver() { anhalten(); }
    Testserver(const Testserver&) = delete;
    Testserver& operator=(const Testserver&) = delete;

    bool laeuft() const { return m_port > 0 && m_prozess.state() == QProcess::Running; }
    // The base address; it stays the same after anhalten(), so it then reaches nobody.
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
    void anhalten() {
        if (m_prozess.state() == QProcess::NotRunning)
            return;
        m_prozess.kill();
        m_prozess.waitForFinished(5000);
    }

private:
    QString pfad(const QString& name) const {
        return m_ordner.path() + QStringLiteral("/UpdateQelvar/") + name;
    }
    QTemporaryDir m_ordner;
    QProcess m_prozess;
    int m_port = 0;
};
