#pragma once
// Helpers of the map-list and bot-list tests: what a list widget shows, and a selected mod whose
// "modified" marks are counted and whose table row is put back afterwards.
#include "core/ModTable.h"
#include "core/UInit.h"

#include <QList>
#include <QListWidget>
#include <QStringList>
#include <gtest/gtest.h>

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

// Selects a mod (UInit::SelectedMod) and counts how often it is marked modified. The whole row
// (hooks, window, folder, records) is restored when another mod is selected or this one goes.
class TCountedMod {
public:
    ~TCountedMod() { Restore(); }
    void Select(const QString& key) {
        Restore();
        UInit::SelectedMod = key;
        Row = ModTable::Find(key);
        ASSERT_NE(Row, nullptr) << key.toStdString();
        m_saved = *Row;
        Row->Hooks.MarkModified = [this] { ++Marks; };
    }
    void Restore() {
        if (Row)
            *Row = m_saved;
        Row = nullptr;
    }

    TModRow* Row = nullptr;
    int Marks = 0;

private:
    TModRow m_saved;
};
