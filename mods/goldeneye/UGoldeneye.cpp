#include "mods/goldeneye/UGoldeneye.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "core/UQOR_Settings.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/goldeneye/UFGoldeneye.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>

namespace UGoldeneye {

namespace {

const QString kBotFile = QStringLiteral("bot.cfg");
const QString kKeySetting = QStringLiteral("GE_botmenu");
const QString kExec = QStringLiteral("exec bot.cfg");

TModTraits GoldeneyeTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Goldeneye");
    s.Prefix = QStringLiteral("GE");
    s.Title = QStringLiteral("Goldeneye");
    s.ShortName = QStringLiteral("Goldeneye");
    s.PageControl = QStringLiteral("PC_Goldeneye");
    s.DefaultModel = QStringLiteral("007");
    s.DefaultSkill = QStringLiteral("0");
    s.ForbiddenNameChars = QStringLiteral("<>");
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.ReadsBotSection = false;
    s.WaypointKey.clear();
    s.Models = TModelSource::OwnFolder;
    s.EveryBotJoins = true;
    s.Profile.PreviewFollows = true;
    // The "ge2..." and "ge3..." maps are not playable in a multiplayer game.
    s.Profile.HidesMap = [](const QString& map) {
        return map.startsWith(QLatin1String("ge2"), Qt::CaseInsensitive) ||
               map.startsWith(QLatin1String("ge3"), Qt::CaseInsensitive);
    };
    return s;
}

QString NativePath(const QString& path) { return ModControls::NativePath(path); }

} // namespace

TGoldeneye::TGoldeneye() : TModLogic(GoldeneyeTraits()) {}

AddbotFile::TFormat TGoldeneye::Format()
{
    AddbotFile::TFormat f;
    f.BareModel = QStringLiteral("007");
    f.ForbiddenNameChars = QStringLiteral("<>");
    f.EngineTokens = true;
    return f;
}

TCvarTable TGoldeneye::Cvars() const
{
    using namespace ModCvars;
    return {
        Index(QStringLiteral("mp_rules"), QStringLiteral("GE_rules"), {}, QStringLiteral("0")),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("GE_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("GE_timelimit"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("GE_fallreal"), QStringLiteral("GE_fallnorm")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("GE_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("GE_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("GE_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("GE_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("GE_autocrosshair"), QStringLiteral("1")),
        Check(QStringLiteral("mp_allowradar"), QStringLiteral("GE_allowradar"), QStringLiteral("1")),
        Check(QStringLiteral("mp_allowarmor"), QStringLiteral("GE_allowarmor"), QStringLiteral("1")),
        Number(QStringLiteral("mp_spychange"), QStringLiteral("GE_spychange"), QStringLiteral("3")),
    };
}

void TGoldeneye::LoadConf()
{
    TModLogic::LoadConf();
    auto* w = qobject_cast<TFGoldeneye*>(Form());
    if (!w)
        return;
    QString key;
    UQOR::AccessModSetting(kKeySetting, QString(), QStringLiteral("Read"), key);
    const QSignalBlocker block(w->GE_botmenu);
    const int at = w->GE_botmenu->findText(key, Qt::MatchExactly | Qt::MatchCaseSensitive);
    w->GE_botmenu->setCurrentIndex(at);
    if (at < 0)
        w->GE_botmenu->setEditText(key);
    State.Modified = 0;
}

void TGoldeneye::LoadModDefaults()
{
    TModWindow* w = Form();
    ModControls::SetSlider(w->defskill, 1);
    if (auto* g = qobject_cast<TFGoldeneye*>(w)) {
        const QSignalBlocker block(g->GE_botmenu);
        g->GE_botmenu->clearEditText();
    }
}

void TGoldeneye::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TModWindow* w = Form()) {
        ModControls::SetSlider(w->Botskill, 1);
        if (w->Botskill)
            w->Botskill->setEnabled(true);
    }
}

void TGoldeneye::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    if (TModWindow* w = Form(); w && w->Botskill)
        w->Botskill->setEnabled(!AddbotFile::IsPlaceholderName(bot[0]));
}

bool TGoldeneye::ShownBotUnnamed() const
{
    const TModWindow* w = Form();
    if (!w || !w->ListBot)
        return false;
    const int i = w->ListBot->currentRow();
    const QVector<TBot> bots = Records();
    return i >= 0 && i < bots.size() && AddbotFile::IsPlaceholderName(bots[i][0]);
}

void TGoldeneye::ReadAddbotCfg()
{
    TModWindow* w = Form();
    if (!w || !w->ListBot)
        return;
    const UInit::TLoadingGuard loading;
    ClearBotList(*w);
    QVector<TBot>& bots = Bots();

    AddbotFile::TContents read;
    QString error;
    const QString path = FileSys::JoinPath(ModDir(), kBotFile);
    if (!AddbotFile::ReadFile(path, Format(), read, error)) {
        if (error.isEmpty())
            Dialogs::ShowWarning(QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                                "You must create your own bots."),
                                 w);
        else
            Dialogs::ShowError(error, w);
    }
    if (!read.Renamed.isEmpty())
        Dialogs::ShowWarning(ModWriters::RenamedBotsNote(path, read.Renamed), w);
    if (!read.BotSkill.isEmpty()) {
        // A "botskill" line that holds no number reads as the default skill.
        bool ok = false;
        const int skill = read.BotSkill.toInt(&ok);
        ModControls::SetSlider(w->defskill, ok ? qBound(1, skill, 5) : 1);
    }
    bots = read.Bots;
    ListReadBots(*w);
    ShowFirstBot(*w);
}

QStringList TGoldeneye::AddbotCfgLines() const
{
    const TModWindow* w = Form();
    QStringList lines{QStringLiteral("# This is the bot.cfg file"),
                      QStringLiteral("#"),
                      QStringLiteral("# This file was generated by Qorvane"),
                      QStringLiteral("# don't modify anything unless you know what you're doing !"),
                      QStringLiteral("#"),
                      QStringLiteral("pause 3"),
                      QStringLiteral("botskill ") +
                          QString::number(w && w->defskill ? w->defskill->value() : 1)};
    QVector<TBot> bots = Records();
    bots.resize(qMin<int>(State.BotCount, bots.size()));
    return lines + AddbotFile::AddbotLines(bots, Format());
}

bool TGoldeneye::WriteAddbotCfg(QString& error)
{
    const UInit::TLoadingGuard loading;
    return ModWriters::WriteFile(FileSys::JoinPath(ModDir(), kBotFile), AddbotCfgLines(), error);
}

bool TGoldeneye::RewriteConfigCfg(QString& error)
{
    const auto* w = qobject_cast<const TFGoldeneye*>(Form());
    QString key;
    if (w)
        UInit::KeyToHLKey(w->GE_botmenu->currentText(), key);
    const QStringList bind =
        key.isEmpty() ? QStringList() : QStringList{ModWriters::BindLine(key, kExec)};
    const QString path = FileSys::JoinPath(ModDir(), QStringLiteral("config.cfg"));
    // The game reads the mod's config.cfg in place of the player's own settings: one made to hold
    // the bind alone would leave the player without every other key. The game writes it at its
    // first start; the bind joins it at the next save (the key is kept meanwhile).
    if (!FileSys::FileExists(FileSys::Resolve(path))) {
        if (!bind.isEmpty())
            Dialogs::ShowInfo(ModWriters::BindWaitsNote(path), Form());
        return true;
    }
    const QString quoted = QLatin1Char('"') + kExec + QLatin1Char('"');
    return ModWriters::RewriteConfigLines(
        path, [&quoted](const QString& line) { return line.contains(quoted); }, bind, error);
}

bool TGoldeneye::SaveConf()
{
    TModWindow* w = Form();
    auto* g = qobject_cast<TFGoldeneye*>(w);
    if (!g)
        return false;
    QString error;
    if (!WriteGameCfg(error) || !WriteAddbotCfg(error)) {
        ReportSaveError(error);
        return false;
    }
    if (!UQOR::WriteMapCycle(QStringLiteral("O"), ModDir(), w->MapCycle, &error)) {
        ReportSaveError(error.isEmpty() ? QStringLiteral("Can't write ") +
                                              NativePath(FileSys::JoinPath(ModDir(), QStringLiteral("mapcycle.txt")))
                                        : error);
        return false;
    }
    QString why;
    if (!UQOR::AccessModSetting(kKeySetting, g->GE_botmenu->currentText(), QStringLiteral("Write"), why)) {
        ReportSaveError(QStringLiteral("Can't write ") + NativePath(UInit::AppFile(QStringLiteral("QOR.ini"))) +
                        (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why));
        return false;
    }
    if (!RewriteConfigCfg(error)) {
        ReportSaveError(error);
        return false;
    }
    State.Modified = 0;
    return true;
}

TGoldeneye& Logic()
{
    static TGoldeneye logic;
    return logic;
}

} // namespace UGoldeneye

void RegisterMod_goldeneye() { RegisterModWindow<TFGoldeneye>(UGoldeneye::Logic(), FGoldeneye); }
