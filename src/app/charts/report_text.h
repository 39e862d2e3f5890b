#pragma once
// A report document shown in a rich-text box: one paragraph per report paragraph, each run
// in its font, size, weight, underline and colour.

class QTextDocument;

namespace vostrel {
class ReportDocument;
}

namespace vostrel::app {

void ShowReportDocument(const ReportDocument& report, QTextDocument& document);

}  // namespace vostrel::app
