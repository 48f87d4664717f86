// Holy Wars' bot file from the files alone: Parabot's traits go in as stored, the chat rate
// scaled, TABs filled; a hand-edited store with letters gives the readers' defaults.
#include "mods/common/ModTestEnv.h"

#include "core/ModTable.h"
#include "mods/holywars/UHolywars.h"

#include <gtest/gtest.h>

namespace {

TEST(HolywarsLaunch, TemplateFillsTraitsAsStoredAndChatScaled)
{
    struct {
        const char* Store;
        const char* Line;
    } cases[] = {
        {"[Default]\r\nnumbot=1\r\nspawnbot=1\r\nchatfreq=10\r\n[Bot 1]\r\nnom=Ryu\r\nmodele=ryu\r\nskill=7\r\n"
         "ACCURACY=8\r\nAGGRESSION=3\r\nPERCEPTION=10\r\n",
         "ryu\tRyu 7 8 3 10 2"},
        // Letters where numbers belong read as the defaults; a skill above maxskill stays as stored.
        {"[Default]\r\nnumbot=1\r\nspawnbot=1\r\nchatfreq=abc\r\n[Bot 1]\r\nnom=Ryu\r\nmodele=ryu\r\nskill=9\r\n"
         "ACCURACY=x\r\n",
         "ryu\tRyu 9 1 1 1 2"},
        {"[Default]\r\nnumbot=1\r\nspawnbot=1\r\nchatfreq=45\r\n[Bot 1]\r\nnom=Ryu\r\n", "\tRyu  1 1 1 6"},
    };
    for (const auto& c : cases) {
        TModTestEnv env(QStringLiteral("Holywars"), QStringLiteral("holywars"), QStringLiteral("HPB Bot"));
        env.Program.AddFile(QStringLiteral("Mods/Holywars.ini"),
                            "[HPB Bot]\r\ndll=dlls\\hpb_bot.dll\r\naddbot=<model><TAB><name> <skill> <accuracy> "
                            "<aggression> <perception> <chat>\r\nmaxskill=5\r\n");
        env.Program.AddFile(QStringLiteral("Bots/HW_Bots.ini"), c.Store);
        QString error;
        ASSERT_TRUE(UHolywars::Logic().WriteBotCfg(error)) << error.toStdString();
        const QByteArray file = TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg")));
        EXPECT_TRUE(file.endsWith(QByteArray("\r\n") + c.Line + "\r\n")) << c.Store << "\n" << file.toStdString();
    }
}

} // namespace
