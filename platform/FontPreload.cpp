#include "platform/FontPreload.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef QORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontPreload {

#ifdef QORVANE_HAVE_FONTCONFIG
namespace {

bool HasCacheFolders(FcConfig* config)
{
    FcStrList* const folders = FcConfigGetCacheDirs(config);
    if (!folders)
        return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

// FcInit() also parses every template in fontconfig's folder of available configurations, only
// to keep their descriptions for tools that list them: more text than the configuration proper,
// and nothing of it is applied. So the configuration is built here as FcInit() builds it (the
// default file with everything it includes, then the fonts from their caches) and made current.
// Anything unusual (no file, a file that fails, no cache folder, which FcInit() mends with
// defaults of its own) is left to FcInit().
void LoadConfiguration()
{
    FcConfig* const config = FcConfigCreate();
    if (config && FcConfigParseAndLoad(config, nullptr, FcTrue) && HasCacheFolders(config)
        && FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);
    if (config)
        FcConfigDestroy(config);   // the current configuration holds a reference of its own
    FcInit();
}

} // namespace
#endif

TPreload::TPreload()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    m_thread = std::thread([this] {
        // fontconfig keeps one current configuration per process; Qt's later FcInit() finds it.
        LoadConfiguration();
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
