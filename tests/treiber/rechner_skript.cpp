// rechner-skript: drives the main window's model without a window, one command a line on
// standard input, answers on standard output (both UTF-8).
#include "common/fehler.h"
#include "rechner/fenster/druckbericht.h"
#include "rechner/kern/hauptmodell.h"
#include "rechner/kern/programmwerte.h"
#include "rechner/kern/rollendatei.h"
#include "rechner/kern/tasten.h"
#include "rechner/kern/zahlformen.h"
#include "tests/hilfen/modellstart.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <string>

namespace {

class Treiber {
public:
    Treiber() : m_modell(m_werte) { wieNachDemStart(m_modell, m_werte); }

    void zeile(const QString& zeile) {
        const qsizetype blank = zeile.indexOf(QLatin1Char(' '));
        const QString befehl = blank < 0 ? zeile : zeile.left(blank);
        const QString argument = blank < 0 ? QString() : zeile.mid(blank + 1);
        const auto it = befehle().find(befehl);
        if (it == befehle().end()) {
            aus(QStringLiteral("Unbekannt: ") + zeile);
            return;
        }
        try {
            it->second(argument);
        } catch (const Fehler& fehler) {
            aus(QStringLiteral("Fehler: ") + fehler.text());
        }
    }

private:
    using Befehl = std::function<void(const QString&)>;

    static void aus(const QString& text) { std::cout << text.toStdString() << '\n'; }

    const std::map<QString, Befehl>& befehle() {
        if (m_befehle.empty()) {
            m_befehle = {
                {QStringLiteral("taste"),
                 [this](const QString& a) {
                     taste(a);
                 }},
                {QStringLiteral("zeichen"),
                 [this](const QString& a) {
                     zeichen(a);
                 }},
                {QStringLiteral("fn"),
                 [this](const QString& a) {
                     fn(a);
                 }},
                {QStringLiteral("setze"),
                 [this](const QString& a) {
                     setze(a);
                 }},
                {QStringLiteral("uhr"),
                 [this](const QString& a) {
                     m_modell.uhrtextSetzen(a);
                 }},
                {QStringLiteral("zeige"),
                 [this](const QString&) {
                     zeige();
                 }},
                {QStringLiteral("rolle"),
                 [this](const QString&) {
                     rolle();
                 }},
                {QStringLiteral("zahl"),
                 [](const QString& a) {
                     zahl(a);
                 }},
                {QStringLiteral("drucken"),
                 [this](const QString& a) {
                     drucken(a);
                 }},
                {QStringLiteral("speichern"),
                 [this](const QString& a) {
                     speichern(a);
                 }},
                {QStringLiteral("laden"),
                 [this](const QString& a) {
                     laden(a);
                 }},
            };
        }
        return m_befehle;
    }

    void taste(const QString& name) {
        const Taste* taste = tasteNachName(name);
        if (!taste) {
            aus(QStringLiteral("Unbekannt: taste ") + name);
            return;
        }
        if (!tasteAktiv(m_modell, taste->nummer)) {
            aus(QStringLiteral("gesperrt"));
            return;
        }
        taste->druecken(m_modell);
    }

    void zeichen(const QString& a) {
        if (a == QLatin1String("Enter"))
            m_modell.zeichenGetippt(QChar(13));
        else if (a == QLatin1String("Backspace"))
            m_modell.zeichenGetippt(QChar(8));
        else if (a.size() == 1 || (a.size() == 2 && a[0].isHighSurrogate()))
            m_modell.zeichenGetippt(a[0]);
        else
            aus(QStringLiteral("Unbekannt: zeichen ") + a);
    }

    void fn(const QString& a) {
        bool zahl = false;
        const int nummer = a.toInt(&zahl);
        if (!zahl || nummer < 1 || nummer > 12) {
            aus(QStringLiteral("Unbekannt: fn ") + a);
            return;
        }
        m_modell.funktionstaste(nummer);
    }

    void setze(const QString& a) {
        const qsizetype blank = a.indexOf(QLatin1Char(' '));
        const QString name = blank < 0 ? a : a.left(blank);
        const QString wert = blank < 0 ? QString() : a.mid(blank + 1);
        const auto zahl = [&] {
            return static_cast<quint8>(wert.trimmed().toInt());
        };
        Programmwerte& w = m_werte;
        if (name == QLatin1String("Kommastellen"))
            w.Kommastellen = zahl();
        else if (name == QLatin1String("RechnerModus"))
            w.RechnerModus = zahl();
        else if (name == QLatin1String("OhneAnmeldung"))
            w.OhneAnmeldung = zahl();
        else if (name == QLatin1String("OhneAnmeldungText"))
            w.OhneAnmeldungText = wert;
        else if (name == QLatin1String("Firmenname")) {
            w.Firmenname = wert;
            m_modell.firmennameZeigen();
        } else if (name == QLatin1String("Rollenname"))
            w.Rollenname = wert;
        else if (name == QLatin1String("Abmelden1"))
            wert.trimmed() == QLatin1String("1") ? m_modell.nachAnmeldung()
                                                 : m_modell.nachAbmeldung();
        else
            aus(QStringLiteral("Unbekannt: setze ") + a);
    }

    void zeige() {
        const Hauptmodell& m = m_modell;
        aus(QStringLiteral("Panel2=") + m.anzeige());
        aus(QStringLiteral("Panel34=") + m.operatorzeichen());
        aus(QStringLiteral("Panel6=") + m.zwischenwertText());
        aus(QStringLiteral("Panel4=") + m.speicherText());
        aus(QStringLiteral("Edit2=") + m.gesamtText());
        const auto bit = [](bool an) {
            return an ? QLatin1Char('1') : QLatin1Char('0');
        };
        aus(QStringLiteral("Zeittasten=") + bit(m.mStdAktiv()) + bit(m.mDezAktiv()) +
            bit(m.stdMAktiv()));
    }

    void rolle() {
        const Rolle& r = m_modell.rolle();
        std::string text = "Rolle " + std::to_string(r.anzahl()) + '\n';
        for (const QString& zeile : r.zeilen())
            text += '|' + zeile.toStdString() + "|\n";
        std::cout << text;
    }

    static void zahl(const QString& a) {
        const QStringList teile = a.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (teile.size() != 2) {
            aus(QStringLiteral("Unbekannt: zahl ") + a);
            return;
        }
        const QByteArray text = teile[0].toLatin1();
        char* ende = nullptr;
        errno = 0;
        const double wert = std::strtod(text.constData(), &ende);
        const bool ueberlauf = errno == ERANGE;
        bool ganz = false;
        const int stellen = teile[1].toInt(&ganz);
        // "inf" and "nan" are no values the calculator can hold; a number written beyond the
        // double range overflows as it does when a display text is read.
        if (ende != text.constData() + text.size() || text.isEmpty() || !ganz ||
            (!std::isfinite(wert) && !ueberlauf)) {
            aus(QStringLiteral("Unbekannt: zahl ") + a);
            return;
        }
        if (!std::isfinite(wert))
            throw Fehler(Fehlertexte::Ueberlauf);
        // The decimals are an 8-bit setting like Kommastellen.
        const int k = static_cast<quint8>(stellen);
        aus(QStringLiteral("Anzeige=") + anzeigeform(wert));
        aus(QStringLiteral("Gruppiert=") + gruppiert(wert, k));
        aus(QStringLiteral("Waehrung=") + waehrung(wert, k));
        aus(QStringLiteral("Fest=") + festform(wert));
    }

    // A failed save or load is shown as the message box of the roll operations would show it;
    // a failed load leaves the roll as it was.
    void speichern(const QString& pfad) {
        try {
            rollendateiSchreiben(pfad, m_modell.rolle().zeilen());
        } catch (const Fehler& fehler) {
            aus(QStringLiteral("Fehler: ") +
                meldungstext(fehler, Fehlertexte::FehlerBeimSpeichern));
        }
    }

    void laden(const QString& pfad) {
        try {
            m_modell.rolle().ersetzen(rollendateiLesen(pfad));
        } catch (const Fehler& fehler) {
            aus(QStringLiteral("Fehler: ") + meldungstext(fehler, Fehlertexte::FehlerBeimLaden));
        }
    }

    // The report of the main roll as a PDF file, laid out by the code the print preview uses and
    // written through the file door as a roll file is.
    void drucken(const QString& pfad) {
        Druckbericht bericht;
        bericht.fuellen(m_modell);
        bericht.pdfSchreiben(pfad);
    }

    Programmwerte m_werte;
    Hauptmodell m_modell;
    std::map<QString, Befehl> m_befehle;
};

} // namespace

int main(int argc, char** argv) {
    // Printing needs fonts and a paint device; the offscreen platform gives both without a
    // display, and no other command shows anything.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // WERT of "zahl" is C syntax whatever the locale
    std::ios::sync_with_stdio(false);
    Treiber treiber;
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        treiber.zeile(QString::fromStdString(zeile));
        std::cout.flush();
    }
    return 0;
}
