#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the fonts are read when first used, as without this.
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    if (m_thread.joinable())
        m_thread.join();
}
