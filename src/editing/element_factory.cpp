#include "editing/element_factory.h"

#include <limits>

namespace kirvolt {

std::unique_ptr<CComponent> CreateElementForMode(CKirvoltDoc& doc, Point anchorPoint, Point endPoint,
                                                 int displayState)
{
    const int g = doc.gridSize;
    const int o = doc.orientation;
    const int style = doc.display().resistorStyle;
    switch (doc.mode) {
    case KIND_RESISTOR:
        return std::make_unique<CResistor>(doc.resistorCount, anchorPoint, o, COLOUR_COMPONENT, displayState, g, style);
    case KIND_VOLTAGE_SOURCE:
        return std::make_unique<CVoltageSource>(doc.voltageSourceCount, anchorPoint, o, COLOUR_COMPONENT,
                                                displayState, g, style);
    case KIND_CURRENT_SOURCE:
        return std::make_unique<CCurrentSource>(doc.currentSourceCount, anchorPoint, o, COLOUR_COMPONENT,
                                                displayState, g, style);
    case KIND_VOLTMETER:
        return std::make_unique<CVoltmeter>(doc.voltmeterCount, anchorPoint, o, COLOUR_METER, displayState, g, style);
    case KIND_AMMETER:
        return std::make_unique<CAmmeter>(doc.ammeterCount, anchorPoint, o, COLOUR_METER, displayState, g, style);
    case KIND_WIRE:
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        return std::make_unique<CWire>(doc.wireCount, anchorPoint, endPoint, COLOUR_WIRE,
                                       static_cast<std::uint16_t>(doc.mode), g, style);
    case KIND_JOINT:
        return std::make_unique<CNode>(anchorPoint, 0, displayState, g, style);
    default:
        doc.showMessage("Bad Element Code.");
        return nullptr;
    }
}

namespace {

// A counter read from a file may stand at the largest number already; it then stays there.
void advance(std::int32_t& counter)
{
    if (counter < std::numeric_limits<std::int32_t>::max()) {
        ++counter;
    }
}

}  // namespace

void advanceNameCounter(CKirvoltDoc& doc, int kindCode)
{
    switch (kindCode) {
    case KIND_RESISTOR:
        advance(doc.resistorCount);
        break;
    case KIND_VOLTAGE_SOURCE:
        advance(doc.voltageSourceCount);
        break;
    case KIND_CURRENT_SOURCE:
        advance(doc.currentSourceCount);
        break;
    case KIND_VOLTMETER:
        advance(doc.voltmeterCount);
        break;
    case KIND_AMMETER:
        advance(doc.ammeterCount);
        break;
    case KIND_WIRE:
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        advance(doc.wireCount);
        break;
    default:
        break;
    }
}

}  // namespace kirvolt
