#include "rechner/fenster/druckbericht.h"

#include "common/dateiablage.h"
#include "common/eafehler.h"
#include "common/fehler.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextOption>

#include <exception>

namespace {

// The report's layout in millimetres, measured from the top left margin.
constexpr qreal BandBreite = 189.8;
constexpr qreal TitelHoehe = 41.3;
constexpr qreal ErstelltLinks = 155.6, ErstelltOben = 3.5, UhrOben = 8.5;
constexpr qreal FirmaOben = 15.5, TitelOben = 29.6;
constexpr qreal BalkenLinks = 8.5, BalkenOben = 25.4, BalkenLaenge = 175.3, BalkenDicke = 0.7;
constexpr qreal FeldLinks = 33.9, FeldOben = 2.8, FeldBreite = 82.2;
constexpr qreal FussHoehe = 10.6, FussLinks = 74.4, FussOben = 4.2;

const QColor Kastanienbraun(0x80, 0x00, 0x00);

// The roll prints in the size of the roll view: 16 pixels at 96 dpi.
constexpr qreal RollenPunkte = 12;

QFont arial(qreal punkte, bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(punkte);
    schrift.setBold(fett);
    return schrift;
}

// Cuts a word that is too wide for a line into pieces, character by character, and returns the
// rest. Summing single advances keeps a huge word linear in its length.
QString zerteilen(const QString& wort, const QFontMetricsF& masse, qreal breite,
                  QStringList& stuecke) {
    qsizetype anfang = 0;
    qreal summe = 0;
    for (qsizetype k = 0; k < wort.size(); ++k) {
        const qreal zeichen = masse.horizontalAdvance(wort[k]);
        if (summe + zeichen > breite && k > anfang) {
            stuecke.append(wort.mid(anfang, k - anfang));
            anfang = k;
            summe = 0;
        }
        summe += zeichen;
    }
    return wort.mid(anfang);
}

// The next word of a line with the blanks that follow it.
QString naechstesWort(const QString& zeile, qsizetype& i) {
    const qsizetype anfang = i;
    while (i < zeile.size() && zeile[i] != QLatin1Char(' '))
        ++i;
    while (i < zeile.size() && zeile[i] == QLatin1Char(' '))
        ++i;
    return zeile.mid(anfang, i - anfang);
}

// The output file of a printer, for the error of one that cannot be made.
QString ausgabedatei(const QPagedPaintDevice& drucker) {
    const auto* printer = dynamic_cast<const QPrinter*>(&drucker);
    return printer ? printer->outputFileName() : QString();
}

// Sets the report on the printer's pages: keeps the painter, the page number and the place
// where the next roll line goes. Lengths in printer pixels unless named millimetres.
class Satz {
public:
    explicit Satz(QPagedPaintDevice& drucker)
        : m_drucker(drucker), m_proMm(drucker.logicalDpiY() / 25.4),
          m_rollenSchrift(arial(RollenPunkte, true)), m_masse(m_rollenSchrift, &drucker) {
        if (!m_maler.begin(&drucker))
            throw Fehler(Fehlertexte::dateiNichtErstellbar(ausgabedatei(drucker)));
        const qreal seitenHoehe =
            drucker.pageLayout().paintRectPixels(drucker.logicalDpiY()).height();
        m_fussOben = seitenHoehe - mm(FussHoehe);
    }

    void titel(const Druckbericht& bericht) {
        const QFont klein = arial(8, true);
        text(klein, feld(ErstelltLinks, ErstelltOben), Qt::AlignLeft,
             QStringLiteral("Erstellt am:"), Qt::black);
        text(klein, feld(ErstelltLinks, UhrOben), Qt::AlignLeft, bericht.uhrzeit, Qt::black);
        text(arial(16, true), feld(0, FirmaOben), Qt::AlignHCenter, bericht.firma, Kastanienbraun);
        m_maler.fillRect(QRectF(mm(BalkenLinks), mm(BalkenOben), mm(BalkenLaenge), mm(BalkenDicke)),
                         Qt::black);
        text(arial(18, true), feld(0, TitelOben), Qt::AlignHCenter, bericht.titel, Qt::black);
        m_y = mm(TitelHoehe + FeldOben);
        rollenSchrift();
    }

    void zeile(const QString& zeile) {
        const qreal breite = m_masse.horizontalAdvance(zeile);
        if (breite <= mm(FeldBreite)) {
            stueck(zeile, breite);
            return;
        }
        for (const QString& teil : umbrechen(zeile, m_masse, mm(FeldBreite)))
            stueck(teil, m_masse.horizontalAdvance(teil));
    }

    int schliessen() {
        fuss();
        m_maler.end();
        return m_seite;
    }

private:
    qreal mm(qreal laenge) const { return laenge * m_proMm; }

    // A text field from its left and top edge to the right margin and the foot of the page.
    QRectF feld(qreal links, qreal oben) const {
        return QRectF(mm(links), mm(oben), mm(BandBreite - links), m_fussOben - mm(oben));
    }

    void text(const QFont& schrift, const QRectF& rahmen, Qt::Alignment ausrichtung,
              const QString& inhalt, const QColor& farbe) {
        m_maler.setFont(schrift);
        m_maler.setPen(farbe);
        // Words wrap; a single word wider than the band is broken so that it stays on the page.
        QTextOption umbruch(ausrichtung | Qt::AlignTop);
        umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_maler.drawText(rahmen, inhalt, umbruch);
    }

    void rollenSchrift() {
        m_maler.setFont(m_rollenSchrift);
        m_maler.setPen(Qt::black);
    }

    // One printed line of the roll, right-aligned in its column, trailing blanks included.
    // A fresh page takes at least one line, so a page too small for any still moves on.
    void stueck(const QString& text, qreal breite) {
        const qreal hoehe = m_masse.lineSpacing();
        if (m_y + hoehe > m_fussOben && m_y > 0)
            neueSeite();
        m_maler.drawText(QPointF(mm(FeldLinks + FeldBreite) - breite, m_y + m_masse.ascent()),
                         text);
        m_y += hoehe;
    }

    // Later pages continue the roll right below the top margin.
    void neueSeite() {
        fuss();
        m_drucker.newPage();
        ++m_seite;
        m_y = 0;
        rollenSchrift();
    }

    void fuss() {
        const QRectF kasten(mm(FussLinks), m_fussOben + mm(FussOben),
                            mm(BandBreite - 2 * FussLinks), mm(FussHoehe - FussOben));
        m_maler.setFont(arial(10, false));
        m_maler.setPen(Qt::black);
        m_maler.drawText(kasten, Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("Seite") + QString::number(m_seite));
    }

    QPagedPaintDevice& m_drucker;
    QPainter m_maler;
    qreal m_proMm;
    QFont m_rollenSchrift;
    QFontMetricsF m_masse;
    qreal m_fussOben = 0;
    qreal m_y = 0;
    int m_seite = 1;
};

// What the PDF writer writes goes into a new file of the file door. No error unwinds through
// the writer: the first one is kept and raised once the writer is done.
class Ablagegeraet : public QIODevice {
public:
    explicit Ablagegeraet(Ablagedatei& datei) : m_datei(datei) { open(QIODevice::WriteOnly); }
    void fehlerWerfen() const {
        if (m_fehler)
            std::rethrow_exception(m_fehler);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override {
        if (m_fehler)
            return -1;
        try {
            m_datei.schreiben(QByteArrayView(daten, laenge));
        } catch (const Fehler&) {
            m_fehler = std::current_exception();
            return -1;
        }
        return laenge;
    }

private:
    Ablagedatei& m_datei;
    std::exception_ptr m_fehler;
};

// The printer's resolution for PDF files.
constexpr int PdfAufloesung = 1200;

} // namespace

void Druckbericht::fuellen(const Hauptmodell& hauptmodell) {
    rolle = &hauptmodell.rolle();
    firma = hauptmodell.firmenText();
    uhrzeit = hauptmodell.uhrText();
    titel = QStringLiteral("Registrierrolle ") + hauptmodell.werte().Rollenname;
}

QPageLayout Druckbericht::seitenlayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void Druckbericht::einrichten(QPrinter& drucker) {
    drucker.setPageLayout(seitenlayout());
    drucker.setFullPage(false);
    drucker.setCopyCount(1);
    drucker.setDuplex(QPrinter::DuplexNone);
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setPaperSource(QPrinter::Auto);
    drucker.setDocName(QStringLiteral("Jahresbericht"));
}

int Druckbericht::pdfSchreiben(const QString& pfad) const {
    return pdfSchreiben(pfad, seitenlayout());
}

int Druckbericht::pdfSchreiben(const QString& pfad, const QPageLayout& layout) const {
    try {
        Ablagedatei datei(pfad);
        Ablagegeraet geraet(datei);
        int seiten = 0;
        {
            QPdfWriter pdf(&geraet);
            pdf.setPageLayout(layout);
            pdf.setResolution(PdfAufloesung);
            pdf.setTitle(QStringLiteral("Jahresbericht"));
            seiten = drucken(pdf);
        }
        geraet.fehlerWerfen();
        datei.ersetzen();
        return seiten;
    } catch (const Ursachenfehler&) {
        throw;
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Printing to", pfad, fehler);
        throw Fehler(Fehlertexte::dateiNichtErstellbar(pfad));
    }
}

// The preview paints with its own engine even while the printer is set to a PDF file.
int Druckbericht::ausgeben(QPrinter& drucker) const {
    const bool pdfDatei = drucker.outputFormat() == QPrinter::PdfFormat &&
                          !drucker.outputFileName().isEmpty() && drucker.paintEngine() &&
                          drucker.paintEngine()->type() == QPaintEngine::Pdf;
    return pdfDatei ? pdfSchreiben(drucker.outputFileName(), drucker.pageLayout())
                    : drucken(drucker);
}

int Druckbericht::drucken(QPagedPaintDevice& drucker) const {
    Satz satz(drucker);
    satz.titel(*this);
    if (rolle) {
        for (const QString& zeile : rolle->zeilen())
            satz.zeile(zeile);
    }
    return satz.schliessen();
}

QStringList umbrechen(const QString& zeile, const QFontMetricsF& masse, qreal breite) {
    if (masse.horizontalAdvance(zeile) <= breite)
        return {zeile};
    QStringList stuecke;
    QString aktuell;
    qsizetype i = 0;
    while (i < zeile.size()) {
        QString wort = naechstesWort(zeile, i);
        if (!aktuell.isEmpty() && masse.horizontalAdvance(aktuell + wort) > breite) {
            stuecke.append(aktuell);
            aktuell.clear();
        }
        if (aktuell.isEmpty())
            wort = zerteilen(wort, masse, breite, stuecke);
        aktuell += wort;
    }
    if (!aktuell.isEmpty())
        stuecke.append(aktuell);
    return stuecke;
}
