#pragma once

#include "rechner/kern/rolle.h"

#include <QAbstractListModel>
#include <QListView>

// Shows a roll's lines without copying them: the view asks for the visible rows only, and an
// append inserts rows at the end, so the cost of a key does not grow with the roll.
class RollenListe : public QAbstractListModel, public RollenBeobachter {
public:
    explicit RollenListe(Rolle& rolle, QObject* eltern = nullptr);
    ~RollenListe() override;

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

    void vorAnhaengen(qsizetype erste, qsizetype anzahl) override;
    void nachAnhaengen() override;
    void vorErsetzen() override;
    void nachErsetzen() override;

private:
    Rolle& m_rolle;
};

// The read-only roll view: right-aligned bold lines, vertical scroll bar only. After every
// change it scrolls to the last line once the current event has been handled.
class RollenAnsicht : public QListView {
public:
    RollenAnsicht(Rolle& rolle, QWidget* eltern);

private:
    void zumEndeEinreihen();
    RollenListe m_liste;
    bool m_scrollAngefordert = false;
};
