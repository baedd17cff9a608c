#include "rechner/fenster/rolleneditor.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

RollenEditor::RollenEditor(Rolle& rolle, QWidget* eltern) : QPlainTextEdit(eltern), m_rolle(rolle) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    setFont(schrift);
    QTextOption rechts = document()->defaultTextOption();
    rechts.setAlignment(Qt::AlignRight);
    rechts.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(rechts);
    ausRolleZeigen();
    m_rolle.setBeobachter(this);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_zeigtModell)
            handeingabeUebernehmen();
    });
}

RollenEditor::~RollenEditor() {
    m_rolle.setBeobachter(nullptr);
}

void RollenEditor::vorAnhaengen(qsizetype erste, qsizetype) {
    m_ersteNeue = erste;
}

// Only the new lines are inserted, so an append costs what the piece costs.
void RollenEditor::nachAnhaengen() {
    QStringList neu = m_rolle.zeilen().mid(m_ersteNeue);
    m_zeigtModell = true;
    QTextCursor ende(document());
    ende.movePosition(QTextCursor::End);
    ende.insertText((m_ersteNeue > 0 ? QStringLiteral("\n") : QString()) +
                    neu.join(QLatin1Char('\n')));
    m_zeigtModell = false;
    zumEndeEinreihen();
}

void RollenEditor::nachErsetzen() {
    ausRolleZeigen();
    zumEndeEinreihen();
}

void RollenEditor::ausRolleZeigen() {
    m_zeigtModell = true;
    setPlainText(m_rolle.zeilen().join(QLatin1Char('\n')));
    m_zeigtModell = false;
}

// A hand edit replaces the roll's lines by the view's: one line per paragraph, a wrapped line
// staying one line, and the empty view the empty roll.
void RollenEditor::handeingabeUebernehmen() {
    // The raw text keeps no-break spaces, which the plain text would turn into blanks.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
    QStringList zeilen;
    if (!text.isEmpty())
        zeilen = text.split(QLatin1Char('\n'));
    m_rolle.setBeobachter(nullptr);
    m_rolle.ersetzen(zeilen);
    m_rolle.setBeobachter(this);
    zumEndeEinreihen();
}

void RollenEditor::zumEndeEinreihen() {
    if (m_scrollAngefordert)
        return;
    m_scrollAngefordert = true;
    QTimer::singleShot(0, this, [this] {
        m_scrollAngefordert = false;
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    });
}
