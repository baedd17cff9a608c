#include "rechner/fenster/rollenansicht.h"

#include <QScrollBar>
#include <QTimer>

RollenListe::RollenListe(Rolle& rolle, QObject* eltern)
    : QAbstractListModel(eltern), m_rolle(rolle) {
    m_rolle.setBeobachter(this);
}

RollenListe::~RollenListe() {
    m_rolle.setBeobachter(nullptr);
}

int RollenListe::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_rolle.anzahl());
}

QVariant RollenListe::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_rolle.anzahl())
        return {};
    if (rolle == Qt::DisplayRole)
        return m_rolle.zeile(index.row());
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void RollenListe::vorAnhaengen(qsizetype erste, qsizetype anzahl) {
    beginInsertRows({}, static_cast<int>(erste), static_cast<int>(erste + anzahl - 1));
}

void RollenListe::nachAnhaengen() {
    endInsertRows();
}

void RollenListe::vorErsetzen() {
    beginResetModel();
}

void RollenListe::nachErsetzen() {
    endResetModel();
}

RollenAnsicht::RollenAnsicht(Rolle& rolle, QWidget* eltern)
    : QListView(eltern), m_liste(rolle, this) {
    setModel(&m_liste);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideLeft);
    setFocusPolicy(Qt::ClickFocus);
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    setFont(schrift);
    const auto einreihen = [this] {
        zumEndeEinreihen();
    };
    connect(&m_liste, &QAbstractItemModel::rowsInserted, this, einreihen);
    connect(&m_liste, &QAbstractItemModel::modelReset, this, einreihen);
}

void RollenAnsicht::zumEndeEinreihen() {
    if (m_scrollAngefordert)
        return;
    m_scrollAngefordert = true;
    QTimer::singleShot(0, this, [this] {
        m_scrollAngefordert = false;
        scrollToBottom();
    });
}
