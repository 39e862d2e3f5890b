#pragma once
// A point of a graph series in data coordinates.

namespace vostrel {

struct GraphPoint {
    double X = 0;
    double Y = 0;
};

}  // namespace vostrel
