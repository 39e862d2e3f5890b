#include "app/charts/plot/control_chart_plot.h"

#include <qcustomplot.h>
#include <QFontDatabase>

#include <algorithm>
#include <cmath>

#include "app/charts/plot/chart_tickers.h"
#include "app/charts/plot/set_separators.h"
#include "app/charts/plot/statistic_series.h"
#include "app/charts/plot/step_line_series.h"
#include "app/charts/plot/zone_bands.h"
#include "app/common/display_text.h"

namespace vostrel::app {

namespace {

QColor ToColour(const RgbColour& rgb) { return QColor(rgb.R, rgb.G, rgb.B); }

QString Text(const std::string& text) { return ToDisplayText(text); }

QFont Sized(QFont font, int size) {
    if (size > 0) font.setPointSize(size);
    return font;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list.append(Text(line));
    return list.join(QLatin1Char('\n'));
}

class ChartDrawer {
  public:
    ChartDrawer(QCustomPlot& plot, const ChartPicture& picture, const ControlChartStyle& style)
        : plot_(plot), p_(picture), style_(style), colours_(picture.Colours) {}

    ControlChartView Draw() {
        plot_.clearPlottables();
        plot_.clearItems();
        plot_.plotLayout()->clear();
        plot_.plotLayout()->setRowSpacing(0);
        plot_.setBackground(Qt::white);

        int row = 0;
        if (!p_.TitleLines.empty()) Title(row++);
        view_.UpperRow = row;
        view_.Upper = NewRect(row++);
        if (p_.BothShown) view_.Lower = NewRect(row++);
        if (!p_.FootLines.empty()) Foot(row++);
        Axes();
        if (p_.Upper.Shown) Panel(p_.Upper, view_.Upper, true);
        if (p_.BothShown) Panel(p_.Lower, view_.Lower, false);
        Separators();
        PlaceChartSlider(plot_, view_, p_.SliderPosition);
        return view_;
    }

  private:
    void Title(int row) {
        auto* title = new QCPTextElement(&plot_, JoinLines(p_.TitleLines),
                                         Sized(plot_.font(), style_.Sizes.ChartTitle));
        title->setTextColor(ToColour(colours_.Text));
        plot_.plotLayout()->addElement(row, 0, title);
        view_.Title = title;
    }

    void Foot(int row) {
        QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        mono.setPointSize(std::max(style_.Sizes.BottomLabels, 6));
        auto* foot = new QCPTextElement(&plot_, JoinLines(p_.FootLines), mono);
        foot->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
        foot->setTextColor(ToColour(colours_.Text));
        foot->setMargins(QMargins(8, 2, 8, 4));
        plot_.plotLayout()->addElement(row, 0, foot);
        view_.Foot = foot;
    }

    QCPAxisRect* NewRect(int row) {
        auto* rect = new QCPAxisRect(&plot_);
        plot_.plotLayout()->addElement(row, 0, rect);
        rect->setRangeZoomAxes(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
        rect->setRangeDragAxes(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
        // One margin group per plot lines the two charts' axes up.
        if (margins_ == nullptr) margins_ = plot_.findChild<QCPMarginGroup*>();
        if (margins_ == nullptr) margins_ = new QCPMarginGroup(&plot_);
        rect->setMarginGroup(QCP::msLeft | QCP::msRight, margins_);
        return rect;
    }

    void ValueAxis(QCPAxis* axis, const ChartPanel& panel) {
        axis->setTicker(
            QSharedPointer<QCPAxisTicker>(new ValueTicker(style_.Locale, p_.Display.AxisDecimals)));
        axis->setLabel(Text(panel.AxisTitle));
        axis->setLabelFont(Sized(axis->labelFont(), style_.Sizes.LeftTitle));
        axis->setTickLabelFont(Sized(axis->tickLabelFont(), style_.Sizes.LeftLabels));
        axis->setRange(panel.AxisMin, panel.AxisMax);
    }

    void Axes() {
        const double keyHigh = std::max(p_.PositionCount, 1) - 0.5;
        QCPAxisRect* bottomRect = p_.BothShown ? view_.Lower.data() : view_.Upper.data();
        for (QCPAxisRect* rect : {view_.Upper.data(), view_.Lower.data()}) {
            if (rect == nullptr) continue;
            QCPAxis* key = rect->axis(QCPAxis::atBottom);
            key->setRange(-0.5, keyHigh);
            if (rect != bottomRect) {
                key->setTickLabels(false);
                key->setTicks(false);
            }
        }
        view_.LeftAxis = view_.Upper->axis(QCPAxis::atLeft);
        ValueAxis(view_.LeftAxis, p_.Upper);
        if (p_.BothShown) {
            view_.DispersionAxis = view_.Lower->axis(QCPAxis::atLeft);
            ValueAxis(view_.DispersionAxis, p_.Lower);
        }

        QCPAxis* bottom = bottomRect->axis(QCPAxis::atBottom);
        view_.BottomAxis = bottom;
        bottom->setLabel(Text(p_.BottomTitle));
        bottom->setLabelFont(Sized(bottom->labelFont(), style_.Sizes.BottomTitle));
        bottom->setTickLabelFont(Sized(bottom->tickLabelFont(), style_.Sizes.BottomLabels));
        std::vector<QString> labels;
        labels.reserve(p_.Labels.size());
        for (const std::string& label : p_.Labels) labels.push_back(Text(label));
        bottom->setTicker(QSharedPointer<QCPAxisTicker>(
            new PointLabelTicker(bottom, std::move(labels), p_.LabelsRotated)));
        bottom->setTickLabelRotation(p_.LabelsRotated ? 45 : 0);
        bottom->setSubTicks(false);
        bottom->grid()->setVisible(false);
        if (view_.Lower) view_.Upper->axis(QCPAxis::atBottom)->grid()->setVisible(false);

        if (view_.Lower) {
            // Both charts show the same points: a zoom or scroll of one moves the other.
            QCPAxis* upperKey = view_.Upper->axis(QCPAxis::atBottom);
            QCPAxis* lowerKey = view_.Lower->axis(QCPAxis::atBottom);
            QObject::connect(upperKey, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), lowerKey,
                             qOverload<const QCPRange&>(&QCPAxis::setRange));
            QObject::connect(lowerKey, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), upperKey,
                             qOverload<const QCPRange&>(&QCPAxis::setRange));
        }
        if (p_.CodesShown) CodeAxis();
    }

    void CodeAxis() {
        QCPAxis* top = view_.Upper->axis(QCPAxis::atTop);
        top->setVisible(true);
        top->setRange(view_.Upper->axis(QCPAxis::atBottom)->range());
        std::vector<std::pair<double, QString>> codes;
        for (std::size_t x = 0; x < p_.Codes.size(); ++x) {
            if (p_.Codes[x] != " " && !p_.Codes[x].empty()) {
                codes.emplace_back(static_cast<double>(x), Text(p_.Codes[x]));
            }
        }
        top->setTicker(QSharedPointer<QCPAxisTicker>(new CodeTicker(top, std::move(codes))));
        top->setTickLabelRotation(-90);
        top->setTickLabelFont(Sized(top->tickLabelFont(), style_.Sizes.BottomLabels));
        top->setTickLabelColor(ToColour(colours_.Signalled));
        top->setSubTicks(false);
        top->grid()->setVisible(false);
        QObject::connect(view_.Upper->axis(QCPAxis::atBottom),
                         qOverload<const QCPRange&>(&QCPAxis::rangeChanged), top,
                         qOverload<const QCPRange&>(&QCPAxis::setRange));
        view_.CodeAxis = top;
    }

    void AddSeries(PositionSeries* series, const QString& title, bool statistic, bool upper) {
        view_.AllSeries.push_back({series, title, statistic, upper});
    }

    StepLineSeries* Line(QCPAxisRect* rect, const std::vector<double>& values, const QPen& pen,
                         bool stepped) {
        auto* line = new StepLineSeries(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft),
                                        values, stepped);
        line->setPen(pen);
        return line;
    }

    void Panel(const ChartPanel& panel, QCPAxisRect* rect, bool upper) {
        QCPAxis* key = rect->axis(QCPAxis::atBottom);
        QCPAxis* value = rect->axis(QCPAxis::atLeft);
        const int thickness = p_.Display.LineThickness;
        const int limitWidth = std::max(2, thickness);
        if (panel.ZonesShown) {
            ZoneColours zones;
            if (p_.BlackWhite) {
                zones.Middle = ToColour(ZoneMiddleBlackWhite);
                zones.MiddleOnly = true;
            }
            new ZoneBands(key, value, panel.CL, panel.StdError, panel.LCL, panel.UCL, zones,
                          panel.ZonesCutAtZero);
        }
        if (upper && panel.Kind == ChartKind::Location) LocationExtras(panel, rect);

        const QColor limit = ToColour(colours_.Limit);
        const QColor center = ToColour(colours_.Centerline);
        AddSeries(Line(rect, panel.UCL, QPen(limit, limitWidth), true), Text(panel.UCLTitle()),
                  false, upper);
        AddSeries(Line(rect, panel.CL, QPen(center, limitWidth), true), Text(panel.CLTitle()),
                  false, upper);
        AddSeries(Line(rect, panel.LCL, QPen(limit, limitWidth), true), Text(panel.LCLTitle()),
                  false, upper);

        StatisticStyle style;
        style.Normal = ToColour(colours_.Normal);
        style.Signalled = ToColour(colours_.Signalled);
        style.HollowSignals = p_.BlackWhite;
        style.PointSize = p_.Display.PointSize;
        style.LineWidth = thickness;
        auto* statistic = new StatisticSeries(
            key, value, panel.Statistic, panel.Signalled,
            p_.Display.ConnectPoints ? panel.JoinedToPrevious : std::vector<std::uint8_t>{}, style);
        std::vector<std::pair<int, QString>> texts;
        for (const auto& [position, text] : panel.PointTexts)
            texts.emplace_back(position, Text(text));
        statistic->SetPointTexts(std::move(texts));
        view_.AllSeries.insert(view_.AllSeries.begin(),
                               {statistic, Text(panel.StatisticTitle()), true, upper});
    }

    void LocationExtras(const ChartPanel& panel, QCPAxisRect* rect) {
        if (!panel.PlusSigma.empty()) {
            const QPen dotted(Qt::black, 1, Qt::DotLine);
            AddSeries(Line(rect, panel.PlusSigma, dotted, false), "Plus 3 Sigma Line", false, true);
            AddSeries(Line(rect, panel.MinusSigma, dotted, false), "Minus 3 Sigma Line", false,
                      true);
        }
        for (const SpecLine& spec : p_.Specs) {
            const std::vector<double> values(
                static_cast<std::size_t>(std::max(p_.PositionCount, 1)), spec.Value);
            const QColor colour = ToColour(spec.IsTarget ? colours_.Centerline : colours_.Limit);
            AddSeries(Line(rect, values, QPen(colour, 1, Qt::DashLine), true), Text(spec.Title),
                      false, true);
        }
        if (!p_.AllPoints.empty()) {
            QCPGraph* all =
                plot_.addGraph(rect->axis(QCPAxis::atBottom), rect->axis(QCPAxis::atLeft));
            QVector<double> keys;
            QVector<double> values;
            keys.reserve(static_cast<int>(p_.AllPoints.size()));
            values.reserve(static_cast<int>(p_.AllPoints.size()));
            for (const auto& [x, y] : p_.AllPoints) {
                keys.append(x);
                values.append(y);
            }
            all->setData(keys, values, true);
            all->setLineStyle(QCPGraph::lsNone);
            const QColor colour = ToColour(colours_.Normal);
            all->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, colour, colour,
                                                 2 * (p_.Display.PointSize / 2 + 1)));
            all->setName("Individual Point");
        }
    }

    void Separators() {
        if (p_.Separators.empty()) return;
        std::vector<SetMark> marks;
        for (const SetSeparator& s : p_.Separators) marks.push_back({s.X, s.Line, Text(s.Label)});
        QCPAxisRect* bottom = view_.Lower ? view_.Lower.data() : view_.Upper.data();
        new SetSeparators(&plot_, view_.Upper, bottom, std::move(marks),
                          p_.Display.LineThickness + 2, view_.LeftAxis->tickLabelFont());
    }

    QCustomPlot& plot_;
    const ChartPicture& p_;
    const ControlChartStyle& style_;
    const ChartColours& colours_;
    QCPMarginGroup* margins_ = nullptr;
    ControlChartView view_;
};

}  // namespace

ControlChartView DrawControlChart(QCustomPlot& plot, const ChartPicture& picture,
                                  const ControlChartStyle& style) {
    return ChartDrawer(plot, picture, style).Draw();
}

void PlaceChartSlider(QCustomPlot& plot, const ControlChartView& view, int position) {
    if (view.Lower.isNull()) return;
    const int upper = std::clamp(position, 1, 99);
    plot.plotLayout()->setRowStretchFactor(view.UpperRow, upper);
    plot.plotLayout()->setRowStretchFactor(view.UpperRow + 1, 100 - upper);
}

std::optional<ChartHit> FindChartPoint(const ControlChartView& view, const ChartPicture& picture,
                                       const QPointF& pixel) {
    for (const bool upper : {true, false}) {
        const QCPAxisRect* rect = upper ? view.Upper.data() : view.Lower.data();
        if (rect == nullptr || !rect->rect().contains(pixel.toPoint())) continue;
        const QCPAxis* key = rect->axis(QCPAxis::atBottom);
        const QCPAxis* value = rect->axis(QCPAxis::atLeft);
        const int position = static_cast<int>(std::lround(key->pixelToCoord(pixel.x())));
        if (position < 0 || position >= picture.PositionCount) return std::nullopt;
        const double tolerance = picture.Display.PointSize + 3;
        for (const ControlChartView::Series& series : view.AllSeries) {
            if (series.Upper != upper || series.Plottable.isNull()) continue;
            const double y = series.Plottable->ValueAt(position);
            if (std::isnan(y) || std::fabs(value->coordToPixel(y) - pixel.y()) > tolerance)
                continue;
            return ChartHit{series.Title, position, y, series.Statistic, upper};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vostrel::app
