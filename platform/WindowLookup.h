#pragma once
#include <QString>
#include <functional>

namespace WindowLookup {
// True when a top-level window with exactly this title exists (Xlib on xcb; false elsewhere).
bool WindowExists(const QString& title);
// Tests decide the answer; pass {} to restore the real lookup.
void SetOverride(std::function<bool(const QString&)> lookup);
}
