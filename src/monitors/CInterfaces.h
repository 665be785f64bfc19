#pragma once

#include "CInterface.h"

#include <memory>
#include <vector>

// An ordered collection of interfaces, positions counted from 1.
class CInterfaces {
public:
    using Item = std::shared_ptr<CInterface>;

    // Appends the interface and takes it from the caller; returns it as now held.
    CInterface* Add(std::unique_ptr<CInterface>& item);
    // Throws std::out_of_range for a position outside 1..Count.
    CInterface* item(int position) const;
    int Count() const { return int(m_items.size()); }
    void Remove(int position);

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<Item> m_items;
};
