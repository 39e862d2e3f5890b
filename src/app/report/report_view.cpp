#include "app/report/report_view.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

#include "app/common/display_text.h"
#include "engine/report/report_writer.h"

namespace vostrel::app {

QTextCharFormat CharFormatOf(const ReportStyle& style) {
    QTextCharFormat format;
    format.setFontFamilies({ToDisplayText(style.name)});
    // Where the named font is not installed the nearest of its kind stands in.
    format.setFontStyleHint(style.name == kCourierNew ? QFont::TypeWriter : QFont::SansSerif);
    format.setFontFixedPitch(style.name == kCourierNew);
    format.setFontPointSize(style.Points());
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(style.underline);
    format.setForeground(QColor(style.colour.red, style.colour.green, style.colour.blue));
    return format;
}

ReportStyle StyleOf(const QTextCharFormat& format, const ReportStyle& fallback) {
    ReportStyle style = fallback;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.front().isEmpty())
        style.name = FromDisplayText(families.front());
    if (format.hasProperty(QTextFormat::FontPointSize))
        style.halfPoints = std::max(2, qRound(format.fontPointSize() * 2));
    style.bold = format.fontWeight() > QFont::Medium;
    style.underline = format.fontUnderline();
    const QBrush foreground = format.foreground();
    const QColor colour =
        foreground.style() == Qt::NoBrush ? QColor(Qt::black) : foreground.color();
    style.colour = {static_cast<unsigned char>(colour.red()),
                    static_cast<unsigned char>(colour.green()),
                    static_cast<unsigned char>(colour.blue())};
    return style;
}

ReportDocument ReportFromTextDocument(const QTextDocument& text, const ReportStyle& baseStyle) {
    ReportDocument report(baseStyle);
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            QString piece = fragment.text();
            piece.remove(QChar::ObjectReplacementCharacter);  // pasted pictures
            piece.replace(QChar::LineSeparator, QLatin1Char('\n'));
            report.Append(FromDisplayText(piece), StyleOf(fragment.charFormat(), baseStyle));
        }
        // A block's character format is that of the paragraph end before it.
        const QTextBlock next = block.next();
        if (next.isValid()) report.EndParagraph(StyleOf(next.charFormat(), baseStyle));
    }
    return report;
}

ReportView::ReportView(QTextEdit& edit, ReportDocument& document, QObject* parent)
    : QObject(parent), edit_(edit), document_(document) {
    connect(edit_.document(), &QTextDocument::contentsChange, this,
            [this](int /*position*/, int removed, int added) {
                if (!updating_ && (removed > 0 || added > 0)) userEdited_ = true;
            });
    Rebuild();
}

void ReportView::Update() {
    const bool restyled = document_.Revision() != shownRevision_;
    if (restyled || document_.EndedCount() < shownEnded_) {
        Rebuild();
        return;
    }
    const bool nothingNew = document_.EndedCount() == shownEnded_ &&
                            document_.Open().runs.empty() && shownOpenLength_ == 0;
    if (!nothingNew) AppendFrom(shownEnded_);
}

void ReportView::Rebuild() {
    const int topBlock = edit_.cursorForPosition(QPoint(0, 0)).blockNumber();
    const int position = edit_.textCursor().position();
    Clear();
    AppendFrom(0);

    QTextDocument* text = edit_.document();
    QTextCursor caret(text);
    caret.setPosition(std::min(position, text->characterCount() - 1));
    edit_.setTextCursor(caret);
    const QTextBlock top = text->findBlockByNumber(topBlock);
    if (top.isValid()) {
        const QRectF box = text->documentLayout()->blockBoundingRect(top);
        edit_.verticalScrollBar()->setValue(static_cast<int>(box.top()));
    }
}

ReportDocument ReportView::Content() const {
    return ReportFromTextDocument(*edit_.document(), document_.BaseStyle());
}

void ReportView::TakeUserEdits() {
    if (!userEdited_) return;
    document_.ReplaceContent(Content());
    MarkShown();
    const QTextBlock last = edit_.document()->lastBlock();
    shownOpenLength_ = last.length() - 1;
    userEdited_ = false;
}

void ReportView::Clear() {
    updating_ = true;
    edit_.document()->clear();
    updating_ = false;
    shownEnded_ = 0;
    shownOpenLength_ = 0;
    userEdited_ = false;
}

const QTextCharFormat& ReportView::Format(const ReportStyle& style) {
    for (const auto& [known, format] : formats_) {
        if (known == style) return format;
    }
    formats_.emplace_back(style, CharFormatOf(style));
    return formats_.back().second;
}

void ReportView::InsertRuns(QTextCursor& cursor, const ReportParagraph& paragraph) {
    if (paragraph.runs.empty()) {
        // An empty line takes the height of its own paragraph end.
        cursor.setBlockCharFormat(Format(paragraph.markStyle));
        return;
    }
    for (const ReportRun& run : paragraph.runs)
        cursor.insertText(ToDisplayText(run.text), Format(run.style));
}

// All new paragraphs go in as one edit, so the widget lays the text out once. Appending is
// not an edit the user can undo, as in a report control, and keeps no undo record of a
// long report.
void ReportView::AppendFrom(std::size_t first) {
    QTextDocument* text = edit_.document();
    updating_ = true;
    text->setUndoRedoEnabled(false);
    QTextCursor cursor(text);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    const int lastLength = text->lastBlock().length() - 1;
    if (shownOpenLength_ > 0 && shownOpenLength_ <= lastLength && !userEdited_) {
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, shownOpenLength_);
        cursor.removeSelectedText();
    }
    const QTextBlockFormat block;
    for (std::size_t i = first; i < document_.EndedCount(); ++i) {
        const ReportParagraph& paragraph = document_.Ended(i);
        InsertRuns(cursor, paragraph);
        cursor.insertBlock(block, Format(paragraph.markStyle));
    }
    const int before = cursor.position();
    if (!document_.Open().runs.empty()) InsertRuns(cursor, document_.Open());
    shownOpenLength_ = cursor.position() - before;
    cursor.endEditBlock();
    text->setUndoRedoEnabled(true);
    updating_ = false;
    MarkShown();
}

void ReportView::MarkShown() {
    shownRevision_ = document_.Revision();
    shownEnded_ = document_.EndedCount();
}

}  // namespace vostrel::app
