#include "mods/common/ControlRows.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"

#include <QGroupBox>
#include <QPushButton>

namespace ControlRows {

namespace {

QString Text(const char* text) { return QString::fromLatin1(text); }

TCvarRow CvarOf(const TControlRow& row)
{
    const QString def = row.Default ? Text(row.Default) : QString();
    switch (row.Kind) {
    case TControlKind::Number:
        return ModCvars::Number(Text(row.Cvar), Text(row.Name), def);
    case TControlKind::Check:
        return ModCvars::Check(Text(row.Cvar), Text(row.Name), def);
    case TControlKind::Combo:
        return ModCvars::Index(Text(row.Cvar), Text(row.Name), row.Values, def);
    case TControlKind::Fixed:
        return ModCvars::Fixed(Text(row.Cvar), def);
    case TControlKind::Group:
    case TControlKind::Program:
    case TControlKind::Label:
        break;
    }
    return {};
}

void AddProgramButton(TModWindow& w, QWidget* parent, const TControlRow& r)
{
    QPushButton* button = w.AddButton(parent, Text(r.Name), Text(r.Caption), r.X, r.Y, r.W, r.H);
    button->hide();
    const QString file = Text(r.File);
    QObject::connect(button, &QPushButton::clicked, &w, [&w, file] {
        w.StartProgram(file, FileSys::Resolve(FileSys::NormalizeSeparators(w.Logic().ModDir())));
    });
    w.AtFirstActivation([&w, button, file] {
        if (FileSys::FileExists(FileSys::JoinPath(w.Logic().ModDir(), file)))
            button->show();
    });
}

} // namespace

void Build(TModWindow& w, QWidget* page, const TControlRows& rows)
{
    QWidget* group = page;
    for (const TControlRow& r : rows) {
        QWidget* parent = r.OnPage ? page : group;
        switch (r.Kind) {
        case TControlKind::Group:
            group = w.AddGroup(page, Text(r.Name), Text(r.Caption), r.X, r.Y, r.W, r.H);
            break;
        case TControlKind::Number:
            if (*r.Caption)
                w.AddLabel(parent, Text(r.LabelName), Text(r.Caption), r.X - 98, r.Y + 4, 90);
            w.AddNumber(parent, Text(r.Name), r.Min, r.Max, r.Digits, r.X, r.Y, r.W, Text(r.Hint))->SetStep(r.Step);
            break;
        case TControlKind::Check:
            w.AddCheck(parent, Text(r.Name), Text(r.Caption), r.X, r.Y, r.W, Text(r.Hint));
            break;
        case TControlKind::Combo:
            w.AddCombo(parent, Text(r.Name), r.Items, r.X, r.Y, r.W, Text(r.Hint));
            break;
        case TControlKind::Program:
            AddProgramButton(w, parent, r);
            break;
        case TControlKind::Label:
            w.AddLabel(parent, Text(r.Name), Text(r.Caption), r.X, r.Y, r.W > 0 ? r.W : -1);
            break;
        case TControlKind::Fixed:
            break;
        }
    }
}

TCvarTable Cvars(const TControlRows& rows, const QStringList& first)
{
    TCvarTable table;
    for (const QString& cvar : first)
        for (const TControlRow& r : rows)
            if (Text(r.Cvar) == cvar)
                table << CvarOf(r);
    for (const TControlRow& r : rows)
        if (*r.Cvar && !first.contains(Text(r.Cvar)))
            table << CvarOf(r);
    return table;
}

} // namespace ControlRows
