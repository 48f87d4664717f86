#include "platform/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef QORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontPreload {

TPreload::TPreload()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    m_thread = std::thread([this] {
        // fontconfig keeps one current configuration per process; Qt's later FcInit() finds it.
        FcInit();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_state != TState::Waiting; });
        if (m_state == TState::Cancelled)
            return;
        lock.unlock();
        // Listing the families fills the database, and nothing more: no font is opened here.
        QFontDatabase::families();
    });
#endif
}

TPreload::~TPreload()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == TState::Waiting)
            m_state = TState::Cancelled;
    }
    m_changed.notify_all();
    Wait();
}

void TPreload::ApplicationReady()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == TState::Waiting)
            m_state = TState::Ready;
    }
    m_changed.notify_all();
}

void TPreload::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace FontPreload
