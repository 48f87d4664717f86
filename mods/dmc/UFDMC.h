#pragma once
// Deathmatch Classic's configuration window: the template window with the game settings and the
// bot programs' "Misc Options" on the Game page and the bot property tabs (Properties,
// Behaviours, Weapons) over the 16-slot record. Which controls a bot program shows is one table.
#include "mods/common/ModWindow.h"

#include <QPointer>

class TBotPropertyTabs;

class TFDMC : public TModWindow {
    Q_OBJECT
public:
    explicit TFDMC(QWidget* owner = nullptr);
    ~TFDMC() override;

    TBotPropertyTabs* BotTabs = nullptr;

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;
    void AfterBotSection(const TIniFile& modsIni, const QString& section) override;
};

extern QPointer<TFDMC> FDMC;
