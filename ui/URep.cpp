#include "ui/URep.h"

#include "core/UInit.h"
#include "core/UInitMain.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/Registry.h"
#include "ui/AuxStyle.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

namespace {

const QString HLWording = QStringLiteral("Enter the location of your Half-Life program :");
const QString CSWording = QStringLiteral("Enter the location of your Counter-Strike program :");

} // namespace

TRep::TRep(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Rep"));
    setWindowTitle(QStringLiteral("Game Directory"));
    setModal(true);
    setFixedSize(421, 159);
    AuxStyle::PaintBackground(this);

    m_question = new QLabel(QStringLiteral("What do you play with :"), this);
    m_question->setObjectName(QStringLiteral("Label1"));
    m_question->setGeometry(12, 12, 150, 17);

    m_rbHL = new QRadioButton(QStringLiteral("Half-Life"), this);
    m_rbHL->setObjectName(QStringLiteral("RB_HL"));
    m_rbHL->setGeometry(168, 10, 88, 21);
    m_rbHL->setChecked(true);
    connect(m_rbHL, &QRadioButton::clicked, this, &TRep::RB_HLClick);

    m_rbCS = new QRadioButton(QStringLiteral("Counter-Strike retail"), this);
    m_rbCS->setObjectName(QStringLiteral("RB_CS"));
    m_rbCS->setGeometry(262, 10, 154, 21);
    connect(m_rbCS, &QRadioButton::clicked, this, &TRep::RB_CSClick);

    m_labLocation = new QLabel(QStringLiteral("Enter the location of your Half Life program :"), this);
    m_labLocation->setObjectName(QStringLiteral("Lab_location"));
    m_labLocation->setGeometry(12, 44, 400, 17);

    m_hlDir = new QLineEdit(this);
    m_hlDir->setObjectName(QStringLiteral("HLDir"));
    m_hlDir->setGeometry(12, 66, 290, 24);
    // Only what the user types goes through here; the dialog's own settings of the field (the
    // folder button, Cancel) take the path and check it themselves.
    connect(m_hlDir, &QLineEdit::textEdited, this, &TRep::HLDirChange);

    // A button of its own beside the field, so that Tab reaches it as it does every control.
    m_browse = new QToolButton(this);
    m_browse->setObjectName(QStringLiteral("HLDirBrowse"));
    m_browse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_browse->setToolTip(QStringLiteral("Browse for the folder"));
    m_browse->setFocusPolicy(Qt::StrongFocus);
    m_browse->setGeometry(306, 66, 26, 24);
    connect(m_browse, &QToolButton::clicked, this, &TRep::HLDirBrowseClick);

    m_labExe = new QLabel(QStringLiteral("HL.exe"), this);
    m_labExe->setObjectName(QStringLiteral("Lab_exe"));
    m_labExe->setGeometry(338, 70, 80, 17);

    m_apply = AuxStyle::MakeButton(QStringLiteral("Apply"), QStringLiteral("BApply"), this);
    m_apply->setGeometry(118, 112, 87, 30);
    m_apply->setDefault(true);
    m_apply->setAutoDefault(true);
    connect(m_apply, &QPushButton::clicked, this, &TRep::BApplyClick);

    m_cancel = AuxStyle::MakeButton(QStringLiteral("Cancel"), QStringLiteral("BCancel"), this);
    m_cancel->setGeometry(216, 112, 87, 30);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &TRep::BCancelClick);

    // The path is what the dialog asks for: the field has the focus, and Tab goes on from it
    // to the browse button and the two buttons below.
    setTabOrder(m_rbHL, m_rbCS);
    setTabOrder(m_rbCS, m_hlDir);
    setTabOrder(m_hlDir, m_browse);
    setTabOrder(m_browse, m_apply);
    setTabOrder(m_apply, m_cancel);
    m_hlDir->setFocus();

    // FormCreate.
    SetFieldText(UInit::HLPath);
    m_savedPath = m_hlDir->text();
    m_savedExe = UInit::HLExe;
    if (UInit::HLExe == QLatin1String("cstrike.exe")) {
        m_rbCS->setChecked(true);
        m_labExe->setText(QStringLiteral("cstrike.exe"));
        m_labLocation->setText(CSWording);
    }
}

void TRep::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr)
            move(owner->frameGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        // Once the dialog is on screen, so that a message about the path stands over it.
        // A dialog closed before that moment (Cancel restored the path) checks nothing.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    FormActivate();
            },
            Qt::QueuedConnection);
    }
}

void TRep::FormActivate()
{
    Valide_HLExe();
}

void TRep::RB_HLClick()
{
    UInit::HLExe = QStringLiteral("hl.exe");
    m_labExe->setText(UInit::HLExe);
    m_labLocation->setText(HLWording);
}

void TRep::RB_CSClick()
{
    UInit::HLExe = QStringLiteral("cstrike.exe");
    m_labExe->setText(UInit::HLExe);
    m_labLocation->setText(CSWording);
}

void TRep::HLDirChange(const QString& text)
{
    UInit::HLPath = text;
}

void TRep::SetFieldText(const QString& text)
{
    m_hlDir->setText(text);
    UInit::HLPath = text;
}

void TRep::HLDirBrowseClick()
{
    QString start = m_hlDir->text();
    if (start.isEmpty() || !FileSys::DirectoryExists(start))
        start = QDir::homePath();
    const QString folder = Dialogs::SelectFolder(QStringLiteral("Game Directory"), start, this);
    if (folder.isEmpty())
        return;   // cancelled: the field keeps what it had
    SetFieldText(QDir::toNativeSeparators(QDir::cleanPath(folder)));
    Valide_HLExe();
}

bool TRep::Valide_HLExe()
{
    if (!UInit::GameProgram().isEmpty())
        return true;
    if (!UInit::HLPath.isEmpty())
        Dialogs::ShowError(UInit::HLExe + QStringLiteral(" can't be found in ") + UInit::HLPath, this);
    UInit::HLPath.clear();
    m_hlDir->clear();
    return false;
}

void TRep::BApplyClick()
{
    // The path is kept without a trailing separator: every folder below it is joined with one.
    QString path = m_hlDir->text();
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    if (path != m_hlDir->text())
        m_hlDir->setText(path);
    UInit::HLPath = path;
    if (Valide_HLExe()) {
        TRegistryKey key(UInit::QorKeyPath, true);
        const bool stored = key.IsOpen()
            && key.WriteString(QStringLiteral("HLPath"), UInit::HLPath)
            && key.WriteString(QStringLiteral("HLExe"), m_labExe->text());
        if (!stored)
            Dialogs::ShowError(QStringLiteral("Can't store the game directory in ")
                                   + TRegistryKey::StorePath() + QStringLiteral("."),
                               this);
    }
    UInit::InitProgram();
    UInit::ShowInstalledMods();
    accept();
}

void TRep::BCancelClick()
{
    // Cancel leaves things as they were when the dialog opened, whatever was typed meanwhile.
    SetFieldText(m_savedPath);
    UInit::HLExe = m_savedExe;
    QDialog::reject();
}

void TRep::reject()
{
    BCancelClick();
}
