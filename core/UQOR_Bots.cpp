#include "core/UQOR_Bots.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Dispatch.h"
#include "core/UQOR_Maps.h"
#include "platform/FileSys.h"
#include "platform/Jpeg.h"

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

TModRow* SelectedRow() { return ModTable::Find(UInit::SelectedMod); }

const TModProfile& SelectedProfile() {
    static const TModProfile none;
    const TModRow* row = SelectedRow();
    return row ? row->Profile : none;
}

// A mod whose profile says so keeps its bots in TRocBot records; every other mod in the TBot
// array passed in.
QVector<TRocBot>* OwnRecords() {
    TModRow* row = SelectedRow();
    return row && row->Profile.OwnBotRecords ? &row->RocBots : nullptr;
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
    if (const QVector<TRocBot>* roc = OwnRecords())
        return static_cast<int>(roc->size());
    return static_cast<int>(bots.size());
}

} // namespace

namespace UQOR {

void AddBotRecord(int& count, QVector<TBot>& bots, const QString& name, const QString& model,
                  const QString& skill, const QString& param1, const QString& param2,
                  QListWidget* list) {
    if (count < 0)
        count = 0;
    if (QVector<TRocBot>* roc = OwnRecords()) {
        if (roc->size() <= count)
            roc->resize(count + 1);
        TRocBot& bot = (*roc)[count];
        bot = TRocBot{};
        bot[0] = name;
        bot[1] = model;
        bot[2] = skill;
        bot[3] = param1;
        bot[4] = param2;
    } else {
        if (bots.size() <= count)
            bots.resize(count + 1);
        TBot& bot = bots[count];
        bot[0] = name;
        bot[1] = model;
        bot[2] = skill;
        bot[3] = param1;
        bot[4] = param2;
    }
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
    if (QVector<TRocBot>* roc = OwnRecords()) {
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
    if (QVector<TRocBot>* roc = OwnRecords())
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
    if (QVector<TRocBot>* roc = OwnRecords())
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
                  QVector<TBot>& bots, int slot) {
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

    const TModProfile& profile = SelectedProfile();
    QString model = chooser->currentText();
    if (profile.ModelStorage == TModelStorage::Index)
        model = QString::number(chooser->currentIndex());
    else if (profile.ModelStorage == TModelStorage::ClassNumber)
        model = QString::number(chooser->currentIndex() + 1);

    QString pictureName = model;
    if (QVector<TRocBot>* roc = OwnRecords()) {
        (*roc)[i][1] = model;
    } else if (slot != 1) {
        // Another model of the bot (a capture-the-flag model): its chooser index, from 0.
        bots[i][slot] = QString::number(chooser->currentIndex());
    } else {
        TBot& bot = bots[i];
        bot[1] = model;
        if (profile.SidePictures)
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
    const TModProfile& profile = SelectedProfile();
    const QString picturesDir = FileSys::JoinPath(UInit::AppPath, QStringLiteral("models"));
    QString result = FileSys::JoinPath(picturesDir, QStringLiteral("nopic.jpg"));

    QString modelFolder;
    if (profile.OwnModelFolder) {
        TModRow* row = SelectedRow();
        const QString dir = row ? row->Dir : QString();
        modelFolder = FileSys::JoinPath(dir, QStringLiteral("models\\player\\") + model);
    } else {
        modelFolder = FileSys::JoinPath(UInit::PlayerModelsDir, model);
    }
    const QString name = profile.PictureFolder + model;

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

} // namespace UQOR

namespace UInit {

QStringList PlayerModelNames() {
    QStringList names;
    for (const QString& m : UInit::ModelList)
        if (!m.trimmed().isEmpty())
            names << m;
    return names;
}

void ReplaceChooserItems(QComboBox* combo, const QStringList& items) {
    if (!combo)
        return;
    // Like the original's choosers, a refilled one has no item chosen; its signals stay quiet
    // so that no change handler mistakes the refill for a user's choice.
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
}

QStringList ModModelNames(const QString& folder) {
    QStringList models;
    for (const QString& dir : FileSys::ListDirs(folder)) {
        // A model the bot line cannot carry whole (a blank, a letter outside ASCII, over 31
        // bytes) is not offered.
        if (!UQOR::IsGameReadableName(dir))
            continue;
        if (FileSys::FileExists(FileSys::JoinPath(folder, dir + QLatin1Char('/') + dir + QStringLiteral(".mdl"))))
            models << dir;
    }
    return models;
}

void ListModModels(QComboBox* chooser, const QString& folder) {
    ReplaceChooserItems(chooser, ModModelNames(folder));
}

} // namespace UInit
