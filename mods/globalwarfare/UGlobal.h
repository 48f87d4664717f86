#pragma once
// Global Warfare's logic: bots with a class (stored as its number), a side (Auto, United Nations,
// Liberation Force) and a skill; maps offered only where the bot program has their waypoint
// file; a bot file that may bind a bot-menu key kept in the bot store.
#include "mods/common/ModLogic.h"

namespace UGlobal {

// The class chooser's items, class k being item k - 1.
const QStringList& ClassNames();

class TGlobal : public TModLogic {
public:
    TGlobal();
    TCvarTable Cvars() const override;
    TStoreTable BotStoreRows() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QString PictureName(const TBot& bot) const override;
    TBot NewBot(bool random) override;
    void ClearBotFields() override;
    void LoadModDefaults() override;
};

TGlobal& Logic();

} // namespace UGlobal
