#pragma once
// Per-mod settings kept in QOR.ini, memo files (chat files and other free text of the mods) and
// the reading half of the game.cfg line format.
#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace UQOR {

// Reads or writes key in the selected mod's section ([UInit::SelectedMod]) of AppPath\QOR.ini.
// result is emptied first. mode "Read": result := the stored value ("" when the file or key is
// missing). mode "Write": stores value (the file and section are created when needed). Modes are
// compared case-sensitively; any other mode does nothing. Returns false only when a write could
// not be done (the file then keeps its old contents; result then says why when the file itself
// refused the text, e.g. a character its code page cannot hold) or no mod is selected.
bool AccessModSetting(const QString& key, const QString& value, const QString& mode,
                      QString& result);

// mode "Read": when folder + fileName exists, lines := its lines; otherwise lines stay as they
// are. mode "Write": with a non-empty fileName, folder + fileName is replaced by lines (CR LF);
// an empty fileName writes nothing. folder may end in "\" or "/" (or neither). Returns false with
// a message in error when the file could not be read or written; the file then keeps its old
// contents.
bool AccessMemoFile(const QString& mode, QStringList& lines, const QString& folder,
                    const QString& fileName, QString* error = nullptr);
// The text of a memo control as typed, lines separated by LF. (QPlainTextEdit::toPlainText
// also turns no-break spaces into plain ones, which would change a chat file's text on save.)
QString MemoText(const QPlainTextEdit* memo);

// The same for a memo control: its lines are the plain text's lines.
bool AccessMemoFile(const QString& mode, QPlainTextEdit* memo, const QString& folder,
                    const QString& fileName, QString* error = nullptr);

// Splits one configuration line ("mp_timelimit"<TAB><TAB>"20.00000") into name and value: a "/"
// starts a comment (except on sh_weapfileloc lines, whose value is a path), the first TAB (else
// the first blank) separates, one double quote at either end of name and value falls away, and
// for a mod whose profile reads whole-number cvars the value loses its decimals. A line without a separator gives an empty name
// and the whole line as value.
void SplitCvarLine(const QString& line, QString& name, QString& value);

// Two upper-case hexadecimal digits ("A0") as 0..255. Anything else (lower case, other
// characters, fewer than two characters) gives 0 with ok false, instead of an exception.
int HexPairToInt(const QString& text, bool* ok = nullptr);

} // namespace UQOR
