#pragma once
// The system's font configuration, read ahead. Before the first text can be drawn, fontconfig
// parses its configuration files and font caches, which takes a good part of the program's
// start; nothing else needs it, so it can run on a thread of its own while the application
// connects to the display. Where the program is built without fontconfig this does nothing.
#include <thread>

namespace FontPreload {

class TPreload {
public:
    TPreload();    // starts the thread
    ~TPreload() { Wait(); }
    TPreload(const TPreload&) = delete;
    TPreload& operator=(const TPreload&) = delete;

    // Returns once the configuration is read: call it before anything draws text, so that the
    // reading is not started a second time by Qt's own font database.
    void Wait();

private:
    std::thread m_thread;
};

} // namespace FontPreload
