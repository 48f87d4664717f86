// A mod whose bots' sections may lack "maxskill" gives the window and the launch one maximum, so
// a skill saved under "skill" + maxskill is the one the bot file reads.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"

#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TProbeWindow : public TModWindow {
public:
    explicit TProbeWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }
};

TEST(MaxSkillDefault, WindowAndLaunchUseTheSameKey)
{
    const QString folder = ModTable::Find(QStringLiteral("Opera"))->Folder;
    TModTestEnv env(QStringLiteral("Opera"), folder, QStringLiteral("Plain"));
    env.Program.AddFile(QStringLiteral("Mods/Opera.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Plain\r\n[Plain]\r\naddbot=add <name> <skill>\r\n");
    env.Program.AddFile(QStringLiteral("Bots/OP_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.HL.AddMap(folder, QStringLiteral("op_one"));
    TIniFile::FlushCache();
    TModTraits t;
    t.Key = QStringLiteral("Opera");
    t.Prefix = QStringLiteral("OP");
    t.Title = QStringLiteral("Probe");
    t.ShortName = QStringLiteral("Probe");
    t.MaxSkillDefault = QStringLiteral("1");
    TModLogic logic(t);
    logic.RegisterHooks({});
    TProbeWindow w(logic);
    w.FormActivate();
    EXPECT_EQ(w.Botskill->maximum(), 1);
    EXPECT_EQ(w.defskill->maximum(), 1);
    w.SBCreeBot->click();
    w.Botskill->setValue(1);
    w.AddAllMapsClick();
    w.BApplyConfClick();
    ASSERT_TRUE(w.ClosedByButtons()) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/OP_Bots.ini")));
    EXPECT_TRUE(store.contains("skill1=1")) << store.constData();
    QString error;
    ASSERT_TRUE(logic.WriteBotCfg(error)) << error.toStdString();
    const QByteArray botfile = TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg")));
    EXPECT_TRUE(botfile.startsWith("# add <name> <skill>\r\npause 3\r\n\r\nbotskill 1\r\n")) << botfile.constData();
    EXPECT_TRUE(botfile.endsWith("\r\nadd NewBot 1\r\n")) << botfile.constData();
}

} // namespace
