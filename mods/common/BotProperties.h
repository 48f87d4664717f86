#pragma once
// The bot property tabs some mods put over their bot record: the template's "Bot Properties"
// group becomes a tab control whose first page ("Properties") keeps the template's name, model,
// picture and skill, and whose further pages hold one slider per record slot (the traits on
// "Behaviours", the weapon preferences on "Weapons"). The sliders are declared once, as rows:
// the record's slot, its [Bot N] key, its control, its caption, its read default and the value a
// new bot starts with; the store rows, the record shown, the cleared editor and the new bot all
// come from that one declaration. Half-Life Deathmatch (24 slots) and Deathmatch Classic (16)
// use it.
//
// Also here: the trait scaling the bot files of several mods share.
#include "mods/common/ModStore.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

class QSlider;
class QLabel;
class QTabWidget;
class QWidget;
class TModWindow;
struct TBot;

namespace BotProperties {

// A trait of 1..100 as the bot programs take it: (v + 10) / 10 rounded to the nearest whole
// number, halves away from zero (1 -> "1", 5 -> "2", 45 -> "6", 88 -> "10", 100 -> "11"). A
// value that is no whole number counts as def.
QString ScaleTrait(const QString& value, int def = 1);

} // namespace BotProperties

// Which of the property pages a slider sits on.
enum class TBotPage { Behaviours, Weapons };

struct TBotSliderRow {
    int Slot = -1;
    QString Key;          // the [Bot N] key ("ACCURACY")
    QString Control;      // objectName ("DM_accuracy")
    QString Caption;      // the label beside it ("Accuracy")
    TBotPage Page = TBotPage::Behaviours;
    QString ReadDefault;  // a missing key, or one that is no whole number
    QString NewValue;     // the plain create button's value, and the cleared editor's
    int Min = 1;
    int Max = 100;
    // Shown only for some bot programs (the selected bot's section decides); empty: always.
    std::function<bool()> When;
};

using TBotSliderTable = QVector<TBotSliderRow>;

namespace BotProperties {
// The store rows of the sliders' slots (range Min..Max, the read default): a mod's
// BotStoreRows() takes them as they are.
TStoreTable StoreRows(const TBotSliderTable& rows);
} // namespace BotProperties

// The sliders over a bot record's slots, from one table of rows: what the record shown, the
// cleared editor, the new bot and the store rows do with them. The two kinds below place them.
class TBotSliders : public QObject {
    Q_OBJECT
public:
    QVector<QSlider*> Sliders;   // in row order
    QVector<QLabel*> Labels;

    const TBotSliderTable& Rows() const { return m_rows; }

    // The store rows of the record's slots (range Min..Max, the read default).
    TStoreTable StoreRows() const;
    // ShowBot's step: each slider at its slot's value (a value that is no whole number as the
    // row's read default). No change signal.
    void ShowRecord(const TBot& bot);
    // ClearBotFields' step: each slider at its row's new-bot value.
    void Clear();
    // The new bot's slots: the rows' new-bot values, or random ones within each slider's range.
    void FillNew(TBot& bot, bool random) const;

protected:
    TBotSliders(TModWindow& window, TBotSliderTable rows);
    // A slider of row i at (x, y) inside parent, its user's moves stored into the focused bot's
    // slot (and the mod marked modified).
    QSlider* AddSlider(QWidget* parent, int i, int x, int y, int width, int pageStep);

    TModWindow& m_window;
    TBotSliderTable m_rows;

private:
    void SliderChanged(int row);
};

class TBotPropertyTabs : public TBotSliders {
    Q_OBJECT
public:
    // Builds the tabs inside the window's GB_BotProp (the template's controls move onto the
    // "Properties" page). Page names: <Prefix>_TS_BotProp, <Prefix>_TS_BotBehav,
    // <Prefix>_TS_BotWeap. Call from BuildExtraPages.
    TBotPropertyTabs(TModWindow& window, TBotSliderTable rows);

    QTabWidget* Tabs = nullptr;
    QWidget* Properties = nullptr;
    QWidget* Behaviours = nullptr;
    QWidget* Weapons = nullptr;

    // The first activation's step: the pages shown (the Properties page always) and, on them,
    // the sliders whose rows hold for the selected bot.
    void ShowPages(bool behaviours, bool weapons);
};

// A few trait sliders straight in the window's "Bot Properties" group, one under the other with
// their caption and "Low" / "High" under each (Parabot's accuracy, aggression and perception in
// Opposing Force), hidden until the bot program that reads them is chosen. Names: the row's
// Control, Lab_<Control> for its caption, <Control>_low and <Control>_high.
class TBotSliderColumn : public TBotSliders {
    Q_OBJECT
public:
    // Call from BuildExtraPages; (x, y) is the first caption's place, step the rows' distance.
    TBotSliderColumn(TModWindow& window, TBotSliderTable rows, int x, int y, int step = 38);

    // Every slider with its labels shown or hidden.
    void SetShown(bool shown);

private:
    QVector<QWidget*> m_widgets;
};
