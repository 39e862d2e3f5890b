#pragma once
// The text printer's canvas on a QPrinter (a real printer or a PDF file): text through a
// QPainter, metrics from the printer's own resolution.

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "engine/report/print_canvas.h"

namespace vostrel {

// Report text is bytes: UTF-8 where it is valid, Latin-1 otherwise.
QString ReportTextToQString(const std::string& text);

class QtPrintCanvas : public PrintCanvas {
  public:
    // The painter must be active on the printer for the canvas's lifetime.
    QtPrintCanvas(QPainter& painter, QPrinter& printer);

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    int PhysicalOffsetX() const override;
    int PhysicalOffsetY() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    int PageNumber() const override { return page_; }

    PrintFont Font() const override { return font_; }
    void SetFont(const PrintFont& font) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    int AverageCharWidth() const override;

    void TextOut(int x, int y, const std::string& text) override;
    void NewPage() override;

  private:
    QRect PaintRect() const;

    QPainter& painter_;
    QPrinter& printer_;
    PrintFont font_;
    int page_ = 1;
};

}  // namespace vostrel
