#pragma once
// What a list widget shows, for the map-list and bot-list tests: its texts and selected rows.
#include <QList>
#include <QListWidget>
#include <QStringList>

inline QStringList Items(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

inline QList<int> SelectedRows(const QListWidget& list) {
    QList<int> rows;
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->isSelected())
            rows << i;
    return rows;
}
