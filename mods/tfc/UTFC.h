#pragma once
// Team Fortress Classic's logic: the settings of its window (game.cfg with the teamplay damage
// rules folded into mp_teamplay, the rules themselves kept in QOR.ini, the bot store
// Bots\TF_Bots.ini with the bot programs' options, Abot's settings.bot) and its launch files
// (liblist.gam, the bot file with each bot program's own lines). Each bot has a team (Auto,
// Blue, Red) and a class from a fixed list, kept as its number.
#include "mods/common/ModLogic.h"

namespace UTFC {

extern const QString Abot;     // "Abot"
extern const QString Akimbot;  // "Akimbot"
extern const QString FoxBot;   // "FoxBot"
extern const QString HpbBot;   // "HPB Bot"

// The class chooser's items, class k being item k - 1.
const QStringList& ClassNames();

// The QOR.ini keys of the four teamplay rules and the mp_teamplay bit of each, in one order.
struct TTeamplayRule {
    QString Key;      // "Teamplay_2" in QOR.ini
    QString Combo;    // "TeamPlay_2", the window's chooser
    int Bit = 0;      // 2, 8, 128, 512
};
const QVector<TTeamplayRule>& TeamplayRules();
// A rule's stored choice (0 Full, 1 Half, 2 None): empty, letters or outside 0..2 read as Full.
int TeamplayChoice(const QString& stored);

class TTFC : public TModLogic {
public:
    TTFC();

    void ReadBotSection() override;
    void ReadGameCfg() override;
    bool WriteGameCfg(QString& error) override;
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;
    QStringList BotFileTrailer(const TBotFileContext& c) const override;
    QString MapConfigFolder() const override;
    void LoadModDefaults() override;
    TBot NewBot(bool random) override;

    // Abot's settings.bot from the window (written with game.cfg).
    QStringList AbotSettingsLines() const;

private:
    QString m_cfgPath;   // the bot section's "cfgpath" (below the Half-Life folder)
};

TTFC& Logic();

} // namespace UTFC
