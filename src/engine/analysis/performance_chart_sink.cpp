#include "engine/analysis/performance_chart_sink.h"

#include "engine/helpers/text_helpers.h"

namespace vostrel {

void RecordingChartSink::DisplayPPAVariance(double Measurement, double Process, double Target,
                                            double Stream, double Time, double XBar, double Std) {
    Calls.push_back({"DisplayPPAVariance",
                     {{"Measurement", Measurement},
                      {"Process", Process},
                      {"Target", Target},
                      {"Stream", Stream},
                      {"Time", Time},
                      {"XBar", XBar},
                      {"Std", Std}}});
}

void RecordingChartSink::DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) {
    Calls.push_back({"DisplayPPA",
                     {{"Ppk", Ppk}, {"Ppm", Ppm}, {"Pp", Pp}, {"PPstream", PPstream}, {"Cp", Cp}}});
}

std::vector<std::string> RecordingChartSink::Lines() const {
    std::vector<std::string> lines;
    for (const Call& call : Calls) {
        std::string line = call.Name;
        for (const auto& [name, value] : call.Values)
            line += "\t" + name + "=" + ShortestText(value);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vostrel
