#pragma once
// A game page's controls as data: each row declares one control once (its kind, objectName,
// caption, place, range, hint, and the game.cfg line it binds with that line's default). The
// window builds the page from the rows and the logic's cvar table comes from the same rows, so
// a control and its line are never joined by repeating a name in two places.
//
// Rows are built in order, which is also the order Tab follows. A row after a Group row lies in
// that group (unless it says OnPage); rows before the first group lie on the page itself.
#include "mods/common/ModCvars.h"

#include <QStringList>
#include <QVector>

class QWidget;
class TModWindow;

enum class TControlKind {
    Group,    // a titled frame: Caption, X, Y, W, H
    Number,   // a number field of Min..Max with at most Digits digits; a Caption puts its label
              // (LabelName) 98 px to the left of the field, 4 px lower, 90 px wide
    Check,    // a check box: Caption
    Combo,    // a chooser of Items; game.cfg takes Values[index], written bare
    Program,  // a button (Caption, X, Y, W, H) that starts the mod's own program File in the mod
              // folder; shown from the first activation on only where that file is there
    Label,    // a caption alone: Caption, X, Y, W (0: as wide as the text)
    Fixed,    // no control: game.cfg gets the Cvar line with Default where the row stands
};

struct TControlRow {
    TControlKind Kind = TControlKind::Group;
    const char* Name = "";
    const char* Caption = "";
    const char* LabelName = "";   // Number: its label's objectName
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;                    // Group and Program only
    int Min = 0;                  // Number only
    int Max = 0;
    int Digits = 0;
    int Step = 1;                 // Number only: what one arrow step adds
    const char* Hint = "";
    const char* Cvar = "";        // the game.cfg line the control binds; "" none
    // What LoadDefaults puts into the control (check boxes "0"/"1", choosers the item index,
    // fields the text); null: left as it stands.
    const char* Default = nullptr;
    QStringList Items;            // Combo only
    QStringList Values;           // Combo only: the cvar value of each item
    const char* File = "";        // Program only: the program's file name in the mod folder
    bool OnPage = false;          // lies on the page itself, not in the group above it
};

using TControlRows = QVector<TControlRow>;

namespace ControlRows {

// Builds the rows on page, each control connected to the window's modified mark.
void Build(TModWindow& w, QWidget* page, const TControlRows& rows);

// The game.cfg rows of the controls that bind one, in page order, except that the cvars named
// in first lead, in that order (a game.cfg that lists its lines in another order than the page
// shows them).
TCvarTable Cvars(const TControlRows& rows, const QStringList& first = {});

} // namespace ControlRows
