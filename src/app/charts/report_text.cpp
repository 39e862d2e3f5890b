#include "app/charts/report_text.h"

#include <QTextCursor>
#include <QTextDocument>

#include "app/common/display_text.h"
#include "engine/report/report_document.h"

namespace vostrel::app {

namespace {

QTextCharFormat Format(const ReportStyle& style) {
    QTextCharFormat format;
    format.setFontFamilies({QString::fromStdString(style.name)});
    if (style.name == kCourierNew) format.setFontStyleHint(QFont::Monospace);
    format.setFontPointSize(style.Points());
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(style.underline);
    format.setForeground(QColor(style.colour.red, style.colour.green, style.colour.blue));
    return format;
}

}  // namespace

void ShowReportDocument(const ReportDocument& report, QTextDocument& document) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const ReportParagraph* paragraph : report.Paragraphs()) {
        if (!first) cursor.insertBlock(QTextBlockFormat(), Format(paragraph->markStyle));
        first = false;
        cursor.setBlockCharFormat(Format(paragraph->markStyle));
        for (const ReportRun& run : paragraph->runs) {
            cursor.insertText(ToDisplayText(run.text), Format(run.style));
        }
    }
}

}  // namespace vostrel::app
