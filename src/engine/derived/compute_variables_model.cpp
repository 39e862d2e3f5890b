#include "engine/derived/compute_variables_model.h"

#include "engine/derived/compute_variables.h"
#include "engine/derived/derived_dialogs.h"
#include "engine/helpers/column_code.h"
#include "engine/workspace.h"

namespace vostrel {

bool ComputeVariablesModel::Activate(const Workspace& ws) {
    const bool newTable = ws.table.TableGeneration != seenTableGeneration_;
    if (newTable || ws.table.DataGeneration != seenDataGeneration_) Rebuild(ws);
    return newTable;
}

void ComputeVariablesModel::Rebuild(const Workspace& ws) {
    DataVarList.Clear();
    IndVarList.Clear();
    DataVarList2.Clear();
    SelectedVar.Clear();
    DependentItem.clear();
    if (ws.table.HaveData()) {
        for (int c = 1; c <= ws.table.MaxCol(); ++c) {
            DataVarList.Add(ColumnItem(c, ws.table.ColumnName(c)));
            DataVarList2.Add(ColumnItem(c, ws.table.ColumnName(c)));
        }
    }
    seenDataGeneration_ = ws.table.DataGeneration;
    seenTableGeneration_ = ws.table.TableGeneration;
    ProposeName();
}

int ComputeVariablesModel::Dependent() const {
    return DependentItem.empty() ? 0 : DecodeColumnCode(DependentItem);
}

std::string ComputeVariablesModel::DependentName() const {
    return std::string(ColumnItemName(DependentItem));
}

bool ComputeVariablesModel::ToggleDependent(const std::vector<int>& selected) {
    if (!ToggleChosenItem(DataVarList, DependentItem, selected)) return false;
    ProposeName();
    return true;
}

int ComputeVariablesModel::IncludeIndependent(const std::vector<int>& selected) {
    return AnalysisSettings::MoveSelected(DataVarList, IndVarList, selected);
}
int ComputeVariablesModel::IncludeAllIndependent() {
    return AnalysisSettings::MoveAll(DataVarList, IndVarList);
}
int ComputeVariablesModel::ExcludeIndependent(const std::vector<int>& selected) {
    return AnalysisSettings::MoveSelected(IndVarList, DataVarList, selected);
}
int ComputeVariablesModel::ExcludeAllIndependent() {
    return AnalysisSettings::MoveAll(IndVarList, DataVarList);
}

int ComputeVariablesModel::IncludeSelected(const std::vector<int>& selected) {
    const int next = AnalysisSettings::MoveSelected(DataVarList2, SelectedVar, selected);
    ProposeName();
    return next;
}
int ComputeVariablesModel::IncludeAllSelected() {
    const int next = AnalysisSettings::MoveAll(DataVarList2, SelectedVar);
    ProposeName();
    return next;
}
int ComputeVariablesModel::ExcludeSelected(const std::vector<int>& selected) {
    const int next = AnalysisSettings::MoveSelected(SelectedVar, DataVarList2, selected);
    ProposeName();
    return next;
}
int ComputeVariablesModel::ExcludeAllSelected() {
    const int next = AnalysisSettings::MoveAll(SelectedVar, DataVarList2);
    ProposeName();
    return next;
}

void ComputeVariablesModel::SetStatistic(int code) {
    if (code < 0 || code >= SampleStatisticCount) return;
    Statistic = code;
    ProposeName();
}

void ComputeVariablesModel::SetAcrossStatistic(int item) {
    if (item < 0 || item >= AcrossRowsStatisticCount) return;
    AcrossStatistic = item;
    ProposeName();
}

void ComputeVariablesModel::SetPage(ComputePage page) {
    Page = page;
    ProposeName();
}

std::string ComputeVariablesModel::ProposedName() const {
    if (Page == ComputePage::AcrossRows) {
        if (SelectedVar.Count() < 2) return {};
        return ProposedAcrossRowsName(AcrossStatistic,
                                      Counters[static_cast<std::size_t>(AcrossStatistic)]);
    }
    if (DependentItem.empty()) return {};
    return ProposedSampleName(DependentName(), Statistic);
}

void ComputeVariablesModel::ProposeName() {
    // With no dependent variable the sample page keeps what the box holds.
    if (Page == ComputePage::ByIndependentVariables && DependentItem.empty()) return;
    NewName = ProposedName();
}

bool ComputeVariablesModel::ActionEnabled() const {
    if (Page == ComputePage::AcrossRows) return SelectedVar.Count() >= 2;
    return !DependentItem.empty();
}

DeriveResult ComputeVariablesModel::Action(Workspace& ws, ReportDocument* log) {
    if (!ActionEnabled()) return DeriveResult::Refused;
    if (NewName.empty()) NewName = ProposedName();
    DeriveResult result = DeriveResult::Refused;
    if (Page == ComputePage::AcrossRows) {
        AcrossRowsRequest request;
        request.Statistic = AcrossStatistic;
        request.Columns = SelectedVar.Columns();
        request.NewName = NewName;
        result = ComputeAcrossRows(ws, request, log);
        if (result == DeriveResult::Added) ++Counters[static_cast<std::size_t>(AcrossStatistic)];
    } else {
        SampleVariableRequest request;
        request.Statistic = Statistic;
        request.Dependent = Dependent();
        request.Independent = IndVarList.Columns();
        request.NewName = NewName;
        request.Questions = Questions;
        result = ComputeSampleVariable(ws, Run, request, log);
    }
    if (result != DeriveResult::Added) return result;
    const int column = ws.table.MaxCol();
    DataVarList.Add(ColumnItem(column, ws.table.ColumnName(column)));
    DataVarList2.Add(ColumnItem(column, ws.table.ColumnName(column)));
    seenDataGeneration_ = ws.table.DataGeneration;
    if (Page == ComputePage::AcrossRows) ProposeName();
    return result;
}

}  // namespace vostrel
