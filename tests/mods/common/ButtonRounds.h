#pragma once
// What the template's buttons do on a mod window, checked the same way for every mod: Restore
// Default and Restore Config in turn, and the first save of a window that found no bot store.
#include "mods/common/ModTestEnv.h"
#include "mods/common/ModWindow.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>

#include <functional>
#include <gtest/gtest.h>

namespace ButtonRounds {

// Restore Default shows the game's defaults (defaults) and marks the settings modified; Restore
// Config then shows what was read (read) again and the mark goes. shown is what the window shows.
inline void ExpectRestoreDefaultThenConfig(TModWindow& w, TModTestEnv& env, const int& modified,
                                           const std::function<QStringList()>& shown, const QStringList& read,
                                           const QStringList& defaults)
{
    env.Dialogs.ExpectConfirm(true);
    w.BRestoreDef->click();
    // The game's defaults; what the bot store keeps is read from it again.
    EXPECT_EQ(shown(), defaults);
    EXPECT_EQ(modified, 1);

    env.Dialogs.ExpectConfirm(true);
    w.BRestoreConf->click();
    EXPECT_EQ(shown(), read);
    EXPECT_EQ(modified, 0);
}

// A window opened without a bot store has warned that it is empty and shows no bot's
// properties; a bot made and Apply close it. Call it under ASSERT_NO_FATAL_FAILURE: the store is
// worth reading only when the window closed.
inline void MakeTheFirstBotAndApply(TModWindow& w, TModTestEnv& env)
{
    EXPECT_EQ(env.Dialogs.Texts(Dialogs::TKind::Warning),
              QStringList{QStringLiteral("Bots definition file empty. No bot loaded.\r\n"
                                         "You must create your own bots.")});
    EXPECT_TRUE(w.GB_BotProp->isHidden());
    w.SBCreeBot->click();
    w.BApplyConf->click();
    ASSERT_TRUE(w.ClosedByButtons()) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
}

} // namespace ButtonRounds
