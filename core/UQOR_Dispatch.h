#pragma once
// The three entry points through which the shared parts of a mod window reach the selected
// mod's own logic, without knowing which mod it is. Each is one lookup of UInit::SelectedMod
// in the mod table (case-sensitive); a key outside the table does nothing at all.

namespace UQOR {

// "Restore Default": asks "Do you really want to reload your default <mod> settings ? " (Yes/No,
// parented to the open mod window). On Yes runs the row's Hooks.RestoreDefaults (the mod's
// LoadDefaults, its bot reader and chat memo read) and then marks the mod modified, so closing
// the window offers to save the restored values. On No nothing changes.
void RestoreDefaults();

// "Restore Config": asks "Do you really want to reload your previous <mod> settings ? "; on Yes
// runs the row's Hooks.LoadConf (which clears the modified flag itself). Nothing else.
void RestoreConf();

// Sets the open window's modified flag through the row's Hooks.MarkModified. Called by the
// shared map-list and bot-list routines after each edit; mod windows may call it too.
void MarkModified();

} // namespace UQOR
