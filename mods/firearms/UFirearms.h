#pragma once
// Firearms' logic: a two-team mod (game.cfg always declares blue;red and team play), bots with a
// team and a weapon and no model, and for the bot program "FireBot" its skill table
// (<HL>\Firebot\firearms\botskill.cfg) and three settings lines in the bot file.
#include "mods/common/ModLogic.h"
#include "mods/common/SkillGrid.h"

#include <QString>
#include <QStringList>

class QTableWidget;

namespace UFirearms {

extern const QString FireBot;   // "FireBot"

// The weapon chooser's items; the index is the stored weapon number (0 = random weapon).
const QStringList& WeaponItems();

// ---- FireBot's skill table: 6 rows (the values) x 5 columns (skill 1..5) ----
constexpr int SkillRows = 6;
constexpr int SkillLevels = 5;
// The file's keys in grid-row order: REACT_MIN, REACT_MAX, AIM_X, AIM_Y, AIM_Z, AIM_HEAD.
const QStringList& SkillKeys();
const QStringList& SkillRowLabels();   // " Min Delay" ...
const QStringList& SkillHeadings();    // "   Skill 1" ...
const QVector<SkillGrid::TRange>& SkillRanges(); // the numbers each row takes
// Reads botskill.cfg lines into the cells: a line that keeps the written layout (key, blank,
// skill digit 1..5, blank, value) sets its cell; comments, blank lines and lines of another
// shape leave the cells as they were.
void ParseBotSkill(const QStringList& lines, SkillGrid::TCells& cells);
// The file's lines: six blocks (AIM_X, AIM_Y, AIM_Z, AIM_HEAD, REACT_MIN, REACT_MAX) of five
// lines "<KEY> <n> <value>", one empty line between blocks.
QStringList FormatBotSkill(const SkillGrid::TCells& cells);

class TFirearms : public TModLogic {
public:
    TFirearms();

    bool IsFireBot() const;
    QString CfgPath;   // the bot section's "CfgPath": the maps' configuration folder below <moddir>

    void ReadBotSection() override;
    void LoadConf() override;
    bool SaveConf() override;
    void RestoreDefaults() override;
    void LoadModDefaults() override;
    void ClearBotFields() override;
    TCvarTable Cvars() const override;
    TStoreTable StoreRows() const override;
    TStoreTable BotStoreRows() const override;
    void ShowBotRecord(const TBot& bot) override;
    TBot NewBot(bool random) override;
    void FillModelChooser() override {}
    QString MapConfigFolder() const override;
    QStringList LiblistLines(const QString& dll) const override;
    ModWriters::TPlaceholderTable Placeholders(const QString& skillKey) const override;
    QStringList BotFileHeader(const TBotFileContext& c) const override;

    // <HL>\Firebot\firearms\botskill.cfg.
    static QString BotSkillCfgPath();
    // Labels the open window's grid and fills it from the file when that exists.
    void ReadBotSkillCfg();
    // Rewrites the file from the grid; an empty grid writes nothing. False with a message.
    bool WriteBotSkillCfg(QString& error);
};

TFirearms& Logic();

} // namespace UFirearms
