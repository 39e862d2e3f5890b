#include "app/graphs/ppa_chart_form.h"

#include <algorithm>

#include "app/graphs/ppa_drawing.h"
#include "app/common/graph_services/graph_window_services.h"
#include "app/common/help_button.h"
#include "engine/workspace.h"
#include "ui_ppa_chart_form.h"

namespace vostrel::app {

TPPAChartForm::TPPAChartForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TPPAChartForm>()), ws_(ws) {
    ui_->setupUi(this);
    BindHelpCommands(ui_->HelponOutputForm1, ui_->ToolButton_Help, ui_->Contents1,
                     kPerformanceChartsTopic);
    for (QCustomPlot* plot : {ui_->Chart1, ui_->Chart2, ui_->Chart3, ui_->Chart4})
        plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    ui_->Chart2->setInteractions({});  // the pie has no axes to pan
    // One set of services per page; the window's commands go to the active page's.
    for (int page = 0; page < kPPAPageCount; ++page) {
        auto* services = new GraphWindowServices(*this, Chart(static_cast<PPAPage>(page)), ws_,
                                                 GraphActions{}, GraphFormats::WithoutJpeg);
        services->Redraw = [this] { Redraw(); };
        connect(&services->Zoom(), &GraphZoom::ZoomedChanged, this, [this] { ShowZoomState(); });
        pages_[static_cast<std::size_t>(page)] = services;
    }
    navigation_ =
        std::make_unique<GraphNavigation>(*this, ui_->ToolButton_Return, ui_->ReturntoMainForm1);
    for (QAction* action : {ui_->ToolButton_Return, ui_->ReturntoMainForm1})
        connect(action, &QAction::triggered, this, [this] { navigation_->Return(); });
    connect(ui_->ToolButton_Close, &QAction::triggered, this, [this] { navigation_->HideForm(); });
    const auto bind = [this](std::initializer_list<QAction*> actions,
                             void (GraphWindowServices::*command)()) {
        for (QAction* action : actions)
            connect(action, &QAction::triggered, this, [this, command] { (Active().*command)(); });
    };
    bind({ui_->ToolButton_Print, ui_->Print1}, &GraphWindowServices::Print);
    bind({ui_->ToolButton_Copy, ui_->Copy1}, &GraphWindowServices::Copy);
    bind({ui_->ToolButton_EditTitles, ui_->EditTitles1}, &GraphWindowServices::EditTitles);
    bind({ui_->ToolButton_BW, ui_->BlackWhite1}, &GraphWindowServices::ToggleBlackWhite);
    for (QAction* save : {ui_->ToolButton_Save, ui_->SaveAs1})
        connect(save, &QAction::triggered, this, [this] { Active().Save(); });
    for (QAction* zoomOut : {ui_->ToolButton_ZoomOut, ui_->ZoomOut1})
        connect(zoomOut, &QAction::triggered, this, [this] { Active().Zoom().ZoomOut(); });
    connect(ui_->PageControl1, &QTabWidget::currentChanged, this, [this] { ShowZoomState(); });
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

bool TPPAChartForm::ShowCharts(QWidget* caller) {
    if (!charts_.HaveIndices) return false;
    navigation_->Open(caller, GraphNavigation::MainFormName);
    return true;
}

GraphWindowServices& TPPAChartForm::Active() const {
    return *pages_[static_cast<std::size_t>(std::max(0, ui_->PageControl1->currentIndex()))];
}

void TPPAChartForm::ShowZoomState() {
    const bool zoomed = Active().Zoom().Zoomed();
    ui_->ToolButton_ZoomOut->setEnabled(zoomed);
    ui_->ZoomOut1->setEnabled(zoomed);
    ui_->BlackWhite1->setChecked(ws_.graphWindows.BlackWhiteMode);
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

bool TPPAChartForm::BlackWhite() const { return ws_.graphWindows.BlackWhiteMode; }

void TPPAChartForm::Redraw() {
    for (int page = 0; page < kPPAPageCount; ++page)
        DrawPPAPage(Chart(static_cast<PPAPage>(page)), charts_, static_cast<PPAPage>(page),
                    BlackWhite());
    for (GraphWindowServices* services : pages_)
        if (services != nullptr) services->RememberDrawing();
    ShowZoomState();
}

}  // namespace vostrel::app
