#pragma once
// Where the Action hands the variance components and indices of each analysis set: the
// performance chart window implements it; the command-line tool and the tests record.

#include <string>
#include <utility>
#include <vector>

namespace vostrel {

class PerformanceChartSink {
  public:
    virtual ~PerformanceChartSink() = default;
    // The variance components of a set, its mean and total standard deviation.
    virtual void DisplayPPAVariance(double Measurement, double Process, double Target,
                                    double Stream, double Time, double XBar, double Std) = 0;
    // The indices of a set; called only when a specification limit is present.
    virtual void DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) = 0;
};

// Remembers every call with its argument names and values.
class RecordingChartSink : public PerformanceChartSink {
  public:
    struct Call {
        std::string Name;
        std::vector<std::pair<std::string, double>> Values;
    };

    void DisplayPPAVariance(double Measurement, double Process, double Target, double Stream,
                            double Time, double XBar, double Std) override;
    void DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) override;

    // One line per call: the name, then name=value pairs, tab-separated; values in the
    // shortest form that reads back as the same double.
    std::vector<std::string> Lines() const;

    std::vector<Call> Calls;
};

}  // namespace vostrel
