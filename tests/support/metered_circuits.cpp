#include "support/metered_circuits.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace kirvolt::testing {
namespace {

int pick(std::mt19937& random, std::size_t count)
{
    return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random);
}

// Appends the record, then moves it to a random place in the list.
CComponent& insertAnywhere(CKirvoltDoc& doc, std::unique_ptr<CComponent> record, std::mt19937& random)
{
    CComponent* added = doc.AddComponent(std::move(record));
    const int at = pick(random, doc.components.size());
    std::rotate(doc.components.begin() + at, doc.components.end() - 1, doc.components.end());
    return *added;
}

CComponent& addWire(CKirvoltDoc& doc, Point from, Point to, std::mt19937& random)
{
    const int g = doc.gridSize;
    return insertAnywhere(doc, std::make_unique<CWire>(doc.wireCount++, toLogical(from, g), toLogical(to, g), COLOUR_WIRE,
                                                      KIND_WIRE, g, doc.display().resistorStyle),
                          random);
}

std::vector<CComponent*> wires(CKirvoltDoc& doc)
{
    std::vector<CComponent*> found;
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_WIRE) {
            found.push_back(c.get());
        }
    }
    return found;
}

int lowestRow(const CKirvoltDoc& doc)
{
    int lowest = 0;
    for (const auto& c : doc.components) {
        lowest = std::max({lowest, c->gridStart.y, c->gridFinish.y, c->gridPosition.y});
    }
    return lowest;
}

}  // namespace

void addRandomMeters(CKirvoltDoc& doc, std::mt19937& random, int ammeters, int voltmeters)
{
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    int row = lowestRow(doc) + 10;
    const auto nextPlace = [&row, g] {
        row += 10;
        return toLogical({10, row}, g);
    };
    for (int i = 0; i < ammeters + voltmeters; ++i) {
        const int orientation = pick(random, 4);
        std::vector<CComponent*> existing = wires(doc);
        if (i < ammeters) {
            CComponent& cut = *existing[static_cast<std::size_t>(pick(random, existing.size()))];
            const CComponent& meter = insertAnywhere(
                doc, std::make_unique<CAmmeter>(doc.ammeterCount++, nextPlace(), orientation, COLOUR_METER, DISPLAY_PLACED, g, style),
                random);
            const Point end = cut.gridFinish;
            cut.setWireEnds(cut.gridStart, meter.gridStart, g);
            addWire(doc, meter.gridFinish, end, random);
        } else {
            const CComponent& a = *existing[static_cast<std::size_t>(pick(random, existing.size()))];
            const CComponent& b = *existing[static_cast<std::size_t>(pick(random, existing.size()))];
            const Point first = a.gridStart;
            const Point second = b.gridFinish;
            const CComponent& meter = insertAnywhere(
                doc, std::make_unique<CVoltmeter>(doc.voltmeterCount++, nextPlace(), orientation, COLOUR_METER, DISPLAY_PLACED, g, style),
                random);
            addWire(doc, meter.gridStart, first, random);
            addWire(doc, meter.gridFinish, second, random);
        }
    }
}

void replaceMeters(CKirvoltDoc& doc)
{
    const int g = doc.gridSize;
    std::erase_if(doc.components, [](const auto& c) { return c->kindCode == KIND_VOLTMETER; });
    for (auto& c : doc.components) {
        if (c->kindCode == KIND_AMMETER) {
            auto wire = std::make_unique<CWire>(doc.wireCount++, c->startPoint, c->finishPoint, COLOUR_WIRE, KIND_WIRE, g,
                                                doc.display().resistorStyle);
            wire->recordId = c->recordId;
            c = std::move(wire);
        }
    }
    doc.nodesValid = 0;
    doc.noteEdit();
}

}  // namespace kirvolt::testing
