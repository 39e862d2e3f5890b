#include "engine/control_charts/chart_definition.h"

namespace vostrel {

int LayoutTypeFor(const LayoutChoice& choice) {
    const int code = (choice.ChartGroups ? 10000 : 0) + (choice.SeveralMeasures ? 1000 : 0) +
                     (choice.SampleVariable ? 100 : 0) + (choice.ConstantSampleSize ? 10 : 0) +
                     (choice.SubgroupsInRows ? 1 : 0);
    switch (code) {
        case 0:
            return 1;
        case 10:
            return 4;
        case 100:
            return 3;
        case 1000:
            return 5;
        case 1001:
            return 2;
        case 1010:
            return 7;
        case 1100:
            return 6;
        case 10000:
            return 8;
        case 10010:
            return 11;
        case 10100:
            return 10;
        case 11000:
            return 12;
        case 11001:
            return 9;
        case 11010:
            return 14;
        case 11100:
            return 13;
        default:
            return 0;
    }
}

}  // namespace vostrel
