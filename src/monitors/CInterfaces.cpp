#include "CInterfaces.h"

#include <stdexcept>

const CInterface& CInterfaces::item(int position) const
{
    if (position < 1 || position > Count())
        throw std::out_of_range("interface position out of range");
    return m_items[size_t(position - 1)];
}
