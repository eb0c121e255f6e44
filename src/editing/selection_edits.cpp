#include "editing/selection_edits.h"

#include <algorithm>
#include <set>
#include <utility>

namespace kirvolt {
namespace {

bool inside(Point p, Rect band)
{
    return p.x >= band.left && p.x <= band.right && p.y >= band.top && p.y <= band.bottom;
}

}  // namespace

std::vector<std::uint64_t> recordsInside(const CKirvoltDoc& doc, Rect band)
{
    const Rect normal{std::min(band.left, band.right), std::min(band.top, band.bottom),
                      std::max(band.left, band.right), std::max(band.top, band.bottom)};
    std::vector<std::uint64_t> found;
    for (const auto& record : doc.components) {
        if (inside(record->startPoint, normal) && inside(record->finishPoint, normal) &&
            inside(record->position, normal)) {
            found.push_back(record->recordId);
        }
    }
    return found;
}

std::vector<std::uint64_t> allRecords(const CKirvoltDoc& doc)
{
    std::vector<std::uint64_t> ids;
    ids.reserve(doc.components.size());
    for (const auto& record : doc.components) {
        ids.push_back(record->recordId);
    }
    return ids;
}

bool deleteSelection(CKirvoltDoc& doc, Selection& selection)
{
    const std::vector<CComponent*> selected = selection.records(doc);
    if (selected.empty()) {
        return false;
    }
    std::set<std::pair<int, int>> ends;
    for (const CComponent* record : selected) {
        ends.insert({record->gridStart.x, record->gridStart.y});
        ends.insert({record->gridFinish.x, record->gridFinish.y});
    }
    std::erase_if(doc.components, [&selection](const auto& record) { return selection.contains(*record); });
    selection.clear();
    std::set<std::pair<int, int>> stillTouched;
    for (const auto& record : doc.components) {
        if (record->kindCode != KIND_JOINT) {
            stillTouched.insert({record->gridStart.x, record->gridStart.y});
            stillTouched.insert({record->gridFinish.x, record->gridFinish.y});
        }
    }
    std::set<std::uint64_t> orphans;
    for (const auto& record : doc.components) {
        const std::pair at{record->gridStart.x, record->gridStart.y};
        if (record->kindCode == KIND_JOINT && ends.contains(at) && !stillTouched.contains(at)) {
            orphans.insert(record->recordId);
        }
    }
    std::erase_if(doc.components, [&orphans](const auto& record) { return orphans.contains(record->recordId); });
    doc.nodesValid = 0;
    doc.noteEdit();
    return true;
}

std::string selectionEditName(const std::string& verb, const std::vector<CComponent*>& selected)
{
    if (selected.size() == 1 && !selected.front()->name.empty()) {
        return verb + " " + selected.front()->name;
    }
    return verb + " Selection";
}

}  // namespace kirvolt
