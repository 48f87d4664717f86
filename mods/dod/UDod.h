#pragma once
// Day of Defeat's logic: the settings of its window (game.cfg with friendly fire carried by
// mp_teamplay, the bot store Bots\DD_Bots.ini with Sturmbot's reaction times and rank and the two
// bind keys) and its launch files (liblist.gam, the bot file with the bot-menu bind, and the
// spawn bind in config.cfg). A bot's class is chosen from the list of its side.
#include "mods/common/ModLogic.h"

namespace UDod {

extern const QString Sturmbot;   // "Sturmbot"

// The class list of a side ("0" Auto, "1" Allies, "2" Axis); any other side has none.
QStringList ClassNames(const QString& team);

class TDod : public TModLogic {
public:
    TDod();

    // Sturmbot's menu command and the spawn command of the selected bot's section, as the
    // window's first activation read them.
    QString BotMenuCmd;
    QString ExecCmd;

    void ReadBotSection() override;
    QString MapConfigFolder() const override { return ModDir(); }
    TCvarTable Cvars() const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    ModWriters::TFillOptions FillOptions() const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QStringList BotFileTrailer(const TBotFileContext&) const override { return {}; }
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    bool WriteDefaultSection(TIniFile& store) override;
    QStringList SideClassNames(const QString& side) const override { return ClassNames(side); }
    void LoadModDefaults() override;
    void ClearBotFields() override;
    TBot NewBot(bool random) override;
};

TDod& Logic();

} // namespace UDod
