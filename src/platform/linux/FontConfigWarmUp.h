#pragma once

#include <thread>

// Fontconfig reads its configuration (tens of XML files and the font caches) the first time a
// font is asked for, several milliseconds that would otherwise come after the connection to the
// display. Made first thing in main(), this reads it on a thread of its own while the main one
// waits for the X server; the thread is joined when the object goes.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread m_thread;
};
