#pragma once

#include "platform/InterfaceTable.h"

#include <vector>

// One interface of the collection: the platform's row as read.
using CInterface = InterfaceRow;

// An ordered collection of interfaces, positions counted from 1.
class CInterfaces {
public:
    void Add(CInterface item) { m_items.push_back(std::move(item)); }
    // Throws std::out_of_range for a position outside 1..Count.
    const CInterface& item(int position) const;
    int Count() const { return int(m_items.size()); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<CInterface> m_items;
};
