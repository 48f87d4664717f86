// The shared "Game Settings" group and its rows on a bare window: only the switches asked for,
// their defaults, fall damage's exact "1", and a cvar the group does not know.
#include "mods/common/ModTestEnv.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class TSettingsWindow : public TModWindow {
public:
    explicit TSettingsWindow(TModLogic& logic, bool fallDamage = true)
        : TModWindow(logic, nullptr), m_fallDamage(fallDamage)
    {
        BuildWindow();
    }

protected:
    void BuildGamePage(QWidget* page) override
    {
        GameSettings::Build(*this, page, {QStringLiteral("footsteps"), QStringLiteral("friendlyfire")},
                            8, 8, 280, 274, m_fallDamage);
    }

private:
    bool m_fallDamage;
};

TModTraits Traits()
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");
    s.Prefix = QStringLiteral("GS");
    s.Title = QStringLiteral("Settings Probe");
    return s;
}

TEST(GameSettings, TheGroupHoldsItsSwitchesAndTheRowsReadAndWriteThem)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    TModLogic logic(Traits());
    TSettingsWindow w(logic);
    EXPECT_NE(w.Control<QCheckBox>(QStringLiteral("GS_footsteps")), nullptr);
    EXPECT_EQ(w.Control<QCheckBox>(QStringLiteral("GS_flashlight")), nullptr);
    EXPECT_EQ(w.Control<TNumberEdit>(QStringLiteral("GS_timelimit"))->Maximum(), 90);
    EXPECT_EQ(w.Control<TNumberEdit>(QStringLiteral("GS_fraglimit"))->Maximum(), 999);

    TCvarTable rows;
    for (const char* cvar : {"mp_timelimit", "mp_falldamage", "mp_footsteps", "mp_friendlyfire", "mp_gravity"})
        rows << GameSettings::Row(QStringLiteral("GS"), QString::fromLatin1(cvar));
    w.Control<QCheckBox>(QStringLiteral("GS_footsteps"))->setChecked(false);
    w.Control<QCheckBox>(QStringLiteral("GS_friendlyfire"))->setChecked(true);
    w.Control<QRadioButton>(QStringLiteral("GS_fallreal"))->setChecked(true);
    ModCvars::ApplyDefaults(w, rows);
    // Fall damage is never reset; the switches take their defaults.
    EXPECT_EQ(ModCvars::GameCfgLines(w, rows),
              (QStringList{"\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                           "\"mp_footsteps\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"0\"",
                           "\"sv_sendvelocity\"\t\t\"0\""}));

    struct {
        const char* Value;
        bool Realistic;
    } falls[] = {{"1", true}, {"1.00000", false}, {"0", false}, {" 1", false}};
    for (const auto& c : falls) {
        EXPECT_TRUE(ModCvars::ApplyCvar(w, rows, QStringLiteral("mp_falldamage"), QString::fromLatin1(c.Value)));
        EXPECT_EQ(w.Control<QRadioButton>(QStringLiteral("GS_fallreal"))->isChecked(), c.Realistic) << c.Value;
        EXPECT_NE(w.Control<QRadioButton>(QStringLiteral("GS_fallnorm"))->isChecked(), c.Realistic) << c.Value;
    }
    EXPECT_FALSE(ModCvars::ApplyCvar(w, rows, QStringLiteral("mp_gravity"), QStringLiteral("800")));
}

// A mod without fall damage: no radios, and the switches move up into their place.
TEST(GameSettings, WithoutFallDamageTheSwitchesTakeItsPlace)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    TModLogic logic(Traits());
    TSettingsWindow with(logic);
    const int below = with.Control<QCheckBox>(QStringLiteral("GS_footsteps"))->y();
    TSettingsWindow without(logic, false);
    EXPECT_EQ(without.Control<QRadioButton>(QStringLiteral("GS_fallnorm")), nullptr);
    EXPECT_EQ(without.Control<QRadioButton>(QStringLiteral("GS_fallreal")), nullptr);
    const QCheckBox* footsteps = without.Control<QCheckBox>(QStringLiteral("GS_footsteps"));
    ASSERT_NE(footsteps, nullptr);
    EXPECT_LT(footsteps->y(), below);
    EXPECT_GT(footsteps->y(), without.Control<TNumberEdit>(QStringLiteral("GS_fraglimit"))->y());
}

} // namespace
