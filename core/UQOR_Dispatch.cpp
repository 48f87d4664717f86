#include "core/UQOR_Dispatch.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "platform/Dialogs.h"

namespace UQOR {

namespace {

// The row of the selected mod; the lookup is case-sensitive, so a key in other letter case finds nothing.
TModRow* SelectedRow() { return ModTable::Find(UInit::SelectedMod); }

// Both confirmations end with a blank after the question mark, as the users have always seen.
bool AskReload(TModRow* row, const QString& which) {
    const QString text = QStringLiteral("Do you really want to reload your ") + which + QLatin1Char(' ')
                         + UInit::SelectedMod + QStringLiteral(" settings ? ");
    return Dialogs::Confirm(text, row->Window.data());
}

} // namespace

void RestoreDefaults() {
    TModRow* row = SelectedRow();
    if (!row)
        return;
    if (!AskReload(row, QStringLiteral("default")))
        return;
    if (row->Hooks.RestoreDefaults)
        row->Hooks.RestoreDefaults();
    // The restored defaults are not saved yet: closing the window must offer to save them.
    MarkModified();
}

void RestoreConf() {
    TModRow* row = SelectedRow();
    if (!row)
        return;
    if (!AskReload(row, QStringLiteral("previous")))
        return;
    // LoadConf clears the modified flag itself.
    if (row->Hooks.LoadConf)
        row->Hooks.LoadConf();
}

void MarkModified() {
    TModRow* row = SelectedRow();
    if (row && row->Hooks.MarkModified)
        row->Hooks.MarkModified();
}

} // namespace UQOR
