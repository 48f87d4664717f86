#include "core/UQOR_Bots.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

namespace UQOR {
void AddBotRecord(int&, QVector<TBot>&, const QString&, const QString&, const QString&,
                  const QString&, const QString&, QListWidget*) {}
void MoveBot(int, QListWidget*, QVector<TBot>&) {}
void SwapBots(QVector<TBot>&, int, int) {}
void DeleteSelectedBots(int&, QVector<TBot>&, QListWidget*) {}
void SetBotName(QListWidget*, QLineEdit*, QVector<TBot>&) {}
void SetBotSkill(QListWidget*, QVector<TBot>&, QSlider*) {}
void SetBotSkill(QListWidget*, QVector<TBot>&, int) {}
void SetBotParam1(QListWidget*, QVector<TBot>&, const QString&) {}
void SetBotParam2(QListWidget*, QVector<TBot>&, const QString&) {}
void StepBotModel(const QString&, QListWidget*, QComboBox*, QLabel*, QVector<TBot>&) {}
QString PickRandomBotName(QListWidget*) { return QStringLiteral("NewBot"); }
void PickRandomBotName(QListWidget* list, QString& name) { name = PickRandomBotName(list); }
int RandomInRange(int low, int) { return low; }
QString GetModelPicturePath(const QString&) { return {}; }
void GetModelPicturePath(const QString& model, QString& path) { path = GetModelPicturePath(model); }
void ShowModelPicture(QLabel*, const QString&) {}
void ShowTeamPreview(QComboBox*) {}
void ApplyTeamList(const QString&, const QString&) {}
int FindTeamIndex(const QString&) { return -1; }
} // namespace UQOR

namespace UInit {
void FillTeamModelCombos() {}
void ListModModels(QComboBox*, const QString&) {}
} // namespace UInit
