#include "mods/palisade/UFPalisade.h"

#include "mods/palisade/UPalisade.h"

QPointer<TFPalisade> FPalisade;

TFPalisade::TFPalisade(QWidget* owner) : TModWindow(UPalisade::Logic(), owner)
{
    BuildWindow();
}

TFPalisade::~TFPalisade() = default;
