#include "app/charts/chart_window.h"

#include <qcustomplot.h>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>

#include <string>

#include "app/charts/chart_info_window.h"
#include "app/charts/control_tests_window.h"
#include "app/charts/point_label_dialog.h"
#include "app/common/graph_services/axis_decimals_menu.h"
#include "app/common/graph_services/graph_help.h"
#include "app/common/graph_services/graph_navigation.h"
#include "app/common/graph_services/graph_window_services.h"
#include "app/common/display_text.h"
#include "engine/control_charts/chart_enumeration.h"
#include "engine/control_charts/chart_view_menu.h"
#include "engine/control_charts/compute_chart.h"
#include "engine/graphics/axis_format.h"
#include "engine/report/number_format.h"
#include "engine/workspace.h"
#include "ui_chart_window.h"

namespace vostrel::app {

TVARchart_Form::TVARchart_Form(Workspace& ws, QWidget* setupWindow, const WindowDirectory* windows,
                               QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      ui_(new Ui::TVARchart_Form),
      setupWindow_(setupWindow),
      windows_(windows) {
    ui_->setupUi(this);
    style_.Locale = ws_.report.numberLocale;

    GraphActions actions;
    actions.Print = ui_->Print1;
    actions.Copy = ui_->CopyChart1;
    actions.Save = ui_->SaveAs1;
    actions.EditTitles = ui_->EditTitles1;
    actions.ZoomOut = ui_->ZoomOut1;
    actions.BlackWhite = ui_->ColorBW1;
    actions.BlackWhiteItem = ui_->BlackWhite1;
    actions.ReturnButton = ui_->ToolButton_Return;
    actions.ReturnItem = ui_->Return1;
    actions.MainForm = ui_->MainForm1;
    actions.HideForm = ui_->HideForm1;
    services_ = new GraphWindowServices(*this, *ui_->Chart1, ws_, actions);
    services_->Redraw = [this] { DisplayVARchart(); };
    services_->TitleTarget = [this] {
        return std::make_unique<PlotTitleTarget>(*ui_->Chart1, view_.Title, view_.LeftAxis,
                                                 view_.BottomAxis, view_.DispersionAxis);
    };
    services_->TitlesEdited = [this] { TitlesEdited(); };

    BindHelpCommands(*this, ui_->Help1, ui_->Contents1, kChartWindowTopic);
    BindViewMenu();
    connect(ui_->ListBox_Selection, &QListWidget::currentRowChanged, this,
            &TVARchart_Form::ChartListClicked);
    ui_->ListBox_Selection->installEventFilter(this);
    connect(ui_->TrackBar1, &QSlider::valueChanged, this, &TVARchart_Form::SliderMoved);
    connect(ui_->ScrollBar1, &QScrollBar::valueChanged, this, &TVARchart_Form::PointSizeChanged);
    connect(ui_->UpDown1, qOverload<int>(&QSpinBox::valueChanged), this,
            &TVARchart_Form::LineThicknessChanged);
    connect(ui_->Button_ChartInfo, &QPushButton::clicked, this,
            &TVARchart_Form::ShowChartInformation);
    connect(ui_->Chart1, &QCustomPlot::mouseMove, this, &TVARchart_Form::MouseMoved);
    connect(ui_->Chart1, &QCustomPlot::mousePress, this, &TVARchart_Form::MousePressed);

    const ChartState& chart = ws_.chart;
    ui_->TrackBar1->setValue(chart.View.SliderPosition);
    ui_->ScrollBar1->setValue(chart.Display.PointSize);
    ui_->UpDown1->setValue(chart.Display.LineThickness);
    ShowSliderHint();
    ui_->ScrollBar1->setToolTip(QStringLiteral("Set Point Size = %1").arg(chart.Display.PointSize));
    ui_->UpDown1->setToolTip(
        QStringLiteral("Line Thickness = %1").arg(chart.Display.LineThickness));
    ShowCaption();
}

TVARchart_Form::~TVARchart_Form() { delete ui_; }

QCustomPlot* TVARchart_Form::Chart() const { return ui_->Chart1; }

void TVARchart_Form::ShowCaption() {
    const std::string& file = ws_.table.DataFilename;
    setWindowTitle(file.empty() ? QStringLiteral("Variables Chart")
                                : QStringLiteral("Variables Chart - ") +
                                      QFileInfo(ToDisplayText(file)).fileName());
}

void TVARchart_Form::ShowVARchartForm(QWidget* caller, const QString& name) {
    ShowCaption();
    services_->Open(caller, name);
}

void TVARchart_Form::RememberDataState() { stamp_ = TakeChartDataStamp(ws_); }

void TVARchart_Form::FillChartList() {
    const ChartState& chart = ws_.chart;
    filling_ = true;
    ui_->ListBox_Selection->clear();
    const std::string key =
        std::to_string(chart.CurrentColumn) + " " + std::to_string(chart.CurrentRun);
    int current = -1;
    for (std::size_t i = 0; i < chart.ChartNames.size(); ++i) {
        ui_->ListBox_Selection->addItem(ToDisplayText(chart.ChartNames[i]));
        if (chart.ChartKeys[i] == key) current = static_cast<int>(i);
    }
    ui_->ListBox_Selection->setCurrentRow(current);
    filling_ = false;
    ui_->Panel_Slider->setVisible(chart.Definition.LocChartType != ChartNone &&
                                  chart.Definition.DispChartType != ChartNone);
}

void TVARchart_Form::DisplayVARchart() {
    BusyCursor busy(ws_.ui);
    QCustomPlot& plot = *ui_->Chart1;
    if (ws_.chart.ChartNames.empty()) {
        // Nothing to chart: no picture of an earlier chart stays on screen.
        picture_ = ChartPicture();
        view_ = ControlChartView();
        plot.clearPlottables();
        plot.clearItems();
        plot.plotLayout()->clear();
        plot.replot();
        ui_->Label1->setText(QStringLiteral("No chart has any points."));
        ui_->Label2->clear();
        return;
    }
    style_.Locale = ws_.report.numberLocale;
    picture_ = BuildChartPicture(ws_);
    if (!picture_.Empty()) ++displayCount_;
    view_ = DrawControlChart(plot, picture_, style_);
    plot.replot();
    services_->RememberDrawing();
    ui_->Label1->clear();
    ui_->Label2->clear();
}

void TVARchart_Form::TitlesEdited() {
    const GraphTitleSizes sizes = PlotTitleTarget(*ui_->Chart1, view_.Title, view_.LeftAxis,
                                                  view_.BottomAxis, view_.DispersionAxis)
                                      .Sizes();
    if (sizes.ChartTitle > 0) style_.Sizes.ChartTitle = sizes.ChartTitle;
    if (sizes.LeftTitle > 0) style_.Sizes.LeftTitle = sizes.LeftTitle;
    if (sizes.BottomTitle > 0) style_.Sizes.BottomTitle = sizes.BottomTitle;
    if (sizes.LeftLabels > 0) style_.Sizes.LeftLabels = sizes.LeftLabels;
    if (sizes.BottomLabels > 0) style_.Sizes.BottomLabels = sizes.BottomLabels;
}

// --- View menu ---

void TVARchart_Form::BindOption(QAction* action, bool& option) {
    action->setChecked(option);
    connect(action, &QAction::toggled, this, [this, &option](bool on) {
        option = on;
        DisplayVARchart();
    });
}

void TVARchart_Form::BindViewMenu() {
    ChartDisplayOptions& o = ws_.chart.Display;
    BindOption(ui_->DisplayCodes, o.DisplayCodes);
    BindOption(ui_->DisplayZones, o.DisplayZones);
    BindOption(ui_->ShowSigmaLines, o.ShowSigmaLines);
    BindOption(ui_->ShowSpecs, o.ShowSpecs);
    BindOption(ui_->RemoveLocPlot, o.RemoveLocPlot);
    BindOption(ui_->ConnectPoints, o.ConnectPoints);
    BindOption(ui_->AddLimitInfo, o.AddLimitInfo);
    BindOption(ui_->AddFileMods, o.AddFileMods);
    // These three do more than set their option.
    ui_->DisplayViolations->setChecked(o.DisplayViolations);
    ui_->ShowAllPoints->setChecked(ws_.chart.View.ShowAllPoints);
    ui_->ShowBreaks->setChecked(ws_.chart.View.ShowBreaks);
    connect(ui_->DisplayViolations, &QAction::toggled, this, [this](bool on) {
        SetDisplayViolations(ws_.chart, on);
        ViewMenuOpened();
        DisplayVARchart();
    });
    connect(ui_->ShowAllPoints, &QAction::toggled, this, [this](bool on) {
        if (on == ws_.chart.View.ShowAllPoints) return;
        ToggleShowAllPoints(ws_, on);
        ViewMenuOpened();
        DisplayVARchart();
    });
    connect(ui_->ShowBreaks, &QAction::toggled, this, [this](bool on) {
        if (on == ws_.chart.View.ShowBreaks) return;
        SetShowBreaks(ws_, on);
        DisplayVARchart();
    });
    connect(ui_->ClearPointText, &QAction::triggered, this, [this] {
        ClearPointText(ws_.chart);
        DisplayVARchart();
    });
    connect(ui_->Recalculate1, &QAction::triggered, this, &TVARchart_Form::Recalculate);
    connect(ui_->ControlTests1, &QAction::triggered, this, &TVARchart_Form::ShowControlTests);
    connect(ui_->ChartInfo1, &QAction::triggered, this, &TVARchart_Form::ShowChartInformation);
    connect(ui_->View1, &QMenu::aboutToShow, this, &TVARchart_Form::ViewMenuOpened);

    const QList<QAction*> digits = {ui_->AxisDecimals0, ui_->AxisDecimals1, ui_->AxisDecimals2,
                                    ui_->AxisDecimals3, ui_->AxisDecimals4, ui_->AxisDecimals5,
                                    ui_->AxisDecimals6, ui_->AxisDecimals7, ui_->AxisDecimals8,
                                    ui_->AxisDecimals9};
    BindAxisDecimalsMenu(*this, ui_->AxisFloating, digits, o.AxisDecimals, [this](int decimals) {
        SelectAxisDecimals(decimals);
    })->setChecked(true);
    SelectAxisDecimals(o.AxisDecimals);
}

void TVARchart_Form::SelectAxisDecimals(int decimals) {
    ws_.chart.Display.AxisDecimals = decimals;
    ui_->AxisDecimalPlaces->setTitle(
        QStringLiteral("Axis Decimal &Places (%1)")
            .arg(QString::fromStdString(AxisDecimalsCaption(decimals))));
    if (!picture_.Empty()) DisplayVARchart();
}

// The items follow the chart as the menu opens.
void TVARchart_Form::ViewMenuOpened() {
    ChartState& chart = ws_.chart;
    UncheckDisabledItems(chart);
    const ChartViewMenuState state = ViewMenuState(chart);
    const QSignalBlocker blockAll(ui_->ShowAllPoints);
    const QSignalBlocker blockSpecs(ui_->ShowSpecs);
    const QSignalBlocker blockSigma(ui_->ShowSigmaLines);
    const QSignalBlocker blockRemove(ui_->RemoveLocPlot);
    const QSignalBlocker blockCodes(ui_->DisplayCodes);
    ui_->ShowAllPoints->setEnabled(state.ShowAllPoints);
    ui_->ShowAllPoints->setChecked(chart.View.ShowAllPoints);
    ui_->ShowSigmaLines->setEnabled(state.SigmaLines);
    ui_->ShowSigmaLines->setChecked(chart.Display.ShowSigmaLines);
    ui_->ShowSpecs->setEnabled(state.Specs);
    ui_->ShowSpecs->setChecked(chart.Display.ShowSpecs);
    ui_->RemoveLocPlot->setEnabled(state.RemoveLocPlot);
    ui_->RemoveLocPlot->setChecked(chart.Display.RemoveLocPlot);
    ui_->DisplayZones->setEnabled(state.Zones);
    ui_->DisplayCodes->setEnabled(state.Codes);
    ui_->DisplayCodes->setChecked(chart.Display.DisplayCodes);
    ui_->ClearPointText->setEnabled(state.ClearPointText);
    services_->ShowMenuState();
}

// --- Chart list, slider, sizes ---

void TVARchart_Form::ChartListClicked(int row) {
    if (filling_ || row < 0) return;
    {
        BusyCursor busy(ws_.ui);
        SelectChart(ws_, row);
    }
    DisplayVARchart();
}

bool TVARchart_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->ListBox_Selection && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Recalculate();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVARchart_Form::ShowSliderHint() {
    const int position = ui_->TrackBar1->value();
    QString shares = QStringLiteral("%1%/%2%)").arg(position).arg(100 - position);
    if (position <= ChartViewOptions::MinSlider) shares = QStringLiteral("0%/100%)");
    if (position >= ChartViewOptions::MaxSlider) shares = QStringLiteral("100%/0%)");
    ui_->TrackBar1->setToolTip(QStringLiteral("Location/Dispersion Chart Sizing (") + shares);
}

void TVARchart_Form::SliderMoved(int position) {
    ChartState& chart = ws_.chart;
    const bool locBefore = chart.View.LocShown(chart.Definition);
    const bool dispBefore = chart.View.DispShown(chart.Definition);
    chart.View.SliderPosition = position;
    ShowSliderHint();
    if (picture_.Empty()) return;
    // Within the range the axes move at once; at either end one chart goes or comes back.
    if (chart.View.LocShown(chart.Definition) != locBefore ||
        chart.View.DispShown(chart.Definition) != dispBefore) {
        DisplayVARchart();
        return;
    }
    picture_.SliderPosition = position;
    PlaceChartSlider(*ui_->Chart1, view_, position);
    ui_->Chart1->replot();
}

void TVARchart_Form::PointSizeChanged(int size) {
    ws_.chart.Display.PointSize = size;
    ui_->ScrollBar1->setToolTip(QStringLiteral("Set Point Size = %1").arg(size));
    if (!picture_.Empty()) DisplayVARchart();
}

void TVARchart_Form::LineThicknessChanged(int width) {
    ws_.chart.Display.LineThickness = width;
    ui_->UpDown1->setToolTip(QStringLiteral("Line Thickness = %1").arg(width));
    if (!picture_.Empty()) DisplayVARchart();
}

void TVARchart_Form::Recalculate() {
    if (ws_.chart.ChartNames.empty()) return;
    {
        BusyCursor busy(ws_.ui);
        ComputeChart(ws_);
    }
    DisplayVARchart();
}

void TVARchart_Form::ShowControlTests() { ShowControlTestsDialog(ws_, this); }

void TVARchart_Form::ShowChartInformation() {
    if (info_.isNull()) info_ = new TForm_CChart_Info(ws_, *this, windows_);
    info_->ShowChartInformation(this, QStringLiteral("Variables Chart"));
}

// --- Mouse ---

void TVARchart_Form::MouseMoved(QMouseEvent* event) {
    const std::optional<ChartHit> hit = FindChartPoint(view_, picture_, event->position());
    if (!hit) {
        ui_->Label1->clear();
        ui_->Label2->clear();
        return;
    }
    ui_->Chart1->setCursor(Qt::CrossCursor);
    ui_->Label1->setText(hit->Title);
    const std::size_t position = static_cast<std::size_t>(hit->Position);
    const QString label =
        position < picture_.Labels.size() ? ToDisplayText(picture_.Labels[position]) : QString();
    ui_->Label2->setText(
        QStringLiteral("X=") + label + QStringLiteral("  Y=") +
        QString::fromStdString(FormatGeneral(ws_.report.numberLocale, hit->Value)));
}

void TVARchart_Form::MousePressed(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::optional<ChartHit> hit = FindChartPoint(view_, picture_, event->position());
    if (!hit || !hit->Statistic) return;
    const QPoint global = event->globalPosition().toPoint();
    const bool upper = hit->Upper;
    const int position = hit->Position;
    // Not inside the plot's own mouse handling: the dialog is modal.
    QMetaObject::invokeMethod(
        this, [this, upper, position, global] { EditPointText(upper, position, global); },
        Qt::QueuedConnection);
}

void TVARchart_Form::EditPointText(bool upper, int position, const QPoint& globalPointer) {
    const ChartPanel& panel = upper ? picture_.Upper : picture_.Lower;
    std::vector<std::string>& texts =
        panel.Kind == ChartKind::Location ? ws_.chart.LocPointText : ws_.chart.DispPointText;
    const std::size_t index = static_cast<std::size_t>(position) + 1;
    if (index >= texts.size()) texts.resize(index + 1);
    TForm_PointLabel dialog(ToDisplayText(texts[index]), lastPointText_, this);
    dialog.PlaceAt(globalPointer);
    if (dialog.exec() != QDialog::Accepted) return;
    lastPointText_ = dialog.Text();
    texts[index] = FromDisplayText(lastPointText_);
    DisplayVARchart();
}

// --- Activation ---

bool TVARchart_Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) CheckDataState();
    return QMainWindow::event(event);
}

void TVARchart_Form::CheckDataState() {
    const ChartDataStamp now = TakeChartDataStamp(ws_);
    if (!now.SameStructure(stamp_)) {
        ResetChartWindow();
        return;
    }
    // The values changed under the chart: it is computed again rather than left stale.
    if (!now.SameContents(stamp_)) {
        stamp_ = now;
        Recalculate();
    }
}

void TVARchart_Form::ResetChartWindow() {
    ws_.chart.ChartNames.clear();
    ws_.chart.ChartKeys.clear();
    DisplayVARchart();
    FillChartList();
    if (!info_.isNull()) info_->close();
    QMetaObject::invokeMethod(
        this,
        [this] {
            hide();
            ShowRestored(setupWindow_);
        },
        Qt::QueuedConnection);
}

}  // namespace vostrel::app
