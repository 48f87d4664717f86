#include "ui/ModalRunner.h"

#include <QDialog>

#include <utility>

namespace ModalRunner {

namespace {

TRunner& Installed()
{
    static TRunner runner;
    return runner;
}

} // namespace

void Set(TRunner runner)
{
    Installed() = std::move(runner);
}

int Run(QDialog& dialog)
{
    if (const TRunner& runner = Installed())
        return runner(dialog);
    return dialog.exec();
}

} // namespace ModalRunner
