#include "support/circuit_builder.h"

namespace kirvolt::testing {

Point CircuitBuilder::logical(int x, int y) const
{
    return {x * doc.gridSize, y * doc.gridSize};
}

CComponent& CircuitBuilder::place(std::unique_ptr<CComponent> record, double value)
{
    record->value = value;
    if (record->kindCode == KIND_VOLTAGE_SOURCE) {
        record->pd = value;
    } else if (record->kindCode == KIND_CURRENT_SOURCE) {
        record->current = value;
    }
    return *doc.AddComponent(std::move(record));
}

CComponent& CircuitBuilder::resistor(int x, int y, int orientation, double ohms)
{
    return place(std::make_unique<CResistor>(doc.resistorCount++, logical(x, y), orientation,
                                             COLOUR_COMPONENT, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                 ohms);
}

CComponent& CircuitBuilder::voltageSource(int x, int y, int orientation, double volts)
{
    return place(std::make_unique<CVoltageSource>(doc.voltageSourceCount++, logical(x, y), orientation,
                                                  COLOUR_COMPONENT, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                 volts);
}

CComponent& CircuitBuilder::currentSource(int x, int y, int orientation, double amperes)
{
    return place(std::make_unique<CCurrentSource>(doc.currentSourceCount++, logical(x, y), orientation,
                                                  COLOUR_COMPONENT, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN),
                 amperes);
}

CComponent& CircuitBuilder::wire(int x1, int y1, int x2, int y2)
{
    return *doc.AddComponent(std::make_unique<CWire>(doc.wireCount++, logical(x1, y1), logical(x2, y2),
                                                     COLOUR_WIRE, KIND_WIRE, doc.gridSize, STYLE_EUROPEAN));
}

CComponent& CircuitBuilder::joint(int x, int y)
{
    return *doc.AddComponent(std::make_unique<CNode>(logical(x, y), 0, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN));
}

}  // namespace kirvolt::testing
