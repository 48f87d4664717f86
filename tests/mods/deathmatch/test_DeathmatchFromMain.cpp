// The road a user takes: pick Half-Life Deathmatch and a bot in the main window, set up a team
// game with two bots in the window "Edit Mod Config" opens, apply, and launch Half-Life.
#include "mods/common/ModTestEnv.h"

#include "mods/deathmatch/UFDeathmatch.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void SelectItems(QListWidget* list, const QStringList& texts)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text().trimmed()))
            list->item(i)->setSelected(true);
}

TEST(DeathmatchFromMainWindow, TeamGameWithHpbBotFromEditToLaunch)
{
    TModTestEnv env(QStringLiteral("Deathmatch"), QStringLiteral("valve"), QString());
    env.HL.AddFile(QStringLiteral("valve/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    env.HL.AddPlayerModel(QStringLiteral("barney"));
    const QString listen = env.HL.AddFile(QStringLiteral("valve/listenserver.cfg"), "mp_timelimit 20\r\nsv_gravity 800\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("Deathmatch"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("HPB Bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFDeathmatch*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("HL Deathmatch - HPB Bot"));
        // HPB Bot has no Jumbot pages.
        EXPECT_EQ(w->PC->count(), 4);
        w->Control<QRadioButton>(QStringLiteral("DM_teamplay"))->click();
        auto* team1 = w->Control<QComboBox>(QStringLiteral("DM_Team1"));
        auto* team2 = w->Control<QComboBox>(QStringLiteral("DM_Team2"));
        EXPECT_TRUE(team2->isEnabled());
        team1->setCurrentIndex(team1->findText(QStringLiteral("gordon")));
        team2->setCurrentIndex(team2->findText(QStringLiteral("barney")));
        w->Control<QCheckBox>(QStringLiteral("DM_friendlyfire"))->click();
        w->Control<TNumberEdit>(QStringLiteral("DM_fraglimit"))->SetText(QStringLiteral("25"));
        w->Control<QComboBox>(QStringLiteral("DM_Reaction_Time"))->setCurrentIndex(2);
        w->spawnbot->SetValue(2);
        w->SBCreeBot->click();
        w->SBCreeBot->click();
        w->botname->clear();
        TModTestEnv::Type(w->botname, QStringLiteral("Rex"));
        SelectItems(w->MapDispo, {QStringLiteral("crossfire"), QStringLiteral("datacore")});
        w->SpeedButton1->click();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.join(QLatin1Char(' ')),
              QStringLiteral("-console -game valve +sv_lan 1 +maxplayers 3 +connect +map crossfire"));

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              QByteArray("\"mp_teamlist\"\t\t\"gordon;barney\"\r\n"
                         "\"mp_fraglimit\"\t\t\"25.00000\"\r\n"
                         "\"mp_timelimit\"\t\t\"0.00000\"\r\n"
                         "\"mp_falldamage\"\t\t\"0\"\r\n"
                         "\"mp_teamplay\"\t\t\"1\"\r\n"
                         "\"mp_friendlyfire\"\t\t\"1\"\r\n"
                         "\"mp_weaponstay\"\t\t\"0\"\r\n"
                         "\"mp_forcerespawn\"\t\t\"0\"\r\n"
                         "\"mp_footsteps\"\t\t\"1\"\r\n"
                         "\"mp_flashlight\"\t\t\"1\"\r\n"
                         "\"mp_autocrosshair\"\t\t\"1\"\r\n"
                         "\"sv_sendvelocity\"\t\t\"0\"\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), QByteArray("datacore\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              QByteArray("// Valve Game Info file\r\n"
                         "//  These are key/value pairs.  Certain mods will use different settings.\r\n"
                         "//\r\n"
                         "game \"Half-Life\"\r\n"
                         "startmap \"c0a0\"\r\n"
                         "trainingmap \"t0a0\"\r\n"
                         "mpentity \"info_player_deathmatch\"\r\n"
                         "gamedll \"dlls\\hpb_bot.dll\"\r\n"
                         "gamedll_linux \"dlls/hl_i386.so\"\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray("bot_reaction_time 2\r\n"
                         "random_color 0\r\n"
                         "bot_chat_percent 10\r\n"
                         "bot_taunt_percent 0\r\n"
                         "bot_whine_percent 0\r\n"
                         "addbot gordon NewBot 1 10 10\r\n"
                         "addbot gordon Rex 1 10 10\r\n"));
    // The listen server's own settings would override the window's.
    EXPECT_EQ(TModTestEnv::Read(listen), QByteArray("//mp_timelimit 20\r\nsv_gravity 800\r\n"));
    // No backup of the stock game's liblist.gam is left beside it.
    EXPECT_EQ(QDir(env.ModDir).entryList({QStringLiteral("liblist*")}, QDir::Files),
              QStringList{QStringLiteral("liblist.gam")});
}

} // namespace
