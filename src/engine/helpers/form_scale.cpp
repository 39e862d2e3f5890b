#include "engine/helpers/form_scale.h"

#include <algorithm>

namespace vostrel {

FormScaleChange ToggleFormScale(double current, int width, int height, int workWidth,
                                int workHeight) {
    FormScaleChange change;
    change.scale = current;
    if (width <= 0 || height <= 0 || current <= 0) return change;
    const double wanted = current == 1 ? std::max(static_cast<double>(workHeight) / height,
                                                  static_cast<double>(workWidth) / width)
                                       : 1.0;
    double b = wanted > 1 ? wanted : 1.0;
    if (b == current) return change;
    if (b > current && (width >= workWidth || height >= workHeight)) return change;
    // Keep the window inside the work area.
    if (workWidth < b * width / current) b = workWidth * current / width;
    if (workHeight < height * b / current) b = current * workHeight / height;
    change.changed = b != current;
    change.ratio = b / current;
    change.scale = b;
    return change;
}

}  // namespace vostrel
