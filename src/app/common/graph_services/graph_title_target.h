#pragma once
// What the titles dialog edits on one graph: the chart title, the axis titles and five font
// sizes. PlotTitleTarget edits the elements of a plot directly; a window that draws its
// titles itself can offer its own target.

#include <QString>

class QCPAxis;
class QCPTextElement;
class QCustomPlot;

namespace vostrel::app {

struct GraphTitles {
    QString Chart;   // every line of the chart title
    QString Left;    // the left (Y) axis title
    QString Bottom;  // the bottom (X) axis title
    QString Extra;   // the first extra vertical axis title; empty when there is none
};

// Point sizes; 0 leaves a size as it is.
struct GraphTitleSizes {
    int ChartTitle = 0;
    int LeftTitle = 0;  // also the extra axis title
    int BottomTitle = 0;
    int LeftLabels = 0;  // also the extra axis labels
    int BottomLabels = 0;
    bool operator==(const GraphTitleSizes&) const = default;
};

class GraphTitleTarget {
  public:
    virtual ~GraphTitleTarget() = default;
    virtual GraphTitles Titles() const = 0;
    virtual void SetTitles(const GraphTitles& titles) = 0;
    virtual GraphTitleSizes Sizes() const = 0;
    virtual void SetSizes(const GraphTitleSizes& sizes) = 0;
    // Whether the graph has an extra vertical axis with a title (the dialog then shows Y2).
    virtual bool HasExtraAxis() const = 0;
};

// The title element and axes of a plot; any of them may be missing. Every change replots.
class PlotTitleTarget : public GraphTitleTarget {
  public:
    PlotTitleTarget(QCustomPlot& plot, QCPTextElement* title, QCPAxis* left, QCPAxis* bottom,
                    QCPAxis* extra = nullptr)
        : plot_(plot), title_(title), left_(left), bottom_(bottom), extra_(extra) {}

    GraphTitles Titles() const override;
    void SetTitles(const GraphTitles& titles) override;
    GraphTitleSizes Sizes() const override;
    void SetSizes(const GraphTitleSizes& sizes) override;
    bool HasExtraAxis() const override;

  private:
    QCustomPlot& plot_;
    QCPTextElement* title_;
    QCPAxis* left_;
    QCPAxis* bottom_;
    QCPAxis* extra_;
};

}  // namespace vostrel::app
