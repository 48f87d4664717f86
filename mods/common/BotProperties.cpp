#include "mods/common/BotProperties.h"

#include "core/Types.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

namespace BotProperties {

QString ScaleTrait(const QString& value, int def)
{
    bool ok = false;
    int v = value.trimmed().toInt(&ok);
    if (!ok)
        v = def;
    // (v + 10) / 10 to the nearest whole number, halves away from zero, in whole numbers so no
    // float rounding can tip a half either way.
    const qint64 n = qint64(v) + 10;
    const qint64 scaled = n >= 0 ? (n + 5) / 10 : -((-n + 5) / 10);
    return QString::number(scaled);
}

} // namespace BotProperties

namespace {

// The Properties page is smaller than the group it replaces: the template's controls keep their
// columns and move up into it, the picture a little smaller.
void MoveUp(QWidget* w, int dy)
{
    if (w)
        w->move(w->x(), w->y() - dy);
}

} // namespace

TBotSliders::TBotSliders(TModWindow& window, TBotSliderTable rows)
    : QObject(&window), m_window(window), m_rows(std::move(rows))
{
}

QSlider* TBotSliders::AddSlider(QWidget* parent, int i, int x, int y, int width, int pageStep)
{
    const TBotSliderRow& r = m_rows[i];
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(r.Control);
    s->setRange(r.Min, r.Max);
    s->setPageStep(pageStep);
    s->setGeometry(x, y, width, 22);
    connect(s, &QSlider::valueChanged, this, [this, i] { SliderChanged(i); });
    Sliders << s;
    return s;
}

TBotPropertyTabs::TBotPropertyTabs(TModWindow& window, TBotSliderTable rows)
    : TBotSliders(window, std::move(rows))
{
    QGroupBox* group = window.GB_BotProp;
    if (!group)
        return;
    const QObjectList children = group->children();
    Tabs = new QTabWidget(group);
    Tabs->setObjectName(window.Prefixed(QStringLiteral("PC_BotProp")));
    Tabs->setGeometry(4, 18, group->width() - 8, group->height() - 22);
    auto page = [this, &window](const QString& name, const QString& caption) {
        auto* p = new QWidget;
        p->setObjectName(window.Prefixed(name));
        p->setAutoFillBackground(true);
        p->setPalette(window.palette());
        Tabs->addTab(p, caption);
        return p;
    };
    Properties = page(QStringLiteral("TS_BotProp"), QStringLiteral("Properties"));
    Behaviours = page(QStringLiteral("TS_BotBehav"), QStringLiteral("Behaviours"));
    Weapons = page(QStringLiteral("TS_BotWeap"), QStringLiteral("Weapons"));

    for (QObject* o : children) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w)
            continue;
        const bool hidden = w->isHidden();
        w->setParent(Properties);
        MoveUp(w, 20);
        if (!hidden)
            w->show();
    }
    if (window.BotPic && window.BotPic->parentWidget()) {
        QWidget* frame = window.BotPic->parentWidget();
        frame->setGeometry(frame->x(), 2, 150, 170);
        window.BotPic->setGeometry(2, 2, 146, 166);
        window.BotPic->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{window.Botskill, window.Label16, window.Label1,
                                                      window.Label65, window.Label67})
        MoveUp(w, 34);
    if (QWidget* label = window.findChild<QWidget*>(QStringLiteral("LabelSkill")))
        MoveUp(label, 34);

    QLabel* low = window.AddLabel(Behaviours, QStringLiteral("Label_Low"), QStringLiteral("Low"), 112, 4, 40);
    QLabel* high = window.AddLabel(Behaviours, QStringLiteral("Label_High"), QStringLiteral("High"), 296, 4, 40);
    Q_UNUSED(low);
    Q_UNUSED(high);

    int behaviour = 0;
    int weapons = 0;
    int weaponCount = 0;
    for (const TBotSliderRow& r : std::as_const(m_rows))
        weaponCount += r.Page == TBotPage::Weapons;
    // A short list stands in one column with room for long captions, a long one in two.
    const int perColumn = weaponCount <= 8 ? weaponCount : (weaponCount + 1) / 2;
    const int columnWidth = weaponCount <= 8 ? Weapons->width() : 172;
    const int weaponStep = weaponCount <= 8 ? 26 : 30;
    for (int i = 0; i < m_rows.size(); ++i) {
        const TBotSliderRow& r = m_rows[i];
        QWidget* parent = r.Page == TBotPage::Behaviours ? Behaviours : Weapons;
        int x = 8;
        int y = 0;
        int labelWidth = 96;
        int sliderWidth = 200;
        if (r.Page == TBotPage::Behaviours) {
            y = 22 + behaviour++ * 38;
        } else {
            const int column = perColumn > 0 ? weapons / perColumn : 0;
            y = 6 + (weapons % qMax(1, perColumn)) * weaponStep;
            x = 6 + column * columnWidth;
            ++weapons;
            labelWidth = weaponCount <= 8 ? 120 : 66;
            sliderWidth = weaponCount <= 8 ? 200 : 98;
        }
        QLabel* label = window.AddLabel(parent, r.Control + QStringLiteral("_label"), r.Caption, x,
                                        y + 4, labelWidth);
        AddSlider(parent, i, x + labelWidth + 4, y, sliderWidth, 10);
        Labels << label;
    }
    Clear();
}

void TBotSliders::SliderChanged(int row)
{
    if (UInit::LoadingDone != 1 || !m_window.ListBot)
        return;
    QVector<TBot>& bots = m_window.Logic().Bots();
    const int i = m_window.ListBot->currentRow();
    if (i < 0 || i >= bots.size())
        return;
    bots[i][m_rows[row].Slot] = QString::number(Sliders[row]->value());
    m_window.Modif_Param();
}

TStoreTable BotProperties::StoreRows(const TBotSliderTable& table)
{
    TStoreTable rows;
    for (const TBotSliderRow& r : table)
        rows << ModStore::Slot(r.Key, r.Slot, r.ReadDefault, r.Min, r.Max);
    return rows;
}

TStoreTable TBotSliders::StoreRows() const
{
    return BotProperties::StoreRows(m_rows);
}

void TBotSliders::ShowRecord(const TBot& bot)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        bool ok = false;
        int v = bot[m_rows[i].Slot].trimmed().toInt(&ok);
        if (!ok)
            v = m_rows[i].ReadDefault.toInt();
        const QSignalBlocker block(Sliders[i]);
        Sliders[i]->setValue(v);
    }
}

void TBotSliders::Clear()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        const QSignalBlocker block(Sliders[i]);
        Sliders[i]->setValue(m_rows[i].NewValue.toInt());
    }
}

void TBotSliders::FillNew(TBot& bot, bool random) const
{
    for (const TBotSliderRow& r : m_rows)
        bot[r.Slot] = random ? QString::number(UQOR::RandomInRange(r.Min, r.Max)) : r.NewValue;
}

void TBotPropertyTabs::ShowPages(bool behaviours, bool weapons)
{
    if (!Tabs)
        return;
    Tabs->setTabVisible(Tabs->indexOf(Behaviours), behaviours);
    Tabs->setTabVisible(Tabs->indexOf(Weapons), weapons);
    for (int i = 0; i < m_rows.size(); ++i) {
        const bool on = !m_rows[i].When || m_rows[i].When();
        Sliders[i]->setVisible(on);
        Labels[i]->setVisible(on);
    }
}

TBotSliderColumn::TBotSliderColumn(TModWindow& window, TBotSliderTable rows, int x, int y, int step)
    : TBotSliders(window, std::move(rows))
{
    QWidget* group = window.GB_BotProp;
    if (!group)
        return;
    for (int i = 0; i < m_rows.size(); ++i) {
        const TBotSliderRow& r = m_rows[i];
        const int top = y + i * step;
        QLabel* caption = window.AddLabel(group, QStringLiteral("Lab_") + r.Control, r.Caption, x, top + 2, 66);
        QSlider* s = AddSlider(group, i, x + 68, top, 118, 1);
        QLabel* low = window.AddLabel(group, r.Control + QStringLiteral("_low"), QStringLiteral("Low"), x + 68,
                                      top + 20, 30);
        QLabel* high = window.AddLabel(group, r.Control + QStringLiteral("_high"), QStringLiteral("High"),
                                       x + 156, top + 20, 30);
        Labels << caption;
        m_widgets << caption << s << low << high;
    }
    Clear();
    SetShown(false);
}

void TBotSliderColumn::SetShown(bool shown)
{
    for (QWidget* w : std::as_const(m_widgets))
        w->setVisible(shown);
}
