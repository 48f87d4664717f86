#include "core/UQOR_Bots.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Dispatch.h"
#include "core/UQOR_Maps.h"
#include "ui/NumberEdit.h"
#include "platform/FileSys.h"
#include "platform/Jpeg.h"
#include "ui/UPreview.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHash>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>
#include <QVariant>

#include <algorithm>
#include <utility>

namespace {

const QString kRocket = QStringLiteral("Rocket");

bool SelectedIs(const QString& key) { return UInit::SelectedMod == key; }

TModRow* SelectedRow() { return ModTable::Find(UInit::SelectedMod); }

// Rocket Crowbar keeps its bots in TRocBot records; every other mod in the TBot array passed in.
QVector<TRocBot>* RocketRecords() {
    if (!SelectedIs(kRocket))
        return nullptr;
    TModRow* row = SelectedRow();
    return row ? &row->RocBots : nullptr;
}

// A focused bot whose record exists; -1 otherwise. Records are sized by the caller, but a list
// that runs ahead of its array must not write out of bounds.
int FocusedBot(QListWidget* list, int recordCount) {
    if (!list)
        return -1;
    const int i = list->currentRow();
    if (i < 0 || i >= list->count() || i >= recordCount)
        return -1;
    return i;
}

int RecordCount(const QVector<TBot>& bots) {
    if (const QVector<TRocBot>* roc = RocketRecords())
        return static_cast<int>(roc->size());
    return static_cast<int>(bots.size());
}

// Model numbers: Counter-Strike stores the chooser's index; these mods store index + 1 (a class
// number); every other mod the model's name.
bool StoresOneBasedModel(const QString& key) {
    static const QSet<QString> keys{
        QStringLiteral("Dod"),       QStringLiteral("Botm"),          QStringLiteral("DragonmodZ"),
        QStringLiteral("Existence"), QStringLiteral("Frontline"),     QStringLiteral("GlobalWarfare"),
        QStringLiteral("TFC"),       QStringLiteral("Wizwars")};
    return keys.contains(key);
}

// The mods whose pictures are named after the side and the class: "<team>_<class>".
bool UsesSidePictures(const QString& key) {
    static const QSet<QString> keys{QStringLiteral("CStrike"),   QStringLiteral("Dod"),
                                    QStringLiteral("Existence"), QStringLiteral("Frontline"),
                                    QStringLiteral("GlobalWarfare"), QStringLiteral("TFC")};
    return keys.contains(key);
}

// The mods whose player models lie in their own <moddir>\models\player.
bool HasOwnModelFolder(const QString& key) {
    static const QSet<QString> keys{QStringLiteral("Action"),   QStringLiteral("EFMatch"),
                                    QStringLiteral("Goldeneye"), QStringLiteral("Holywars"),
                                    QStringLiteral("Judgedm"),  QStringLiteral("Opera")};
    return keys.contains(key);
}

// The subfolder of AppPath\models holding a mod's pictures ("" for none).
QString PictureSubfolder(const QString& key) {
    static const QHash<QString, QString> folders{
        {QStringLiteral("Botm"), QStringLiteral("Botm\\")},
        {QStringLiteral("CStrike"), QStringLiteral("cs\\")},
        {QStringLiteral("Dod"), QStringLiteral("dod\\")},
        {QStringLiteral("DragonmodZ"), QStringLiteral("DragonmodZ\\")},
        {QStringLiteral("ESForces"), QStringLiteral("ESForces\\")},
        {QStringLiteral("Existence"), QStringLiteral("Existence\\")},
        {QStringLiteral("Frontline"), QStringLiteral("flf\\")},
        {QStringLiteral("Gathering"), QStringLiteral("Gathering\\")},
        {QStringLiteral("GlobalWarfare"), QStringLiteral("Global\\")},
        {QStringLiteral("Op4"), QStringLiteral("op4\\")},
        {QStringLiteral("TFC"), QStringLiteral("tfc\\")},
        {QStringLiteral("VS"), QStringLiteral("VS\\")},
        {QStringLiteral("Wantedhl"), QStringLiteral("Wanted\\")},
        {QStringLiteral("Wizwars"), QStringLiteral("Wizwars\\")}};
    return folders.value(key);
}

// The team mods: their choosers, the number-of-teams control and the teamplay option.
struct TTeamMod {
    QString Key;
    QString ChooserStem;     // objectName of chooser k is stem + k
    int Choosers;
    QString BotModel;        // the bot-model chooser filled with the same models
    QString NumTeams;
    QString Teamplay;        // a check/radio button, or Rocket's game-type combo
};

const QVector<TTeamMod>& TeamMods() {
    static const QVector<TTeamMod> mods{
        {QStringLiteral("Darkmatch"), QStringLiteral("DK_team"), 9, QStringLiteral("DK_botmodel"),
         QStringLiteral("DK_numteam"), QStringLiteral("DK_teamplay")},
        {QStringLiteral("Deathmatch"), QStringLiteral("DM_Team"), 10, QStringLiteral("DM_BotModel"),
         QStringLiteral("DM_numteam"), QStringLiteral("DM_teamplay")},
        {QStringLiteral("EFMatch"), QStringLiteral("EF_team"), 10, QStringLiteral("EF_botmodel"),
         QStringLiteral("EF_numteam"), QStringLiteral("EF_teamplay")},
        {QStringLiteral("Gathering"), QStringLiteral("GA_team"), 10, QStringLiteral("GA_botmodel"),
         QStringLiteral("GA_numteam"), QStringLiteral("GA_teamplay")},
        {QStringLiteral("Rocket"), QStringLiteral("RC_team"), 6, QStringLiteral("RC_botmodel"),
         QStringLiteral("RC_numteam"), QStringLiteral("RC_Teamplay")},
        {QStringLiteral("Snark_wars"), QStringLiteral("SW_team"), 9, QStringLiteral("SW_botmodel"),
         QStringLiteral("SW_numteam"), QStringLiteral("SW_teamplay")},
        {QStringLiteral("SVInstaGib"), QStringLiteral("SV_team"), 9, QStringLiteral("SV_botmodel"),
         QStringLiteral("SV_numteam"), QStringLiteral("SV_teamplay")},
    };
    return mods;
}

const TTeamMod* FindTeamMod(const QString& key) {
    for (const TTeamMod& m : TeamMods())
        if (m.Key == key)
            return &m;
    return nullptr;
}

QWidget* OpenWindowOf(const QString& key) {
    TModRow* row = ModTable::Find(key);
    return row ? row->Window.data() : nullptr;
}

QComboBox* ComboIn(QWidget* window, const QString& name) {
    return window ? window->findChild<QComboBox*>(name) : nullptr;
}

// Replaces a chooser's items. Like the original's choosers, a refilled one has no item chosen;
// its signals stay quiet so that no change handler mistakes the refill for a user's choice.
void ReplaceItems(QComboBox* combo, const QStringList& items) {
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

int FindTeamIndexFor(const QString& key, const QString& name) {
    QStringList items;
    if (key == QLatin1String("EFMatch") || key == QLatin1String("Gathering")) {
        QComboBox* models = ComboIn(OpenWindowOf(key), key == QLatin1String("EFMatch")
                                                           ? QStringLiteral("EF_botmodel")
                                                           : QStringLiteral("GA_botmodel"));
        if (models)
            for (int i = 0; i < models->count(); ++i)
                items << models->itemText(i);
    } else {
        items = UInit::ModelList;
    }
    const QString wanted = name.trimmed().toLower();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].trimmed().toLower() == wanted)
            return i;
    return -1;
}

// The number-of-teams control shows the count within its own bounds: the mod windows' number
// field, a plain line edit, or a control with a "value" property (a spin box keeps it within
// its bounds itself).
void SetTeamCount(QWidget* control, int k) {
    if (!control)
        return;
    const QSignalBlocker block(control);
    if (auto* number = qobject_cast<TNumberEdit*>(control))
        number->SetValue(qBound(number->Minimum(), k, number->Maximum()));
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(QString::number(k));
    else if (control->metaObject()->indexOfProperty("value") >= 0)
        control->setProperty("value", k);
}

bool TeamplayOn(QWidget* window, const TTeamMod& mod) {
    if (!window)
        return false;
    QWidget* option = window->findChild<QWidget*>(mod.Teamplay);
    if (auto* combo = qobject_cast<QComboBox*>(option))
        return combo->currentIndex() > 0;   // Rocket: Teamplay or Capture the Flag
    if (auto* button = qobject_cast<QAbstractButton*>(option))
        return button->isChecked();
    return false;
}

} // namespace

namespace UQOR {

void AddBotRecord(int& count, QVector<TBot>& bots, const QString& name, const QString& model,
                  const QString& skill, const QString& param1, const QString& param2,
                  QListWidget* list) {
    if (count < 0)
        count = 0;
    if (bots.size() <= count)
        bots.resize(count + 1);
    TBot& bot = bots[count];
    bot[0] = name;
    bot[1] = model;
    bot[2] = skill;
    bot[3] = param1;
    bot[4] = param2;
    ++count;
    if (list) {
        list->addItem(name);
        FocusListRow(list, list->count() - 1, true);
    }
    MarkModified();
}

void SwapBots(QVector<TBot>& bots, int a, int b) {
    TModRow* row = SelectedRow();
    if (row && row->Hooks.SwapBots) {
        row->Hooks.SwapBots(a, b);
        return;
    }
    if (QVector<TRocBot>* roc = RocketRecords()) {
        if (a < 0 || b < 0 || a >= roc->size() || b >= roc->size())
            return;
        std::swap((*roc)[a], (*roc)[b]);
    } else {
        if (a < 0 || b < 0 || a >= bots.size() || b >= bots.size())
            return;
        std::swap(bots[a], bots[b]);
    }
    MarkModified();
}

void MoveBot(int step, QListWidget* list, QVector<TBot>& bots) {
    if (!list || (step != -1 && step != 1))
        return;
    const int i = list->currentRow();
    // Entry and record move together, or not at all: a list that runs ahead of its records
    // would otherwise pair names with other bots' settings.
    const int count = std::min(list->count(), RecordCount(bots));
    const bool can = step == -1 ? (i > 0 && i < count) : (i >= 0 && i < count - 1);
    if (!can)
        return;
    SwapBots(bots, i, i + step);
    QListWidgetItem* item = list->takeItem(i);
    list->insertItem(i + step, item);
    FocusListRow(list, i + step, true);
}

void DeleteSelectedBots(int& count, QVector<TBot>& bots, QListWidget* list) {
    if (!list)
        return;
    int focus = list->currentRow();
    int recordHigh = RecordCount(bots) - 1;
    int i = 0;
    int last = list->count() - 1;
    while (i <= last) {
        if (list->item(i)->isSelected()) {
            const int before = list->count();
            delete list->takeItem(i);
            // The deleted record travels behind the last one in use; the caller cuts it off.
            for (int j = i; j < recordHigh; ++j)
                SwapBots(bots, j, j + 1);
            --recordHigh;
            count = std::max(0, count - 1);
            focus = std::min(i, before - 2);
            --last;
        } else {
            ++i;
        }
    }
    FocusListRow(list, focus, true);
    MarkModified();
}

void SetBotName(QListWidget* list, QLineEdit* nameEdit, QVector<TBot>& bots) {
    if (UInit::LoadingDone != 1 || !nameEdit)
        return;
    const int i = FocusedBot(list, RecordCount(bots));
    const QString name = nameEdit->text();
    if (i < 0 || name.isEmpty())
        return;
    list->item(i)->setText(name);
    if (QVector<TRocBot>* roc = RocketRecords())
        (*roc)[i][0] = name;
    else
        bots[i][0] = name;
    MarkModified();
}

void SetBotSkill(QListWidget* list, QVector<TBot>& bots, int position) {
    if (UInit::LoadingDone != 1)
        return;
    const int i = FocusedBot(list, RecordCount(bots));
    if (i < 0)
        return;
    if (QVector<TRocBot>* roc = RocketRecords())
        (*roc)[i][2] = QString::number(position);
    else
        bots[i][2] = QString::number(position);
    MarkModified();
}

void SetBotSkill(QListWidget* list, QVector<TBot>& bots, QSlider* skill) {
    if (skill)
        SetBotSkill(list, bots, skill->value());
}

namespace {
void SetBotSlot(QListWidget* list, QVector<TBot>& bots, int slot, const QString& text) {
    if (UInit::LoadingDone != 1)
        return;
    const int i = FocusedBot(list, static_cast<int>(bots.size()));
    if (i < 0)
        return;
    bots[i][slot] = text;
    MarkModified();
}
} // namespace

void SetBotParam1(QListWidget* list, QVector<TBot>& bots, const QString& text) {
    SetBotSlot(list, bots, 3, text);
}

void SetBotParam2(QListWidget* list, QVector<TBot>& bots, const QString& text) {
    SetBotSlot(list, bots, 4, text);
}

void StepBotModel(const QString& mode, QListWidget* list, QComboBox* chooser, QLabel* picture,
                  QVector<TBot>& bots) {
    if (UInit::LoadingDone != 1 || !chooser)
        return;
    const int i = FocusedBot(list, RecordCount(bots));
    if (i < 0)
        return;

    const int index = chooser->currentIndex();
    bool changed = false;
    if (mode == QLatin1String("Prev")) {
        if (index > 0) {
            const QSignalBlocker block(chooser);
            chooser->setCurrentIndex(index - 1);
            changed = true;
        }
    } else if (mode == QLatin1String("Next")) {
        if (index < chooser->count() - 1) {
            const QSignalBlocker block(chooser);
            chooser->setCurrentIndex(index + 1);
            changed = true;
        }
    } else if (mode == QLatin1String("All")) {
        changed = !chooser->currentText().isEmpty();
    }
    if (!changed)
        return;

    const QString& key = UInit::SelectedMod;
    QString model = chooser->currentText();
    if (key == QLatin1String("CStrike"))
        model = QString::number(chooser->currentIndex());
    else if (StoresOneBasedModel(key))
        model = QString::number(chooser->currentIndex() + 1);

    QString pictureName = model;
    if (QVector<TRocBot>* roc = RocketRecords()) {
        (*roc)[i][1] = model;
    } else {
        TBot& bot = bots[i];
        QComboBox* gameType = key == QLatin1String("Op4")
                                  ? ComboIn(OpenWindowOf(key), QStringLiteral("OF_Gametype"))
                                  : nullptr;
        if (gameType && gameType->currentIndex() == 2)   // Capture the Flag: the CTF model slot
            bot[4] = QString::number(chooser->currentIndex());
        else
            bot[1] = model;
        if (UsesSidePictures(key))
            pictureName = bot[3] + QLatin1Char('_') + bot[1];
    }
    if (picture)
        ShowModelPicture(picture, pictureName);
    MarkModified();
}

QString PickRandomBotName(QListWidget* list) {
    UInit::ReadBotNames();
    QStringList names = UInit::Bot_Names;
    QSet<QString> used;
    if (list)
        for (int i = 0; i < list->count(); ++i)
            used.insert(list->item(i)->text().trimmed());

    QRandomGenerator* random = QRandomGenerator::global();
    while (!names.isEmpty()) {
        const int r = static_cast<int>(random->bounded(names.size()));
        const QString candidate = names[r];
        if (candidate.trimmed().isEmpty() || used.contains(candidate.trimmed())) {
            names.removeAt(r);
            continue;
        }
        return candidate;
    }
    // Every name is in use: a duplicate is better than no bot at all.
    UInit::ReadBotNames();
    QStringList any;
    for (const QString& n : UInit::Bot_Names)
        if (!n.trimmed().isEmpty())
            any << n;
    if (any.isEmpty())
        return QStringLiteral("NewBot");
    return any[static_cast<int>(random->bounded(any.size()))];
}

void PickRandomBotName(QListWidget* list, QString& name) { name = PickRandomBotName(list); }

int RandomInRange(int low, int high) {
    if (high <= low)
        return low;
    return static_cast<int>(
        QRandomGenerator::global()->bounded(static_cast<qint64>(low), static_cast<qint64>(high) + 1));
}

QString GetModelPicturePath(const QString& model) {
    const QString& key = UInit::SelectedMod;
    const QString picturesDir = FileSys::JoinPath(UInit::AppPath, QStringLiteral("models"));
    QString result = FileSys::JoinPath(picturesDir, QStringLiteral("nopic.jpg"));

    QString modelFolder;
    if (HasOwnModelFolder(key)) {
        TModRow* row = ModTable::Find(key);
        const QString dir = row ? row->Dir : QString();
        modelFolder = FileSys::JoinPath(dir, QStringLiteral("models\\player\\") + model);
    } else {
        modelFolder = FileSys::JoinPath(UInit::PlayerModelsDir, model);
    }
    const QString name = PictureSubfolder(key) + model;

    const QString jpg = FileSys::JoinPath(picturesDir, name + QStringLiteral(".jpg"));
    if (FileSys::FileExists(jpg))
        result = FileSys::Resolve(jpg);
    const QString bmp = FileSys::JoinPath(modelFolder, name + QStringLiteral(".bmp"));
    if (!model.isEmpty() && FileSys::FileExists(bmp))
        result = FileSys::Resolve(bmp);
    return FileSys::Resolve(result);
}

void GetModelPicturePath(const QString& model, QString& path) { path = GetModelPicturePath(model); }

void ShowModelPicture(QLabel* picture, const QString& model) {
    if (!picture)
        return;
    const QImage image = Pictures::LoadPicture(GetModelPicturePath(model));
    if (image.isNull())
        picture->clear();
    else
        picture->setPixmap(QPixmap::fromImage(image));
}

void ShowTeamPreview(QComboBox* chooser) {
    if (!chooser || chooser->currentIndex() < 0 || !UInit::PreviewOpen || !Preview)
        return;
    const QString n = chooser->objectName().mid(7);
    const QString model = chooser->currentText();
    Preview->setWindowTitle(QStringLiteral("Team ") + n + QStringLiteral(" - ") + model);
    Preview->ShowPicture(GetModelPicturePath(model));
}

void ApplyTeamList(const QString& modKey, const QString& list) {
    const TTeamMod* mod = FindTeamMod(modKey);
    if (!mod)
        return;
    QWidget* window = OpenWindowOf(modKey);
    const QStringList parts = list.split(QLatin1Char(';'));
    const int k = static_cast<int>(parts.size());
    for (int i = 0; i < k && i < mod->Choosers; ++i) {
        QComboBox* chooser = ComboIn(window, mod->ChooserStem + QString::number(i + 1));
        if (!chooser)
            continue;
        const QSignalBlocker block(chooser);
        chooser->setCurrentIndex(FindTeamIndexFor(modKey, parts[i]));
    }
    if (!window)
        return;
    SetTeamCount(window->findChild<QWidget*>(mod->NumTeams), k);
    if (TeamplayOn(window, *mod)) {
        TModRow* row = ModTable::Find(modKey);
        if (row && row->Hooks.EnableTeams)
            row->Hooks.EnableTeams();
    }
}

int FindTeamIndex(const QString& name) { return FindTeamIndexFor(UInit::SelectedMod, name); }

} // namespace UQOR

namespace UInit {

void FillTeamModelCombos() {
    const QString& key = UInit::SelectedMod;
    QStringList names;
    for (const QString& m : UInit::ModelList)
        if (!m.trimmed().isEmpty())
            names << m;

    QWidget* window = OpenWindowOf(key);
    if (!window)
        return;
    QStringList choosers;
    if (const TTeamMod* mod = FindTeamMod(key);
        mod && key != QLatin1String("EFMatch") && key != QLatin1String("Gathering")) {
        for (int i = 1; i <= mod->Choosers; ++i)
            choosers << mod->ChooserStem + QString::number(i);
        choosers << mod->BotModel;
    } else if (key == QLatin1String("DMC")) {
        choosers << QStringLiteral("DMC_BotModel");
    } else if (key == QLatin1String("Scihunt")) {
        choosers << QStringLiteral("SH_botmodel");
    }
    for (const QString& name : choosers)
        ReplaceItems(ComboIn(window, name), names);
}

void ListModModels(QComboBox* chooser, const QString& folder) {
    QStringList models;
    for (const QString& dir : FileSys::ListDirs(folder)) {
        if (dir.trimmed().isEmpty())
            continue;
        if (FileSys::FileExists(FileSys::JoinPath(folder, dir + QLatin1Char('/') + dir + QStringLiteral(".mdl"))))
            models << dir;
    }
    ReplaceItems(chooser, models);
    if (UInit::SelectedMod == QLatin1String("EFMatch")) {
        QWidget* window = OpenWindowOf(UInit::SelectedMod);
        for (int i = 1; i <= 10; ++i)
            ReplaceItems(ComboIn(window, QStringLiteral("EF_team") + QString::number(i)), models);
    }
}

} // namespace UInit
