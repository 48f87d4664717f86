#pragma once
// The per-bot layout of a mod window as data. A window that serves several bot programs builds
// every control any of them needs, hidden where only some use it; a table with one row per bot
// program then says what the selected one shows: its controls, the pages only some programs
// have, the captions that read otherwise for it (a scale that runs from "Bad" to "Good"), the
// controls that move or change size to make room, and the sliders whose range is its own.
//
// How a mod uses it: in AfterBotSection, build the table from its members and call Apply with the
// selected bot's section name. A bot program without a row keeps the layout as built, except
// that the optional pages (those some row shows) are taken out.
#include <QString>
#include <QVector>

class QSlider;
class QTabWidget;
class QWidget;

struct TLayoutPage {
    QWidget* Page = nullptr;
    QString Caption;   // the page's tab text
};

struct TBotCaption {
    QWidget* Control = nullptr;   // a label, a button or check box, or a group's title
    QString Text;
};

// A new place: a negative field keeps what the control has.
struct TBotPlace {
    QWidget* Control = nullptr;
    int X = -1;
    int Y = -1;
    int Width = -1;
    int Height = -1;
};

struct TBotRange {
    QSlider* Slider = nullptr;
    int Maximum = 0;
};

struct TBotLayout {
    QString Bot;                  // the Mods file's section of the bot program
    QVector<QWidget*> Show;
    QVector<QWidget*> Hide;
    QVector<TBotCaption> Captions;
    QVector<TBotPlace> Places;
    QVector<QWidget*> Pages;      // optional pages it shows (of TBotLayouts::Pages)
    QVector<TBotRange> Ranges;
};

struct TBotLayouts {
    QTabWidget* Tabs = nullptr;
    // Every page of the window in tab order, with its caption: a page shown again goes back to
    // its place whichever others are out.
    QVector<TLayoutPage> Pages;
    QVector<TBotLayout> Rows;
};

namespace BotLayout {

// Takes out the optional pages, then applies the row of bot (none: nothing more).
void Apply(const TBotLayouts& layouts, const QString& bot);

bool PageShown(const TBotLayouts& layouts, QWidget* page);
// Puts page back among the tabs at its place; nothing when it is shown or not one of Pages.
void ShowPage(const TBotLayouts& layouts, QWidget* page);
void HidePage(const TBotLayouts& layouts, QWidget* page);

} // namespace BotLayout
