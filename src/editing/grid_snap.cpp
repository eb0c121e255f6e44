#include "editing/grid_snap.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace kirvolt {
namespace {

int nearestStep(int coordinate, int gridSize)
{
    return (coordinate + gridSize / 2) / gridSize;
}

int snapCoordinate(int coordinate, int gridSize)
{
    const int highest = UINT16_MAX / gridSize * gridSize;
    return std::clamp(nearestStep(coordinate, gridSize) * gridSize, 0, highest);
}

}  // namespace

Point snapToGrid(Point logical, int gridSize)
{
    return {snapCoordinate(logical.x, gridSize), snapCoordinate(logical.y, gridSize)};
}

std::string gridStatusText(Point client, int gridSize)
{
    const auto x = static_cast<std::uint16_t>(nearestStep(client.x, gridSize));
    const auto y = static_cast<std::uint16_t>(nearestStep(client.y, gridSize));
    char text[32];
    std::snprintf(text, sizeof text, "(%d,%d)", x, y);
    return text;
}

}  // namespace kirvolt
