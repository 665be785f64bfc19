#include "CInterfaces.h"

#include <stdexcept>

CInterface* CInterfaces::Add(std::unique_ptr<CInterface>& item)
{
    m_items.push_back(Item(std::move(item)));
    return m_items.back().get();
}

CInterface* CInterfaces::item(int position) const
{
    if (position < 1 || position > Count())
        throw std::out_of_range("interface position out of range");
    return m_items[size_t(position - 1)].get();
}

void CInterfaces::Remove(int position)
{
    if (position < 1 || position > Count())
        throw std::out_of_range("interface position out of range");
    m_items.erase(m_items.begin() + (position - 1));
}
