#include "ui/UAbout.h"

#include "ui/ModalRunner.h"
#include "ui/StoredPicture.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

void InitProgramResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

// The picture keeps its colours while disabled: being disabled only means that it ignores
// clicks (the splash), as a plain image did, whereas a disabled QLabel greys its pixmap.
class TPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(contentsRect(), pixmap());
    }
};

// The pictures live in a static library, whose resource objects nothing else references; this
// unit is linked into every program that uses a window of the library, so it registers them
// before anyone (the main window's mod buttons) asks for a logo.
const struct TResourceLoader {
    TResourceLoader() { InitProgramResources(); }
} ResourceLoader;

} // namespace

TAbout::TAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    InitProgramResources();
    setObjectName(QStringLiteral("About"));
    setFixedSize(308, 232);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(0, 0, 308, 232);

    m_image = new TPicture(panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setGeometry(4, 4, 300, 225);
    m_image->setPixmap(StoredPicture::Pixmap(QStringLiteral(":/about/about")));
    m_image->setScaledContents(true);
    // As the splash the picture ignores clicks; the about box enables it.
    m_image->setEnabled(false);
    m_image->installEventFilter(this);

    // Both texts lie over the picture; their own background stays transparent.
    m_loading = new QLabel(QStringLiteral("Loading. Please wait..."), m_image);
    m_loading->setObjectName(QStringLiteral("Label_loading"));
    m_loading->setGeometry(0, 168, 300, 20);
    m_loading->setAlignment(Qt::AlignCenter);
    m_loading->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_version = new QLabel(QStringLiteral("VERSION 15.3"), m_image);
    m_version->setObjectName(QStringLiteral("Label1"));
    m_version->setGeometry(0, 196, 300, 20);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setAttribute(Qt::WA_TransparentForMouseEvents);

    // A disabled picture would grey its texts; they keep their colour either way.
    for (QLabel* label : {m_loading, m_version}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xF2, 0xEC, 0xDA));
        pal.setColor(QPalette::Active, QPalette::WindowText, QColor(0xF2, 0xEC, 0xDA));
        pal.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0xF2, 0xEC, 0xDA));
        label->setPalette(pal);
        // The bold face of the main window's Arial 13 px: the splash shows before the main
        // window, and a face of its own would cost the start another font to load.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        font.setBold(true);
        label->setFont(font);
    }
}

TAbout* TAbout::ShowSplash()
{
    auto* splash = new TAbout(nullptr);
    splash->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setAttribute(Qt::WA_QuitOnClose, false);
    // A message during start-up must not stand hidden behind a splash that stays on top.
    qApp->installEventFilter(splash);
    // Qt takes the events of a splash screen's showing at once, so it is usually drawn by now;
    // drawing it a second time would only hold up the start. Where its window was not exposed
    // yet, it is painted here: the event loop does not run before the main window exists.
    splash->show();
    if (!splash->m_drawn) {
        splash->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return splash;
}

void TAbout::FinishWhenDrawn(QWidget* window)
{
    QWindow* const handle = window ? window->windowHandle() : nullptr;
    if (!handle || !window->isVisible() || handle->isExposed()) {
        deleteLater();
        return;
    }
    m_finishOn = handle;
    handle->installEventFilter(this);
    QTimer::singleShot(2000, this, &QObject::deleteLater);
}

void TAbout::ShowAboutBox(QWidget* parent)
{
    TAbout about(parent);
    about.PrepareAboutBox();
    ModalRunner::Run(about);
}

void TAbout::PrepareAboutBox()
{
    setModal(true);
    m_image->setEnabled(true);
    m_loading->hide();
}

void TAbout::Image1Click()
{
    accept();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    // Qt draws a window while it handles the event that exposes it, so the splash, deleted
    // later, goes after that drawing.
    if (watched == m_finishOn && event->type() == QEvent::Expose && m_finishOn->isExposed()) {
        m_finishOn->removeEventFilter(this);
        m_finishOn = nullptr;
        deleteLater();
    }
    if (watched == m_image && event->type() == QEvent::Paint)
        m_drawn = true;   // one pass draws the whole window, the picture with it
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* shown = static_cast<QWidget*>(watched);
        if (shown->isWindow() && shown->isModal() && isVisible())
            hide();
    }
    if (watched == m_image && event->type() == QEvent::MouseButtonRelease && m_image->isEnabled()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_image->rect().contains(mouse->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAbout::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (owner && owner->isVisible())
            move(owner->frameGeometry().center() - rect().center());
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}
