// Control rows: the game.cfg table a page's rows give (page order, the named lines first, rows
// that bind nothing left out, each kind read and written as its control holds it), and the button
// of a program of the mod folder.
#include "mods/common/ControlRows.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModTestEnv.h"
#include "mods/common/ModWindow.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(ControlRows, CvarTableFollowsThePageWithTheNamedLinesFirst)
{
    using K = TControlKind;
    const TControlRows rows{
        {.Kind = K::Group, .Name = "GB_Probe", .Caption = "Probe"},
        {.Kind = K::Number, .Name = "PR_limit", .Cvar = "mp_limit", .Default = "0"},
        {.Kind = K::Check, .Name = "PR_switch", .Cvar = "mp_switch"},
        {.Kind = K::Check, .Name = "PR_local"},
        {.Kind = K::Combo, .Name = "PR_mode", .Cvar = "mp_mode", .Default = "1",
         .Values = {QStringLiteral("0"), QStringLiteral("10")}},
    };
    const struct {
        QStringList First;
        QStringList Order;
    } cases[] = {
        {{}, {"mp_limit", "mp_switch", "mp_mode"}},
        {{"mp_mode", "mp_switch"}, {"mp_mode", "mp_switch", "mp_limit"}},
    };
    for (const auto& c : cases) {
        const TCvarTable table = ControlRows::Cvars(rows, c.First);
        QStringList order;
        for (const TCvarRow& row : table)
            order << row.Cvar;
        EXPECT_EQ(order, c.Order) << c.First.join(' ').toStdString();
    }

    const TCvarTable table = ControlRows::Cvars(rows);
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[0].Control, QStringLiteral("PR_limit"));
    EXPECT_EQ(table[0].Read, TCvarRead::Number);
    EXPECT_EQ(table[0].Default, QStringLiteral("0"));
    EXPECT_EQ(table[1].Read, TCvarRead::Bool);
    EXPECT_TRUE(table[1].Default.isNull()) << "a row without a default is left alone";
    EXPECT_EQ(table[2].Read, TCvarRead::Index);
    EXPECT_EQ(table[2].Written, TCvarWrite::Raw);
    EXPECT_EQ(table[2].Values, (QStringList{QStringLiteral("0"), QStringLiteral("10")}));
}

class TProgramWindow : public TModWindow {
public:
    explicit TProgramWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override
    {
        using K = TControlKind;
        static const TControlRows rows{
            {.Kind = K::Group, .Name = "GB_Probe", .Caption = "Probe", .X = 8, .Y = 8, .W = 200, .H = 60},
            {.Kind = K::Program, .Name = "B_Tool", .Caption = "Tool", .X = 420, .Y = 24, .W = 130, .H = 30,
             .File = "tool.exe", .OnPage = true},
        };
        ControlRows::Build(*this, page, rows);
    }
};

TEST(ControlRows, ProgramButtonShowsWithItsFileAndStartsItInTheModFolder)
{
    for (const bool present : {false, true}) {
        TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("Probe Bot"));
        if (present)
            env.HL.AddFile(QStringLiteral("opera/tool.exe"), "MZ");
        TModTraits traits;
        traits.Key = QStringLiteral("Opera");   // borrows The Opera's row for its folder
        traits.Prefix = QStringLiteral("PB");
        TModLogic logic(traits);
        TProgramWindow w(logic);
        auto* tool = w.Control<QPushButton>(QStringLiteral("B_Tool"));
        ASSERT_NE(tool, nullptr);
        EXPECT_EQ(tool->parentWidget(), w.TS_Game) << "on the page, not in the group above it";
        EXPECT_EQ(tool->geometry(), QRect(420, 24, 130, 30));
        EXPECT_TRUE(tool->isHidden());
        w.FormActivate();
        EXPECT_EQ(tool->isHidden(), !present);
        if (!present)
            continue;

        // Started without parameters in the mod folder; when it cannot start the user is told
        // why, or at least which program did not start.
        const struct {
            bool Starts;
            const char* Error;
            QStringList Shown;
        } cases[] = {
            {true, "", {}},
            {false, "Can't start tool.exe: refused", {QStringLiteral("Can't start tool.exe: refused")}},
            {false, "", {QStringLiteral("Can't start tool.exe")}},
        };
        for (const auto& c : cases) {
            env.Dialogs.Clear();
            Shell::TRequest seen;
            Shell::SetStarter([&seen, &c](const Shell::TRequest& r, QString* error) {
                seen = r;
                if (error)
                    *error = QString::fromLatin1(c.Error);
                return c.Starts;
            });
            tool->click();
            Shell::SetStarter({});
            EXPECT_EQ(seen.File, QStringLiteral("tool.exe"));
            EXPECT_TRUE(seen.Parameters.isEmpty());
            EXPECT_EQ(QFileInfo(seen.WorkDir).canonicalFilePath(), QFileInfo(env.ModDir).canonicalFilePath());
            EXPECT_EQ(env.Dialogs.Texts(Dialogs::TKind::Error), c.Shown) << c.Error;
        }
    }
}

// A fixed line (no control) stands in the game.cfg table where its row stands; a caption row
// binds nothing.
TEST(ControlRows, FixedLinesKeepTheirPlace)
{
    using K = TControlKind;
    const TControlRows rows{
        {.Kind = K::Label, .Name = "Lab_money", .Caption = "Money", .X = 8, .Y = 13, .W = 130},
        {.Kind = K::Number, .Name = "PR_money", .X = 150, .Y = 10, .W = 66, .Max = 16000, .Digits = 5,
         .Step = 50, .Cvar = "mp_money"},
        {.Kind = K::Fixed, .Cvar = "mp_kick", .Default = "1"},
        {.Kind = K::Check, .Name = "PR_switch", .Caption = "Switch", .X = 8, .Y = 40, .W = 130, .Cvar = "mp_switch"},
    };
    const TCvarTable table = ControlRows::Cvars(rows);
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[0].Control, QStringLiteral("PR_money"));
    EXPECT_EQ(table[1].Cvar, QStringLiteral("mp_kick"));
    EXPECT_TRUE(table[1].Control.isEmpty());
    EXPECT_EQ(table[1].Written, TCvarWrite::Fixed);
    EXPECT_EQ(table[1].Literal, QStringLiteral("1"));
    EXPECT_EQ(table[2].Cvar, QStringLiteral("mp_switch"));
}

} // namespace
