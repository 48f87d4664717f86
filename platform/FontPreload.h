#pragma once
// The system's font configuration, read ahead. Before the first text can be drawn, fontconfig
// parses its configuration files and font caches, which takes a good part of the program's
// start; nothing else needs it, so it can run on a thread of its own while the application
// connects to the display. Nobody waits for it: should Qt's font database ask for the
// configuration before the thread is done (a busy machine may not run the thread at once),
// fontconfig reads it there too and keeps whichever is ready first. Where the program is built
// without fontconfig this does nothing.
#include <thread>

namespace FontPreload {

class TPreload {
public:
    TPreload();    // starts the thread
    ~TPreload() { Wait(); }
    TPreload(const TPreload&) = delete;
    TPreload& operator=(const TPreload&) = delete;

    // Returns once the configuration is read.
    void Wait();

private:
    std::thread m_thread;
};

} // namespace FontPreload
