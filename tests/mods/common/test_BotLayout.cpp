// The per-bot layout table: only the selected bot's row applies, the optional pages come back at
// their place in the tab order, and a place's negative fields keep what the control had.
#include "mods/common/BotLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QStringList TabTexts(const QTabWidget& tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts << tabs.tabText(i);
    return texts;
}

TEST(BotLayout, AppliesOnlyTheSelectedBotsRowAndKeepsThePageOrder)
{
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    QWidget* pages[4];
    const char* captions[] = {"Game", "Bots", "A.I.", "Skills"};
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        tabs->addTab(pages[i], QStringLiteral("built %1").arg(i));
    }
    auto* scale = new QLabel(QStringLiteral("Good"), &window);
    auto* group = new QGroupBox(QStringLiteral("Options"), &window);
    auto* extra = new QLabel(&window);
    extra->hide();
    auto* slider = new QSlider(&window);
    slider->setRange(0, 5);
    slider->setGeometry(10, 20, 200, 24);

    TBotLayouts layouts{tabs, {}, {}};
    for (int i = 0; i < 4; ++i)
        layouts.Pages.append({pages[i], QString::fromLatin1(captions[i])});
    layouts.Rows = {
        {.Bot = QStringLiteral("Both"),
         .Show = {extra},
         .Hide = {group},
         .Captions = {{scale, QStringLiteral("Bad")}, {group, QStringLiteral("Both options")}},
         .Places = {{slider, -1, 30, 120}},
         .Pages = {pages[3], pages[2]},
         .Ranges = {{slider, 100}}},
        {.Bot = QStringLiteral("Skills only"), .Pages = {pages[3]}},
    };

    const struct {
        const char* Bot;
        QStringList Tabs;
    } cases[] = {
        {"Nobody", {"built 0", "built 1"}},
        {"Skills only", {"built 0", "built 1", "Skills"}},
        // A.I. goes back before Skills, which is already shown.
        {"Both", {"built 0", "built 1", "A.I.", "Skills"}},
    };
    for (const auto& c : cases) {
        BotLayout::Apply(layouts, QString::fromLatin1(c.Bot));
        EXPECT_EQ(TabTexts(*tabs), c.Tabs) << c.Bot;
        if (QByteArray(c.Bot) != "Both")
            EXPECT_TRUE(extra->isHidden()) << c.Bot;
    }
    EXPECT_FALSE(extra->isHidden());
    EXPECT_TRUE(group->isHidden());
    EXPECT_EQ(scale->text(), QStringLiteral("Bad"));
    EXPECT_EQ(group->title(), QStringLiteral("Both options"));
    EXPECT_EQ(slider->geometry(), QRect(10, 30, 120, 24));
    EXPECT_EQ(slider->maximum(), 100);
}

} // namespace
