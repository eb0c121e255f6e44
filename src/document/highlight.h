#pragma once

#include <unordered_map>
#include <unordered_set>

#include "document/component.h"

namespace kirvolt {

// What an explanation marks on the drawing while it is up: records painted red and current
// arrows beside records. It is painted over the circuit and never written into the records,
// which keep the colours and arrows their files hold.
class Highlight {
public:
    void paintRed(const CComponent& record) { red.insert(&record); }
    void putArrow(const CComponent& record, int direction) { arrows[&record] = direction; }

    bool empty() const { return red.empty() && arrows.empty(); }
    bool isRed(const CComponent& record) const { return red.contains(&record); }
    // The arrow's direction code, or ARROW_NONE.
    int arrowOf(const CComponent& record) const
    {
        const auto found = arrows.find(&record);
        return found == arrows.end() ? ARROW_NONE : found->second;
    }
    std::size_t redCount() const { return red.size(); }
    std::size_t arrowCount() const { return arrows.size(); }

private:
    std::unordered_set<const CComponent*> red;
    std::unordered_map<const CComponent*, int> arrows;
};

}  // namespace kirvolt
