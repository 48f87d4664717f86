#include "core/UQOR_Maps.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace UInit {
void ListMaps(QListWidget*, const QString&, QLabel*, const QString&, const QString&,
              const QString&, const QString&, const QString&) {}
} // namespace UInit

namespace UQOR {
const QStringList& DeathmatchStockMaps() { static const QStringList l; return l; }
const QStringList& RocketStockMaps() { static const QStringList l; return l; }
const QStringList& Op4StockMaps() { static const QStringList l; return l; }
bool IsMapPresent(const QString&, const QString&, const QString&, const QString&) { return false; }
bool MapFileExists(const QString&, const QString&, const QString&) { return false; }
void ReadMapCycle(const QString&, const QString&, const QString&, QListWidget*, const QString&,
                  const QString&) {}
bool WriteMapCycle(const QString&, const QString&, QListWidget*, QString*) { return false; }
void AddSelectedMaps(QListWidget*, QListWidget*) {}
void AddAllMaps(QListWidget*, QListWidget*) {}
void DeleteSelectedMaps(QListWidget*) {}
void DeleteAllMaps(QListWidget*) {}
void MoveListItem(int, QListWidget*) {}
void ShuffleMapCycle(QListWidget*) {}
bool AccessMapComment(QListWidget*, const QString&, const QString&, QString& result,
                      const QString&) { result.clear(); return true; }
bool AccessMapComment(QListWidget*, const QString&, const QString&, QPlainTextEdit*) { return true; }
QString EncodeMapComment(const QString& text) { return text; }
QString DecodeMapComment(const QString& stored) { return stored; }
void EditMapCfg(QListWidget*, const QString&, const QString&) {}
QString MapCfgPath(QListWidget*, const QString&, const QString&) { return {}; }
QString BareMapName(const QString& entry) { return entry; }
} // namespace UQOR
