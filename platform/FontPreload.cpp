#include "platform/FontPreload.h"

#ifdef QORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontPreload {

TPreload::TPreload()
{
#ifdef QORVANE_HAVE_FONTCONFIG
    // fontconfig keeps one current configuration per process; Qt's later FcInit() finds it.
    m_thread = std::thread([] { FcInit(); });
#endif
}

void TPreload::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace FontPreload
