#include "ui/UPreview.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "platform/Jpeg.h"
#include "ui/AuxStyle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

TPreview* Preview = nullptr;

TPreview::TPreview(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Preview"));
    setWindowTitle(QStringLiteral("Preview"));
    setFixedSize(171, 204);
    setAttribute(Qt::WA_QuitOnClose, false);
    AuxStyle::PaintBackground(this);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(0, 0, 171, 204);

    m_image = new QLabel(panel);
    m_image->setObjectName(QStringLiteral("Image"));
    m_image->setGeometry(3, 2, 164, 200);
    m_image->setAlignment(Qt::AlignCenter);
}

TPreview::~TPreview()
{
    // The preview goes with the mod window that owns it; nobody may reach it afterwards.
    if (Preview == this) {
        Preview = nullptr;
        UInit::PreviewOpen = false;
    }
}

void TPreview::ShowPicture(const QString& path)
{
    const QImage picture = Pictures::LoadPicture(path);
    if (picture.isNull()) {
        m_image->clear();
        return;
    }
    m_image->setPixmap(QPixmap::fromImage(
        picture.scaled(m_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TPreview::closeEvent(QCloseEvent* event)
{
    UInit::PreviewOpen = false;
    QDialog::closeEvent(event);
}

void TPreview::hideEvent(QHideEvent* event)
{
    // A hide the window system makes (its owner minimised) leaves the preview open; one the
    // program or the user makes does not, or the next opening would find it "open" and hidden.
    if (!event->spontaneous() && Preview == this)
        UInit::PreviewOpen = false;
    QDialog::hideEvent(event);
}

namespace UPreview {

bool FollowsMod(const QString& modKey)
{
    const TModRow* row = ModTable::Find(modKey);
    return row && row->Profile.PreviewFollows;
}

namespace {

void PlaceBeside(const QWidget* window)
{
    Preview->move(window->x() + OffsetLeft, window->y() + OffsetTop);
}

} // namespace

TPreview* OpenPreview(QWidget* modWindow)
{
    if (UInit::PreviewOpen && Preview)
        return Preview;
    StartFollower(QCoreApplication::instance());
    // A child of the mod window, so that the mod window's modality does not lock it out.
    if (!Preview)
        Preview = new TPreview(modWindow);
    else if (modWindow && Preview->parentWidget() != modWindow)
        Preview->setParent(modWindow, Preview->windowFlags());
    if (modWindow)
        PlaceBeside(modWindow);
    UInit::PreviewOpen = true;
    Preview->show();
    return Preview;
}

void ClosePreview()
{
    if (UInit::PreviewOpen && Preview)
        Preview->close();
    UInit::PreviewOpen = false;
}

void Timer1Timer()
{
    if (!UInit::PreviewOpen || !Preview || !FollowsMod(UInit::SelectedMod))
        return;
    const TModRow* row = ModTable::Find(UInit::SelectedMod);
    if (!row || !row->Window)
        return;
    PlaceBeside(row->Window);
}

namespace {

// Watches the program's events for a move of the selected mod's window, which is what the
// original followed with a 1 ms timer: the preview moves the moment its window does.
class TPreviewFollower : public QObject {
public:
    explicit TPreviewFollower(QObject* owner) : QObject(owner)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::Move || event->type() == QEvent::Show) && UInit::PreviewOpen
            && Preview && watched->isWidgetType() && watched != Preview
            && static_cast<QWidget*>(watched)->isWindow()) {
            Timer1Timer();
        }
        return false;
    }
};

} // namespace

void StartFollower(QObject* owner)
{
    static QPointer<QObject> follower;
    if (!follower)
        follower = new TPreviewFollower(owner);
}

} // namespace UPreview
