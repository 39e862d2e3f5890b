#include "app/data/editor/data_form.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QStringDecoder>

#include "app/data/editor/cell_delegate.h"
#include "app/data/editor/find_dialog.h"
#include "app/data/editor/grid_model.h"
#include "app/data/editor/grid_printing.h"
#include "app/data/editor/grid_view.h"
#include "app/data/open_data_dialog.h"
#include "app/common/graph_services/graph_navigation.h"
#include "app/common/display_text.h"
#include "engine/data/data_file.h"
#include "engine/data/grid/clipboard_text.h"
#include "engine/data/grid/grid_commands.h"
#include "engine/data/grid/grid_paste.h"
#include "engine/data/grid/table_history.h"
#include "engine/data/table_commands.h"
#include "engine/data/transform.h"
#include "engine/workspace.h"
#include "ui_data_form.h"

// Resources of a static library are registered by hand, outside any namespace.
static void InitEditorIcons() { Q_INIT_RESOURCE(editor_icons); }

namespace vostrel::app {

namespace {

const QString kMainFormName = QStringLiteral("Main Form");
const QString kNotAvailable = QStringLiteral("Not available yet");

// Tables up to this many cells have their numbers derived after every edit, so that text
// levels and colours follow at once; larger ones when the editor is left.
constexpr long long kDeriveAtOnceCells = 200000;

}  // namespace

TDataForm::TDataForm(Workspace& ws, QWidget* parent)
    : QMainWindow(parent), ws_(ws), ui_(std::make_unique<Ui::TDataForm>()) {
    InitEditorIcons();
    ui_->setupUi(this);

    dataModel_ = new GridModel(ws_, GridId::Data, this);
    descModel_ = new GridModel(ws_, GridId::Desc, this);
    DataGrid()->SetModel(dataModel_);
    DescGrid()->SetModel(descModel_);
    BindGrid(DataGrid());
    BindGrid(DescGrid());

    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setContentsMargins(5, 0, 5, 0);
        ui_->StatusBar1->addWidget(panels_[i]);
    }
    panels_[0]->setText(QStringLiteral("Row xx  Col xx"));
    panels_[4]->setText(QStringLiteral("Rows xx  Cols xx"));

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    popup_->addActions({ui_->PopupCut1, ui_->PopupCopy1, ui_->PopupPaste1, ui_->PopupClear1});
    popup_->addSeparator();
    popup_->addActions({ui_->PopupDeleteColumns1, ui_->PopupDeleteRows1, ui_->PopupInsertColumns1,
                        ui_->PopupInsertRows1});
    popup_->addSeparator();
    popup_->addAction(ui_->PopupChangeColumnNames1);

    for (QMenu* menu : {ui_->File1, ui_->Edit1, ui_->View1, ui_->Data1, ui_->Help1})
        menu->setToolTipsVisible(true);
    BindCommands();
    SetLinks(DataEditorLinks{});
    listener_ = ws_.history.Subscribe([this](const TableChange& c) { TableChanged(c); });
    // Another window is told that it is active before this one hears that it is not; the
    // other window must find the counters already advanced, so its activation is watched.
    qApp->installEventFilter(this);
    UpdateStatusBarInfo();
    UpdateUndoItems();
}

TDataForm::~TDataForm() { ws_.history.Unsubscribe(listener_); }

GridView* TDataForm::DataGrid() const { return ui_->DataGrid; }
GridView* TDataForm::DescGrid() const { return ui_->DescGrid; }

bool TDataForm::DataPage() const { return ui_->PageControl1->currentIndex() == 0; }
GridView* TDataForm::ActiveGrid() const { return DataPage() ? DataGrid() : DescGrid(); }
GridModel* TDataForm::ActiveModel() const { return DataPage() ? dataModel_ : descModel_; }
GridId TDataForm::ActivePage() const { return DataPage() ? GridId::Data : GridId::Desc; }

void TDataForm::BindGrid(GridView* grid) {
    auto* delegate = new CellDelegate(ws_, *grid->Model(), grid);
    delegate->SetWidthWanted([grid](int column, int width) { grid->WantWidth(column, width); });
    grid->setItemDelegate(delegate);
    connect(grid, &GridView::TabPastLastColumn, this, &TDataForm::TabPastLastColumn);
    connect(grid, &GridView::EnterOnLastRow, this, &TDataForm::EnterOnLastRow);
    connect(grid, &GridView::ClearRequested, this, &TDataForm::ClearClick);
    connect(grid, &GridView::CellPressed, this, &TDataForm::CellPressed);
    connect(grid, &GridView::ContextMenuAt, this, &TDataForm::ShowPopup);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateStatusBarInfo(); });
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, grid] {
        if (grid == DataGrid()) ws_.table.Selection = grid->SelectionRect();
    });
}

void TDataForm::BindCommands() {
    Ui::TDataForm& ui = *ui_;
    const auto bind = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    const auto button = [this](QToolButton* tool, QAction* action) {
        connect(tool, &QToolButton::clicked, action, &QAction::trigger);
    };
    bind(ui.New1, [this] { New(); });
    bind(ui.Open1, &TDataForm::Open1Click);
    bind(ui.Save1, [this] { Save(); });
    bind(ui.SaveAs1, [this] { SaveAs(); });
    bind(ui.Print1, [this] { PrintClick(false); });
    bind(ui.PrintPreview1, [this] { PrintClick(true); });
    bind(ui.HideForm1, [this] { hide(); });
    bind(ui.Return1, &TDataForm::ReturnClick);
    for (int i = 1; i <= 9; ++i) {
        QAction* item = findChild<QAction*>(QStringLiteral("MRFile%1").arg(i));
        bind(item, [this, item] { OpenRecent(item->data().toString().toStdString()); });
    }
    connect(ui.File1, &QMenu::aboutToShow, this, &TDataForm::FileClick);
    connect(ui.Edit1, &QMenu::aboutToShow, this, &TDataForm::EditClick);
    connect(popup_, &QMenu::aboutToShow, this, &TDataForm::UpdateUndoItems);

    bind(ui.Undo1, &TDataForm::Undo1Click);
    bind(ui.Redo1, &TDataForm::Redo1Click);
    for (QAction* a : {ui.Cut1, ui.PopupCut1}) bind(a, &TDataForm::CutClick);
    for (QAction* a : {ui.Copy1, ui.PopupCopy1}) bind(a, &TDataForm::CopyClick);
    for (QAction* a : {ui.Paste1, ui.PopupPaste1}) bind(a, &TDataForm::PasteClick);
    for (QAction* a : {ui.Clear1, ui.PopupClear1}) bind(a, &TDataForm::ClearClick);
    bind(ui.FindReplace1, &TDataForm::FindClick);
    for (QAction* a : {ui.DeleteColumns1, ui.PopupDeleteColumns1})
        bind(a, &TDataForm::DeleteColumnsClick);
    for (QAction* a : {ui.DeleteRows1, ui.PopupDeleteRows1}) bind(a, &TDataForm::DeleteRowsClick);
    for (QAction* a : {ui.InsertColumns1, ui.PopupInsertColumns1})
        bind(a, &TDataForm::InsertColumnsClick);
    for (QAction* a : {ui.InsertRows1, ui.PopupInsertRows1}) bind(a, &TDataForm::InsertRowsClick);
    bind(ui.CopyColumnNames1, [this] { CopyColumnNamesClick(false); });
    bind(ui.CopyNamesAndAllData1, [this] { CopyColumnNamesClick(true); });
    for (QAction* a : {ui.ChangeColumnNames1, ui.PopupChangeColumnNames1})
        bind(a, &TDataForm::ChangeColumnNamesClick);
    bind(ui.SizeColumnWidths1, &TDataForm::SizeColumnWidthsClick);
    bind(ui.ViewTextVariableLevels1, &TDataForm::ViewTextLevelsClick);
    bind(ui.TransposeRowsColumns1, &TDataForm::TransposeClick);
    bind(ui.InsertCaseNumbers1, &TDataForm::InsertCaseNumbersClick);
    // The Clear action's Del key belongs to the grids, which clear only when no cell
    // editor is open; as a window shortcut it would take the key from the cell editors.
    ui.Clear1->setShortcutContext(Qt::WidgetShortcut);

    button(ui.ToolButton_Return, ui.Return1);
    button(ui.ToolButton_Open, ui.Open1);
    button(ui.ToolButton_Save, ui.Save1);
    button(ui.ToolButton_Copy, ui.Copy1);
    button(ui.ToolButton_Paste, ui.Paste1);
    button(ui.ToolButton_ColumnWidths, ui.SizeColumnWidths1);
    button(ui.ToolButton_ProcessIf, ui.ProcessIf1);
    button(ui.ToolButton_Transform, ui.Transform1);
    button(ui.ToolButton_Help, ui.DataEditorHelp1);
    button(ui.ToolButton_Hide, ui.HideForm1);
    connect(ui.ToolButton_MainForm, &QToolButton::clicked, this, &TDataForm::ShowMainForm);
    connect(ui.PageControl1, &QTabWidget::currentChanged, this, [this] { UpdateStatusBarInfo(); });
}

void TDataForm::SetLinkedAction(QAction* action, const std::function<void()>& run, bool available) {
    action->disconnect(this);
    action->setEnabled(available);
    action->setToolTip(available ? action->text().remove(QLatin1Char('&')) : kNotAvailable);
    if (available) connect(action, &QAction::triggered, this, run);
}

void TDataForm::SetLinks(DataEditorLinks links) {
    links_ = std::move(links);
    Ui::TDataForm& ui = *ui_;
    const auto dialog = [this](const std::function<bool(QWidget*)>& d) {
        return [this, d] { RunRulesDialog(d); };
    };
    const auto command = [this](const std::function<void(QWidget*)>& c) {
        return [this, c] {
            c(this);
            UpdateStatusBarInfo();
        };
    };
    SetLinkedAction(ui.MissingValues1, dialog(links_.MissingValues), bool(links_.MissingValues));
    SetLinkedAction(ui.ProcessIf1, dialog(links_.ProcessIf), bool(links_.ProcessIf));
    SetLinkedAction(ui.Transform1, dialog(links_.Transform), bool(links_.Transform));
    SetLinkedAction(ui.GenerateRunNumbers1, command(links_.GenerateRunNumbers),
                    bool(links_.GenerateRunNumbers));
    SetLinkedAction(ui.AutoRecodeVariables1, command(links_.AutoRecode), bool(links_.AutoRecode));
    SetLinkedAction(ui.ComputeVariables1, command(links_.ComputeVariables),
                    bool(links_.ComputeVariables));
    SetLinkedAction(ui.WeightCases1, command(links_.WeightCases), bool(links_.WeightCases));
    SetLinkedAction(ui.Contents1, links_.HelpContents, bool(links_.HelpContents));
    SetLinkedAction(ui.DataEditorHelp1, links_.HelpTopic, bool(links_.HelpTopic));
    ui.SaveAs1->setEnabled(bool(links_.SaveAs));
    ui.SaveAs1->setToolTip(links_.SaveAs ? QString() : kNotAvailable);
    ui.ToolButton_ProcessIf->setEnabled(bool(links_.ProcessIf));
    ui.ToolButton_Transform->setEnabled(bool(links_.Transform));
    ui.ToolButton_Help->setEnabled(bool(links_.HelpTopic));
    for (QToolButton* tool : {ui.ToolButton_ProcessIf, ui.ToolButton_Transform, ui.ToolButton_Help})
        if (!tool->isEnabled()) tool->setToolTip(kNotAvailable);
    if (find_) find_->SetHelp(links_.HelpTopic);
}

void TDataForm::RunRulesDialog(const std::function<bool(QWidget*)>& dialog) {
    dialog(this);
    UpdateStatusBarInfo();
    dataModel_->LooksChanged();
}

// --- showing, returning, activation ---

void TDataForm::ShowDataEditor(QWidget* caller, const QString& callerName) {
    caller_ = caller;
    const QString name = callerName.isEmpty() ? kMainFormName : callerName;
    ui_->ToolButton_Return->setToolTip(QStringLiteral("Return to ") + name);
    ui_->Return1->setText(QStringLiteral("&Return to ") + name);
    ShowRestored(this);
}

bool TDataForm::OpenAndShow(QWidget* caller, const QString& callerName) {
    const QString path = ChooseDataFile(ws_, this);
    if (path.isEmpty()) return false;
    const bool loaded = OpenFile(path);
    ShowDataEditor(caller, callerName);
    return loaded;
}

void TDataForm::ReturnClick() {
    QWidget* target = caller_;
    caller_ = nullptr;
    ui_->ToolButton_Return->setToolTip(QStringLiteral("Return to ") + kMainFormName);
    ui_->Return1->setText(QStringLiteral("&Return to ") + kMainFormName);
    ShowRestored(target != nullptr ? target : FindMainForm());
}

void TDataForm::ShowMainForm() { ShowRestored(FindMainForm()); }

void TDataForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            active_ = true;
            UpdateStatusBarInfo();
        } else if (active_) {
            LeaveEditor();
        }
    }
    QMainWindow::changeEvent(event);
}

bool TDataForm::eventFilter(QObject* object, QEvent* event) {
    if (active_ && event->type() == QEvent::WindowActivate && object != this &&
        object->isWidgetType() && static_cast<QWidget*>(object)->isWindow())
        LeaveEditor();
    return QMainWindow::eventFilter(object, event);
}

// Leaving the editor: the numbers are derived, the other windows catch up.
void TDataForm::LeaveEditor() {
    active_ = false;
    EditorDeactivated(ws_);
    dataModel_->LooksChanged();
}

void TDataForm::closeEvent(QCloseEvent* event) {
    // Closing only hides the editor; it lives as long as the program.
    LeaveEditor();
    QMainWindow::closeEvent(event);
}

// --- files ---

void TDataForm::New() {
    NewTable(ws_);
    UpdateStatusBarInfo();
}

bool TDataForm::OpenFile(const QString& path) {
    const LoadResult result = FileToDataGrid(ws_, FromDisplayText(path));
    ui_->PageControl1->setCurrentIndex(0);
    UpdateStatusBarInfo();
    return result == LoadResult::Loaded;
}

void TDataForm::Open1Click() {
    const QString path = ChooseDataFile(ws_, this);
    if (!path.isEmpty()) OpenFile(path);
}

void TDataForm::FileClick() {
    const std::vector<TMRUFiles::MenuEntry> entries = ws_.mru.FileClick();
    for (int i = 1; i <= 9; ++i) {
        QAction* item = findChild<QAction*>(QStringLiteral("MRFile%1").arg(i));
        item->setVisible(false);
    }
    for (const TMRUFiles::MenuEntry& entry : entries) {
        QAction* item = findChild<QAction*>(QStringLiteral("MRFile%1").arg(entry.number));
        item->setText(ToDisplayText(entry.caption));
        item->setData(QString::fromStdString(entry.path));
        item->setVisible(true);
    }
}

void TDataForm::OpenRecent(const std::string& path) {
    if (!TMRUFiles::CheckExists(path, ws_.ui)) return;
    if (QFileInfo(QString::fromStdString(path)).suffix().toUpper() == QLatin1String("VOS")) {
        ws_.ui.Beep();
        return;
    }
    OpenFile(QString::fromStdString(path));
}

bool TDataForm::Save() {
    if (ws_.table.DataFilename.empty()) return SaveAs();
    if (!SaveFile(ws_, ws_.table.DataFilename, true, true, false)) return false;
    TableSaved(ws_);
    if (saved_) saved_();
    UpdateStatusBarInfo();
    return true;
}

bool TDataForm::SaveAs() {
    if (!links_.SaveAs) return false;
    const bool saved = links_.SaveAs(this);
    if (saved) {
        TableSaved(ws_);
        if (saved_) saved_();
    }
    UpdateStatusBarInfo();
    return saved;
}

void TDataForm::PrintClick(bool preview) {
    GridPrintJob job;
    job.Grid = DataPage() ? &ws_.table.DataGrid : &ws_.table.DescGrid;
    job.All = GridRect{1, 1, ws_.table.MaxCol(), job.Grid->RowCount() - 1};
    job.Selection = ActiveGrid()->SelectionRect();
    job.Header = ws_.table.DataFilename.empty() ? "Data" : ws_.table.DataFilename;
    job.Title = FromDisplayText(windowTitle());
    if (preview)
        PreviewGrid(this, ws_, job, printOrientation_);
    else
        PrintGridWithDialog(this, ws_, job, printOrientation_);
}

// --- the Edit menu ---

PressedOn TDataForm::SelectionKind(GridView* grid) const {
    // Whole columns or rows chosen by the keyboard count as chosen on the headers.
    const GridRect s = grid->SelectionRect();
    const QAbstractItemModel* model = grid->model();
    if (grid->LastPress() != PressedOn::Cells) return grid->LastPress();
    if (model->rowCount() > 1 && s.Top == 1 && s.Bottom == model->rowCount())
        return PressedOn::ColumnHeaders;
    if (model->columnCount() > 1 && s.Left == 1 && s.Right == model->columnCount())
        return PressedOn::RowNumbers;
    return PressedOn::Cells;
}

bool TDataForm::ClipboardHasText() const {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return mime != nullptr && mime->hasText();
}

// The clipboard's text as bytes: UTF-8, or the bytes as they came when they are not UTF-8.
std::string TDataForm::ClipboardText() const {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasText()) return {};
    const QByteArray raw = mime->data(QStringLiteral("text/plain"));
    if (!raw.isEmpty()) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)decoder.decode(raw);
        if (decoder.hasError()) return raw.toStdString();
    }
    return FromDisplayText(mime->text());
}

void TDataForm::EditClick() {
    Ui::TDataForm& ui = *ui_;
    const EditMenuState state =
        EditMenuEnabling(DataPage(), SelectionKind(ActiveGrid()), ClipboardHasText());
    for (QAction* a : {ui.DeleteColumns1, ui.InsertColumns1, ui.PopupDeleteColumns1,
                       ui.PopupInsertColumns1, ui.PopupChangeColumnNames1})
        a->setEnabled(state.ColumnCommands);
    for (QAction* a : {ui.DeleteRows1, ui.InsertRows1, ui.PopupDeleteRows1, ui.PopupInsertRows1})
        a->setEnabled(state.RowCommands);
    ui.Paste1->setEnabled(state.Paste);
    ui.PopupPaste1->setEnabled(state.Paste);
    for (QAction* a :
         {ui.FindReplace1, ui.ChangeColumnNames1, ui.CopyColumnNames1, ui.CopyNamesAndAllData1})
        a->setEnabled(DataPage());
    UpdateUndoItems();
}

void TDataForm::UpdateUndoItems() {
    const std::string undo = ws_.history.UndoLabel();
    const std::string redo = ws_.history.RedoLabel();
    ui_->Undo1->setEnabled(ws_.history.CanUndo());
    ui_->Redo1->setEnabled(ws_.history.CanRedo());
    ui_->Undo1->setText(undo.empty() ? tr("&Undo") : tr("&Undo ") + QString::fromStdString(undo));
    ui_->Redo1->setText(redo.empty() ? tr("&Redo") : tr("&Redo ") + QString::fromStdString(redo));
}

void TDataForm::ShowPopup(const QPoint& globalPos, PressedOn on) {
    EditClick();
    const bool data = DataPage();
    for (QAction* a :
         {ui_->PopupDeleteColumns1, ui_->PopupInsertColumns1, ui_->PopupChangeColumnNames1})
        a->setEnabled(data && on == PressedOn::ColumnHeaders);
    for (QAction* a : {ui_->PopupDeleteRows1, ui_->PopupInsertRows1})
        a->setEnabled(data && on == PressedOn::RowNumbers);
    popup_->popup(globalPos);
}

void TDataForm::AfterStep(GridId page, const GridRect& area) {
    ui_->PageControl1->setCurrentIndex(page == GridId::Data ? 0 : 1);
    GridView* grid = page == GridId::Data ? DataGrid() : DescGrid();
    grid->SelectRect(area);
    UpdateStatusBarInfo();
}

void TDataForm::Undo1Click() {
    if (ActiveGrid()->Editing()) return;
    if (const TableStep* step = ws_.history.Undo()) AfterStep(step->Page, step->Area);
}

void TDataForm::Redo1Click() {
    if (ActiveGrid()->Editing()) return;
    if (const TableStep* step = ws_.history.Redo()) AfterStep(step->Page, step->Area);
}

void TDataForm::CopyClick() {
    const GridRect s = ActiveGrid()->SelectionRect();
    QApplication::clipboard()->setText(
        ToDisplayText(CopyGridSelection(GridOf(ws_.table, ActivePage()), s)));
}

void TDataForm::CutClick() {
    if (ActiveGrid()->Editing()) return;
    CopyClick();
    ClearCells(ws_, ActivePage(), ActiveGrid()->SelectionRect(), "Cut");
}

void TDataForm::ClearClick() {
    if (ActiveGrid()->Editing()) return;
    ClearCells(ws_, ActivePage(), ActiveGrid()->SelectionRect());
}

void TDataForm::PasteClick() {
    if (ActiveGrid()->Editing()) return;
    const std::string text = ClipboardText();
    const GridRect selection = ActiveGrid()->SelectionRect();
    const PasteResult result = DataPage() ? PasteIntoDataGrid(ws_, selection, text)
                                          : PasteIntoDescGrid(ws_, selection, text);
    if (result.Pasted) AfterStep(ActivePage(), result.Area);
}

void TDataForm::FindClick() {
    if (!DataPage()) return;
    TForm_Find* dialog = FindDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

TForm_Find* TDataForm::FindDialog() {
    if (!find_) {
        find_ = new TForm_Find(ws_, this);
        find_->SetGrid(DataGrid());
        find_->SetHelp(links_.HelpTopic);
    }
    return find_;
}

void TDataForm::DeleteColumnsClick() {
    if (!DataPage()) return;
    if (const std::optional<CellPos> at = DeleteColumns(ws_, DataGrid()->SelectionRect()))
        DataGrid()->SetCurrentCell(at->Col, at->Row);
    UpdateStatusBarInfo();
}

void TDataForm::DeleteRowsClick() {
    if (!DataPage()) return;
    if (const std::optional<CellPos> at =
            DeleteRows(ws_, DataGrid()->SelectionRect(), DataGrid()->CurrentCol()))
        DataGrid()->SetCurrentCell(at->Col, at->Row);
    UpdateStatusBarInfo();
}

void TDataForm::InsertColumnsClick() {
    if (!DataPage()) return;
    if (const std::optional<CellPos> at = InsertColumns(ws_, DataGrid()->SelectionRect()))
        DataGrid()->SetCurrentCell(at->Col, at->Row);
    UpdateStatusBarInfo();
}

void TDataForm::InsertRowsClick() {
    if (!DataPage()) return;
    if (const std::optional<CellPos> at = InsertRows(ws_, DataGrid()->SelectionRect()))
        DataGrid()->SetCurrentCell(at->Col, at->Row);
    UpdateStatusBarInfo();
}

void TDataForm::CopyColumnNamesClick(bool allData) {
    const GridRect names{1, 0, ws_.table.MaxCol(), allData ? ws_.table.CaseRows() : 0};
    QApplication::clipboard()->setText(ToDisplayText(CopyGridSelection(ws_.table.DataGrid, names)));
}

void TDataForm::ChangeColumnNamesClick() {
    if (!DataPage()) return;
    DataGrid()->EditColumnName(DataGrid()->CurrentCol());
}

void TDataForm::SizeColumnWidthsClick() {
    const int width = DataGrid()->DefaultWidth() == 50 ? 5 : 50;
    DataGrid()->SetDefaultWidth(width);
    DescGrid()->SetDefaultWidth(width);
}

void TDataForm::ViewTextLevelsClick() {
    ws_.data.UpdateEditedRows();
    dataModel_->SetShowLevels(ui_->ViewTextVariableLevels1->isChecked());
}

void TDataForm::TransposeClick() {
    if (Transpose(ws_)) DataGrid()->SetCurrentCell(1, 1);
    UpdateStatusBarInfo();
}

void TDataForm::InsertCaseNumbersClick() {
    if (!DataPage()) return;
    if (const std::optional<CellPos> at = InsertCaseNumbers(ws_))
        DataGrid()->SetCurrentCell(at->Col, at->Row);
    UpdateStatusBarInfo();
}

// --- keys and mouse in the grids ---

void TDataForm::TabPastLastColumn(int row) {
    ws_.ui.Beep();
    AddColumnByTab(ws_);
    DataGrid()->SetCurrentCell(ws_.table.MaxCol(), row);
}

void TDataForm::EnterOnLastRow(int col) {
    AddRowByEnter(ws_);
    DataGrid()->SetCurrentCell(col, ws_.table.CaseRows());
}

void TDataForm::CellPressed() {
    if (DataPage() && !DataGrid()->EditingName()) RenumberDefaultNames(ws_);
    UpdateStatusBarInfo();
}

// --- the table changed ---

void TDataForm::TableChanged(const TableChange& change) {
    const int col = DataGrid()->CurrentCol(), row = DataGrid()->CurrentRow();
    const long long cells =
        static_cast<long long>(ws_.table.MaxCol()) * static_cast<long long>(ws_.table.CaseRows());
    if (ws_.data.DataChanged && cells <= kDeriveAtOnceCells) ws_.data.UpdateEditedRows();
    dataModel_->TableChanged(change);
    descModel_->TableChanged(change);
    if (change.What != TableChange::Kind::Cells) DataGrid()->SetCurrentCell(col, row);
    UpdateStatusBarInfo();
    UpdateUndoItems();
}

void TDataForm::UpdateCaption() { setWindowTitle(ToDisplayText(EditorCaption(ws_.table))); }

void TDataForm::UpdateStatusBarInfo() {
    UpdateCaption();
    GridView* grid = ActiveGrid();
    panels_[0]->setText(
        QString::fromStdString(CellStatusText(grid->CurrentCol(), grid->CurrentRow())));
    panels_[1]->setText(ToDisplayText(ws_.rules.MissingStatusText()));
    panels_[2]->setText(ToDisplayText(TransformStatusText(ws_.transform)));
    panels_[3]->setText(ToDisplayText(ws_.rules.ProcessIfStatusText()));
    panels_[4]->setText(QString::fromStdString(SizeStatusText(ws_.table)));
    ui_->StatusBar1->setToolTip(ToDisplayText(StatusBarHint(ws_.table, ws_.rules, ws_.transform)));
}

}  // namespace vostrel::app
