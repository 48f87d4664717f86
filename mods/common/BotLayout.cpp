#include "mods/common/BotLayout.h"

#include "mods/common/ModCvars.h"

#include <QSlider>
#include <QTabWidget>

namespace BotLayout {

bool PageShown(const TBotLayouts& layouts, QWidget* page)
{
    return layouts.Tabs && page && layouts.Tabs->indexOf(page) >= 0;
}

void HidePage(const TBotLayouts& layouts, QWidget* page)
{
    if (PageShown(layouts, page))
        layouts.Tabs->removeTab(layouts.Tabs->indexOf(page));
}

void ShowPage(const TBotLayouts& layouts, QWidget* page)
{
    if (!layouts.Tabs || !page || PageShown(layouts, page))
        return;
    int at = 0;
    for (const TLayoutPage& p : layouts.Pages) {
        if (p.Page == page) {
            layouts.Tabs->insertTab(at, page, p.Caption);
            return;
        }
        if (PageShown(layouts, p.Page))
            ++at;
    }
}

void Apply(const TBotLayouts& layouts, const QString& bot)
{
    for (const TBotLayout& row : layouts.Rows)
        for (QWidget* page : row.Pages)
            HidePage(layouts, page);
    for (const TBotLayout& row : layouts.Rows) {
        if (row.Bot != bot)
            continue;
        for (QWidget* page : row.Pages)
            ShowPage(layouts, page);
        for (QWidget* w : row.Show)
            w->show();
        for (QWidget* w : row.Hide)
            w->hide();
        for (const TBotCaption& c : row.Captions)
            ModControls::SetCaption(c.Control, c.Text);
        for (const TBotPlace& p : row.Places) {
            const QRect now = p.Control->geometry();
            p.Control->setGeometry(p.X < 0 ? now.x() : p.X, p.Y < 0 ? now.y() : p.Y,
                                   p.Width < 0 ? now.width() : p.Width, p.Height < 0 ? now.height() : p.Height);
        }
        for (const TBotRange& r : row.Ranges)
            r.Slider->setMaximum(r.Maximum);
    }
}

} // namespace BotLayout
