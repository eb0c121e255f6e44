#include "document/selection.h"

#include <algorithm>

namespace kirvolt {

bool Selection::contains(std::uint64_t id) const
{
    return std::ranges::binary_search(ids, id);
}

void Selection::add(std::uint64_t id)
{
    const auto at = std::ranges::lower_bound(ids, id);
    if (at == ids.end() || *at != id) {
        ids.insert(at, id);
    }
}

void Selection::remove(std::uint64_t id)
{
    const auto at = std::ranges::lower_bound(ids, id);
    if (at != ids.end() && *at == id) {
        ids.erase(at);
    }
}

void Selection::toggle(std::uint64_t id)
{
    if (contains(id)) {
        remove(id);
    } else {
        add(id);
    }
}

void Selection::replace(std::vector<std::uint64_t> chosen)
{
    std::ranges::sort(chosen);
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    ids = std::move(chosen);
}

std::vector<CComponent*> Selection::records(CKirvoltDoc& doc)
{
    std::vector<CComponent*> found;
    std::vector<std::uint64_t> present;
    for (const auto& record : doc.components) {
        if (contains(record->recordId)) {
            found.push_back(record.get());
            present.push_back(record->recordId);
        }
    }
    replace(std::move(present));
    return found;
}

std::vector<const CComponent*> Selection::records(const CKirvoltDoc& doc) const
{
    std::vector<const CComponent*> found;
    for (const auto& record : doc.components) {
        if (contains(record->recordId)) {
            found.push_back(record.get());
        }
    }
    return found;
}

}  // namespace kirvolt
