#include "app/graphs/ppa_chart_form.h"

#include "app/graphs/ppa_drawing.h"
#include "engine/workspace.h"
#include "ui_ppa_chart_form.h"

namespace vostrel::app {

TPPAChartForm::TPPAChartForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TPPAChartForm>()), ws_(ws) {
    ui_->setupUi(this);
    for (QCustomPlot* plot : {ui_->Chart1, ui_->Chart2, ui_->Chart3, ui_->Chart4})
        plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    ui_->Chart2->setInteractions({});  // the pie has no axes to pan
    connect(ui_->ToolButton_BW, &QAction::triggered, this, [this] { SetBlackWhite(!blackWhite_); });
    connect(ui_->BlackWhite1, &QAction::triggered, this, [this] { SetBlackWhite(!blackWhite_); });
    connect(ui_->ToolButton_Close, &QAction::triggered, this, &QWidget::hide);
    Redraw();
}

TPPAChartForm::~TPPAChartForm() = default;

PPAContext TPPAChartForm::Context() const {
    return PPAContextFrom(ws_, ui_->PPAChartClearCheckBox->isChecked());
}

void TPPAChartForm::DisplayPPAVariance(double Measurement, double Process, double Target,
                                       double Stream, double Time, double XBar, double Std) {
    charts_.DisplayPPAVariance(Context(), Measurement, Process, Target, Stream, Time, XBar, Std);
    Redraw();
}

void TPPAChartForm::DisplayPPA(double Ppk, double Ppm, double Pp, double PPstream, double Cp) {
    charts_.DisplayPPA(Context(), Ppk, Ppm, Pp, PPstream, Cp);
    Redraw();
}

bool TPPAChartForm::ShowCharts(QWidget* /*caller*/) {
    if (!charts_.HaveIndices) return false;
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    return true;
}

QCustomPlot& TPPAChartForm::Chart(PPAPage page) const {
    switch (page) {
        case PPAPage::Opportunity:
            return *ui_->Chart4;
        case PPAPage::VariancePie:
            return *ui_->Chart2;
        case PPAPage::VarianceBars:
            return *ui_->Chart3;
        default:
            return *ui_->Chart1;
    }
}

QCustomPlot& TPPAChartForm::ActiveChart() const {
    return Chart(static_cast<PPAPage>(ui_->PageControl1->currentIndex()));
}

void TPPAChartForm::SetBlackWhite(bool on) {
    blackWhite_ = on;
    ui_->BlackWhite1->setChecked(on);
    Redraw();
}

void TPPAChartForm::Redraw() {
    for (int page = 0; page < kPPAPageCount; ++page)
        DrawPPAPage(Chart(static_cast<PPAPage>(page)), charts_, static_cast<PPAPage>(page),
                    blackWhite_);
}

}  // namespace vostrel::app
