#pragma once
// A report document shown in a QTextEdit. The writer appends to the engine's document;
// the view brings the widget up to date by adding only the paragraphs appended since the
// last update, in one edit block, and shows the document anew when it was cleared or
// restyled. What the user typed into the widget stays there and is part of what is saved,
// printed or enlarged.

#include <QObject>
#include <QTextCharFormat>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/report/report_document.h"

class QTextCursor;
class QTextDocument;
class QTextEdit;

namespace vostrel::app {

QTextCharFormat CharFormatOf(const ReportStyle& style);
ReportStyle StyleOf(const QTextCharFormat& format, const ReportStyle& fallback);

// The text document as a report: one paragraph per block, one run per fragment.
ReportDocument ReportFromTextDocument(const QTextDocument& text, const ReportStyle& baseStyle);

class ReportView : public QObject {
    Q_OBJECT
  public:
    ReportView(QTextEdit& edit, ReportDocument& document, QObject* parent = nullptr);

    // Adds what was appended since the last update, or shows the whole document again
    // when it was cleared or restyled since.
    void Update();
    // Shows the whole document again, keeping the scroll position and the caret.
    void Rebuild();

    // What the widget shows, with the user's edits, as a report.
    ReportDocument Content() const;
    // Makes the document hold the user's edits before a change to the whole report.
    void TakeUserEdits();
    bool UserEdited() const { return userEdited_; }

  private:
    void Clear();
    void AppendFrom(std::size_t first);
    void InsertRuns(QTextCursor& cursor, const ReportParagraph& paragraph);
    const QTextCharFormat& Format(const ReportStyle& style);
    void MarkShown();

    QTextEdit& edit_;
    ReportDocument& document_;
    std::uint64_t shownRevision_ = 0;
    std::size_t shownEnded_ = 0;  // ended paragraphs in the widget
    int shownOpenLength_ = 0;     // characters of the open paragraph at the widget's end
    bool userEdited_ = false;
    bool updating_ = false;
    // The formats of the styles met so far: a report uses only a handful.
    std::vector<std::pair<ReportStyle, QTextCharFormat>> formats_;
};

}  // namespace vostrel::app
