#include "app/graphs/frequency_plot_form.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

#include "app/graphs/grid_corner_label.h"
#include "app/graphs/number_edit_filter.h"
#include "app/graphs/plot_frame.h"
#include "app/common/help_button.h"
#include "app/common/graph_services/graph_navigation.h"
#include "app/common/print_report.h"
#include "engine/graphs/frequency_table_print.h"
#include "engine/workspace.h"
#include "ui_frequency_plot_form.h"

namespace vostrel::app {

TFrequencyPlotForm::TFrequencyPlotForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TFrequencyPlotForm>()), ws_(ws) {
    ui_->setupUi(this);
    BindHelpCommands(ui_->HelpOn1, ui_->ToolButton_Help, ui_->Contents1, kFrequencyPlotsTopic);
    ui_->StringGrid1->setModel(&model_);
    ui_->StringGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui_->StringGrid1->horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance("0.0000") + 12);
    ui_->Edit_IntervalSize->hide();
    ui_->Edit_FInterval->hide();
    ui_->Panel_Combobox_Set->hide();
    ui_->Label_Decimals->hide();
    ui_->DecimalSpinEdit->hide();
    sets_ = std::make_unique<GraphSetSelector>(ws_, *ui_->Panel_Combobox_Set, *ui_->ComboBox_Set,
                                               [this] { DisplayFrequencyPlot(); });

    for (QRadioButton* type :
         {ui_->RadioButton_Frequencies, ui_->RadioButton_Relative, ui_->RadioButton_Cumulative})
        connect(type, &QRadioButton::toggled, this, [this, type](bool on) {
            if (!on) return;
            const bool relative = type != ui_->RadioButton_Frequencies;
            ui_->Label_Decimals->setVisible(relative);
            ui_->DecimalSpinEdit->setVisible(relative);
            DisplayFrequencyPlot();
        });
    connect(ui_->DecimalSpinEdit, &QSpinBox::valueChanged, this,
            [this] { DisplayFrequencyPlot(); });
    connect(ui_->CheckBox_IS, &QCheckBox::toggled, ui_->Edit_IntervalSize, &QWidget::setVisible);
    connect(ui_->CheckBox_FI, &QCheckBox::toggled, ui_->Edit_FInterval, &QWidget::setVisible);
    new NumberEditFilter(*ui_->Edit_IntervalSize, false, [this] { DisplayFrequencyPlot(); });
    new NumberEditFilter(*ui_->Edit_FInterval, true, [this] { DisplayFrequencyPlot(); });
    for (QAction* copy : {ui_->ToolButton_Copy, ui_->Copy1})
        connect(copy, &QAction::triggered, this, &TFrequencyPlotForm::CopySelection);
    navigation_ = std::make_unique<GraphNavigation>(*this, ui_->ToolButton_Return, ui_->Return1);
    for (QAction* back : {ui_->ToolButton_Return, ui_->Return1})
        connect(back, &QAction::triggered, this, [this] { navigation_->Return(); });
    connect(ui_->ToolButton_Main, &QAction::triggered, this,
            [this] { navigation_->ShowMainForm(); });
    connect(ui_->ToolButton7, &QAction::triggered, this, [this] { navigation_->HideForm(); });
    for (QAction* print : {ui_->ToolButton_Print, ui_->Print1})
        connect(print, &QAction::triggered, this, &TFrequencyPlotForm::PrintTable);
    new GridCornerLabel(*ui_->StringGrid1, QStringLiteral("MidPoint"));
}

TFrequencyPlotForm::~TFrequencyPlotForm() = default;

QTableView& TFrequencyPlotForm::Grid() const { return *ui_->StringGrid1; }

void TFrequencyPlotForm::ShowFrequencyPlot(QWidget* caller, const QString& name) {
    stamp_.Record(ws_.table);
    sets_->Refill();
    DisplayFrequencyPlot();
    navigation_->Open(caller, name);
}

bool TFrequencyPlotForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        if (stamp_.Changed(ws_.table))
            model_.SetTable(FrequencyTable());
        else
            sets_->Refill();
    }
    return QMainWindow::event(event);
}

FrequencyOptions TFrequencyPlotForm::Options() const {
    FrequencyOptions o;
    if (ui_->RadioButton_Relative->isChecked()) o.Type = FrequencyType::RelativeFrequencies;
    if (ui_->RadioButton_Cumulative->isChecked()) o.Type = FrequencyType::CumulativeFrequencies;
    o.UseIntervalSize = ui_->CheckBox_IS->isChecked();
    o.IntervalSizeText = ui_->Edit_IntervalSize->text().toStdString();
    o.UseFirstMidpoint = ui_->CheckBox_FI->isChecked();
    o.FirstMidpointText = ui_->Edit_FInterval->text().toStdString();
    o.Decimals = ui_->DecimalSpinEdit->value();
    return o;
}

void TFrequencyPlotForm::DisplayFrequencyPlot() {
    if (stamp_.Changed(ws_.table)) return;
    FrequencyTable table = BuildFrequencyTable(ws_, ws_.analysis.GraphRunInfo, Options());
    if (!table.Error.empty()) ws_.ui.ErrorBox(table.Error);
    model_.SetTable(std::move(table));
    ui_->StringGrid1->resizeColumnsToContents();
}

void TFrequencyPlotForm::PrintTable() {
    PrintReport(this, ws_.report, FrequencyTableDocument(model_.Table()), ws_.ui,
                ws_.analysis.Settings.Title);
}

void TFrequencyPlotForm::CopySelection() {
    const FrequencyTable& table = model_.Table();
    int left = 0, top = 0, right = table.ColumnCount() - 1, bottom = table.RowCount() - 1;
    const QModelIndexList selected = ui_->StringGrid1->selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        left = right = selected.first().column() + 1;
        top = bottom = selected.first().row() + 1;
        for (const QModelIndex& index : selected) {
            left = std::min(left, index.column() + 1);
            right = std::max(right, index.column() + 1);
            top = std::min(top, index.row() + 1);
            bottom = std::max(bottom, index.row() + 1);
        }
    }
    QGuiApplication::clipboard()->setText(ToQString(table.BlockText(left, top, right, bottom)));
}

}  // namespace vostrel::app
