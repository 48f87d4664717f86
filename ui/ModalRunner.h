#pragma once
// Every modal window of the program runs through here instead of calling exec() itself, so
// tests can drive the window (press its buttons, read its fields) instead of blocking on it.
#include <functional>

class QDialog;

namespace ModalRunner {

// Runs a modal window to its end and returns its result.
using TRunner = std::function<int(QDialog& dialog)>;

// Installs a runner; an empty one restores exec().
void Set(TRunner runner);
// Runs the window through the installed runner, or exec() when none is installed.
int Run(QDialog& dialog);

} // namespace ModalRunner
