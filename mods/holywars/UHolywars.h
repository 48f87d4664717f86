#pragma once
// Holy Wars' logic: the template's role routines with the mod's own player models, a bot store
// under the plain "skill" key (not cut to the slider when read), HPB Bot's behaviour settings,
// Parabot's three traits per bot, a game.cfg ending with cl_himodels after sv_sendvelocity, and
// at launch a bot file shaped for each bot program plus Parabot's parabot.cfg.
#include "mods/common/ModLogic.h"

namespace UHolywars {

extern const QString Akimbot;   // "Akimbot"
extern const QString HpbBot;    // "HPB Bot"
extern const QString Parabot;   // "Parabot"

// The bot record's slots of Parabot's traits (1..10 each), in the order of their [Bot N] keys.
struct TTrait {
    int Slot;
    const char* Key;      // "ACCURACY"
    const char* Stem;     // control "HW_<stem>"
    const char* Caption;
    const char* NewValue; // the plain create button's value
};
const QVector<TTrait>& TraitRows();

class THolywars : public TModLogic {
public:
    THolywars();

    TCvarTable Cvars() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    ModWriters::TFillOptions FillOptions() const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QStringList BotFileTrailer(const TBotFileContext& c) const override;
    bool WriteBotCfg(QString& error) override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;
};

THolywars& Logic();

} // namespace UHolywars
