// Control rows: the game.cfg table a page's rows give (page order, the named lines first, rows
// that bind nothing left out, each kind read and written as its control holds it).
#include "mods/common/ControlRows.h"

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

} // namespace
