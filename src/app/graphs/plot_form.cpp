#include "app/graphs/plot_form.h"

#include <QMouseEvent>

#include "app/graphs/point_text.h"
#include "app/common/graph_services/axis_decimals_menu.h"
#include "app/common/graph_services/graph_window_services.h"
#include "app/common/help_button.h"
#include "engine/workspace.h"
#include "ui_plot_form.h"

namespace vostrel::app {

TPlot_Form::TPlot_Form(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TPlot_Form>()), ws_(ws) {
    ui_->setupUi(this);
    BindHelpCommands(ui_->HelpOn1, ui_->ToolButton_Help, ui_->Contents1, kBoxPlotsTopic);
    ui_->Chart1->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    ui_->Chart1->setMouseTracking(true);
    sets_ = std::make_unique<GraphSetSelector>(ws_, *ui_->Panel_Combobox_Set, *ui_->ComboBox_Set,
                                               [this] { DisplaySelection(); });
    ui_->Panel_Combobox_Set->hide();

    connect(ui_->ListBox_Selection, &QListWidget::itemClicked, this,
            [this] { DisplaySelection(); });
    connect(ui_->ListBox_Selection, &QListWidget::itemActivated, this,
            [this] { DisplaySelection(); });
    connect(ui_->ScrollBar1, &QScrollBar::valueChanged, this, [this](int value) {
        ui_->ScrollBar1->setToolTip(QStringLiteral("Plot Width = %1%").arg(value));
        view_.PlotWidth = value;
        DisplaySelection();
    });
    connect(ui_->UpDown1, &QSpinBox::valueChanged, this, [this](int value) {
        ui_->UpDown1->setToolTip(QStringLiteral("Line Thickness = %1").arg(value));
        view_.LineThickness = value;
        DisplaySelection();
    });
    for (QAction* option : {ui_->UsePooledVariances1, ui_->DisplaySampleSize1,
                            ui_->DisplaySpecifications1, ui_->AddFileModificationstoChart1})
        connect(option, &QAction::toggled, this, [this] { DisplaySelection(); });
    connect(ui_->DisplayGridLines1, &QAction::toggled, this, [this](bool on) {
        view_.GridLines = on;
        ui_->Chart1->yAxis->grid()->setVisible(on);
        ui_->Chart1->replot();
    });
    BindAxisDecimalsMenu(
        *this, ui_->AxisFloating1,
        {ui_->AxisDecimals0, ui_->AxisDecimals1, ui_->AxisDecimals2, ui_->AxisDecimals3,
         ui_->AxisDecimals4, ui_->AxisDecimals5, ui_->AxisDecimals6, ui_->AxisDecimals7,
         ui_->AxisDecimals8, ui_->AxisDecimals9},
        view_.AxisDecimals, [this](int decimals) { SetAxisDecimals(decimals); });
    services_ = new GraphWindowServices(*this, *ui_->Chart1, ws_,
                                        GraphActions{.Print = ui_->Print1,
                                                     .Copy = ui_->Copy1,
                                                     .Save = ui_->SaveAs1,
                                                     .EditTitles = ui_->EditTitles1,
                                                     .ZoomOut = ui_->ZoomOut1,
                                                     .ZoomOutButton = ui_->ToolButton_ZoomOut,
                                                     .BlackWhite = ui_->ToolButton_BW,
                                                     .BlackWhiteItem = ui_->BlackWhite1,
                                                     .ReturnButton = ui_->ToolButton_Return,
                                                     .ReturnItem = ui_->Return1,
                                                     .MainForm = ui_->ToolButton_Main,
                                                     .HideForm = ui_->ToolButton_Close});
    services_->Redraw = [this] { Draw(); };
    // The tool buttons do what their menu items do.
    for (auto [button, item] : {std::pair{ui_->ToolButton_Save, ui_->SaveAs1},
                                {ui_->ToolButton_Print, ui_->Print1},
                                {ui_->ToolButton_Copy, ui_->Copy1},
                                {ui_->ToolButton_EditTitles, ui_->EditTitles1}})
        connect(button, &QAction::triggered, item, &QAction::trigger);
    connect(ui_->Chart1, &QCustomPlot::mouseMove, this, &TPlot_Form::ShowPointText);
}

TPlot_Form::~TPlot_Form() = default;

QCustomPlot& TPlot_Form::Chart() const { return *ui_->Chart1; }

void TPlot_Form::ShowPlotForm(QWidget* caller, const QString& name) {
    stamp_.Record(ws_.table);
    services_->Open(caller, name);
    FormActivate();
}

bool TPlot_Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) FormActivate();
    return QMainWindow::event(event);
}

void TPlot_Form::FormActivate() {
    ui_->ListBox_Selection->clear();
    if (stamp_.Changed(ws_.table)) {
        plot_ = BoxPlot();
        Draw();
        return;
    }
    for (const std::string& name : BoxPlotKindNames())
        ui_->ListBox_Selection->addItem(QString::fromStdString(name));
    sets_->Refill();
    DisplaySelection();
}

void TPlot_Form::DisplaySelection() {
    if (stamp_.Changed(ws_.table)) return;
    BusyCursor busy(ws_.ui);
    QListWidget& kinds = *ui_->ListBox_Selection;
    if (kinds.count() == 0) return;
    if (kinds.currentRow() < 0) kinds.setCurrentRow(0);
    BoxPlotOptions options;
    options.Kind = static_cast<BoxPlotKind>(kinds.currentRow());
    options.DisplaySpecifications = ui_->DisplaySpecifications1->isChecked();
    options.AddFileModifications = ui_->AddFileModificationstoChart1->isChecked();
    view_.ShowSampleSize = ui_->DisplaySampleSize1->isChecked();
    plot_ = BuildBoxPlot(ws_, ws_.analysis.GraphRunInfo, options);
    Draw();
}

void TPlot_Form::Draw() {
    view_.BlackWhite = ws_.graphWindows.BlackWhiteMode;
    DrawBoxPlot(*ui_->Chart1, plot_, view_);
    services_->RememberDrawing();
}

void TPlot_Form::SetAxisDecimals(int decimals) {
    view_.AxisDecimals = decimals;
    ui_->AxisDecimalPlaces1->setTitle(
        QStringLiteral("Axis Decimal &Places (%1)")
            .arg(decimals < 0 ? QStringLiteral("Floating") : QString::number(decimals)));
    Draw();
}

void TPlot_Form::ShowPointText(QMouseEvent* event) {
    ui_->Panel_Text->clear();
    QCustomPlot& plot = *ui_->Chart1;
    if (OverTitle(plot, event->position())) return;  // the services show the hand there
    if (const std::optional<double> y = PointValueAt(plot, event->position())) {
        plot.setCursor(Qt::CrossCursor);
        ui_->Panel_Text->setText(PointText(ws_.report.numberLocale, *y));
        return;
    }
}

}  // namespace vostrel::app
