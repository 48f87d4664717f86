#pragma once
// Palisade's configuration window: the template window with only its Bots and Chat pages; the
// bot editor shows the name and the skill.
#include "mods/common/ModWindow.h"

#include <QPointer>

class TFPalisade : public TModWindow {
    Q_OBJECT
public:
    explicit TFPalisade(QWidget* owner = nullptr);
    ~TFPalisade() override;

    // The template's change handler and modified method under the mod's names.
    void PA_OnChange() { OnChange(); }
    void PA_Modif_Param() { Modif_Param(); }

protected:
    void BuildExtraPages(QTabWidget* pages) override;
};

// The open window, or null.
extern QPointer<TFPalisade> FPalisade;
