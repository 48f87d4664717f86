// The road a user takes: pick The Opera and its bot in the main window, edit its settings in
// the window "Edit Mod Config" opens, apply them, and launch Half-Life with them.
#include "mods/common/ModTestEnv.h"

#include "mods/opera/UFOpera.h"
#include "mods/opera/UOpera.h"
#include "ui/UMain.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(OperaFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QString());
    env.HL.AddFile(QStringLiteral("opera/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_db_chrest"));
    env.HL.AddPlayerModel(QStringLiteral("bobby"), QStringLiteral("opera"));
    env.Program.AddFile(QStringLiteral("Bots/OP_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    ASSERT_EQ(UInit::HLPath, env.HL.Root());
    main.ModButtonClick(QStringLiteral("Opera"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("HPB Bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFOpera*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("The Opera - HPB Bot"));
        w->OP_gamemode->setCurrentIndex(1);
        w->SBCreeBot->click();
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))).startsWith("\"mp_gamemode\"\t\t\"1\"\r\n"));

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("opera")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("op_db_chrest"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray("# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 1\r\n \r\n"
                         "addbot bobby NewBot 1\r\n"));
}

} // namespace
