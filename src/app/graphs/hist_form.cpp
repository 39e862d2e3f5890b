#include "app/graphs/hist_form.h"

#include "app/graphs/histogram_drawing.h"
#include "app/graphs/number_edit_filter.h"
#include "app/graphs/plot_frame.h"
#include "app/common/graph_services/graph_window_services.h"
#include "app/common/help_button.h"
#include "engine/graphs/graph_text.h"
#include "engine/workspace.h"
#include "ui_hist_form.h"

namespace vostrel::app {

THistForm::THistForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::THistForm>()), ws_(ws) {
    ui_->setupUi(this);
    BindHelpCommands(ui_->HelpOn1, ui_->ToolButton_Help, ui_->Contents1, kHistogramTopic);
    ui_->Chart1->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    ui_->Edit_IntervalSize->hide();
    ui_->Edit_FInterval->hide();
    ui_->Panel_Combobox_Set->hide();
    sets_ = std::make_unique<GraphSetSelector>(ws_, *ui_->Panel_Combobox_Set, *ui_->ComboBox_Set,
                                               [this] { SelectEntry(); });

    connect(ui_->ListBox_Selection, &QListWidget::itemClicked, this, [this] { SelectEntry(); });
    connect(ui_->ListBox_Selection, &QListWidget::itemActivated, this, [this] { SelectEntry(); });
    for (QAbstractButton* box : {static_cast<QAbstractButton*>(ui_->CheckBox_FixX),
                                 static_cast<QAbstractButton*>(ui_->CheckBox_NormCurve),
                                 static_cast<QAbstractButton*>(ui_->RadioButton_Histograms),
                                 static_cast<QAbstractButton*>(ui_->RadioButton_Polygons)})
        connect(box, &QAbstractButton::clicked, this, [this] { Histogram(); });
    connect(ui_->CheckBox_IS, &QCheckBox::toggled, this, [this](bool on) {
        ui_->Edit_IntervalSize->setVisible(on);
        Histogram();
    });
    connect(ui_->CheckBox_FI, &QCheckBox::toggled, this, [this](bool on) {
        ui_->Edit_FInterval->setVisible(on);
        Histogram();
    });
    new NumberEditFilter(*ui_->Edit_IntervalSize, false, [this] { Histogram(); });
    new NumberEditFilter(*ui_->Edit_FInterval, true, [this] { Histogram(); });
    for (QAction* option : {ui_->Relative1, ui_->DisplayProcessLimits, ui_->DisplaySpecifications,
                            ui_->AddFileModificationstoChart1})
        connect(option, &QAction::toggled, this, [this] { Histogram(); });
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
    setMinimumWidth(ui_->SideLayout->sizeHint().width() + 20);
}

THistForm::~THistForm() = default;

QCustomPlot& THistForm::Chart() const { return *ui_->Chart1; }

void THistForm::ShowHistogram(QWidget* caller, const QString& name) {
    stamp_.Record(ws_.table);
    SelectAnalysisSet(ws_.data, 0);
    groups_ = OpenHistogramGroups(ws_, ws_.analysis.GraphRunInfo);
    ui_->ListBox_Selection->clear();
    for (const std::string& group : groups_.Names)
        ui_->ListBox_Selection->addItem(ToQString(group));
    if (!groups_.Names.empty()) ui_->ListBox_Selection->setCurrentRow(0);
    sets_->Refill();
    Histogram();
    services_->Open(caller, name);
}

bool THistForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        if (stamp_.Changed(ws_.table)) {
            ui_->ListBox_Selection->clear();
            groups_ = HistogramGroups();
            result_ = HistogramResult();
            Draw();
        } else {
            const int set = ui_->ComboBox_Set->currentIndex();
            sets_->Refill();
            // Refilling shows all sets; the values drawn stay until the next choice.
            if (set > 0) SelectEntry();
        }
    }
    return QMainWindow::event(event);
}

void THistForm::SelectEntry() { Histogram(); }

HistogramOptions THistForm::Options() const {
    HistogramOptions o;
    o.Type = ui_->RadioButton_Polygons->isChecked() ? HistogramType::FrequencyPolygons
                                                    : HistogramType::Histograms;
    o.FixX = ui_->CheckBox_FixX->isChecked();
    o.NormalCurve = ui_->CheckBox_NormCurve->isChecked();
    o.Relative = ui_->Relative1->isChecked();
    o.ProcessLimits = ui_->DisplayProcessLimits->isChecked();
    o.DisplaySpecifications = ui_->DisplaySpecifications->isChecked();
    o.AddFileModifications = ui_->AddFileModificationstoChart1->isChecked();
    o.UseIntervalSize = ui_->CheckBox_IS->isChecked();
    o.IntervalSizeText = ui_->Edit_IntervalSize->text().toStdString();
    o.UseFirstMidpoint = ui_->CheckBox_FI->isChecked();
    o.FirstMidpointText = ui_->Edit_FInterval->text().toStdString();
    return o;
}

void THistForm::Histogram() {
    if (stamp_.Changed(ws_.table)) return;
    BusyCursor busy(ws_.ui);
    const int index = ui_->ListBox_Selection->currentRow();
    // The sample array is shared with the other windows: the entry's values are loaded
    // again for every drawing, so an option change never draws another window's values.
    LoadHistogramEntry(ws_, ws_.analysis.GraphRunInfo, groups_, index);
    result_ = BuildHistogram(ws_, ws_.analysis.GraphRunInfo, groups_, index, Options());
    if (!result_.Error.empty()) ws_.ui.ErrorBox(result_.Error);
    ui_->Label_ISize->setText(ToQString(result_.SizeLabel));
    ui_->Label_FI->setText(ToQString(result_.FirstLabel));
    Draw();
}

void THistForm::Draw() {
    DrawHistogram(*ui_->Chart1, result_, ws_.graphWindows.BlackWhiteMode);
    services_->RememberDrawing();
}

}  // namespace vostrel::app
