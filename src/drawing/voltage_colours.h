#pragma once

#include "document/geometry.h"

namespace kirvolt {

// The tint of a node at a fraction 0..1 of the circuit's voltage range: dark violet for the
// lowest voltage through blue and green to light yellow-green for the highest. The colours
// grow lighter all the way, evenly to the eye, so that the order reads without telling hues
// apart: for any kind of colour blindness, on a grey-scale printer and on white paper (the
// top of the scale stops short of the yellow that white would swallow).
Colour voltageColour(double fraction);

// The fraction of [lowest, highest] at which the voltage stands, 0.5 when the range is a point.
double voltageFraction(double voltage, double lowest, double highest);

}  // namespace kirvolt
