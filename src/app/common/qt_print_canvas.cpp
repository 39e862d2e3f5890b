#include "app/common/qt_print_canvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QStringDecoder>

namespace vostrel {

QString ReportTextToQString(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded =
        decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!decoder.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QtPrintCanvas::QtPrintCanvas(QPainter& painter, QPrinter& printer)
    : painter_(painter), printer_(printer) {
    // Colours are not printed; text never paints a background.
    painter_.setPen(Qt::black);
    painter_.setBackgroundMode(Qt::TransparentMode);
    SetFont(font_);
}

QRect QtPrintCanvas::PaintRect() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution());
}

int QtPrintCanvas::PixelsPerInchX() const { return painter_.device()->logicalDpiX(); }
int QtPrintCanvas::PixelsPerInchY() const { return painter_.device()->logicalDpiY(); }
int QtPrintCanvas::PhysicalOffsetX() const { return PaintRect().left(); }
int QtPrintCanvas::PhysicalOffsetY() const { return PaintRect().top(); }
int QtPrintCanvas::PageWidth() const { return PaintRect().width(); }
int QtPrintCanvas::PageHeight() const { return PaintRect().height(); }

void QtPrintCanvas::SetFont(const PrintFont& font) {
    font_ = font;
    QFont qfont(ReportTextToQString(font.name));
    // Where the named font is missing, keep its kind: fixed pitch for the report body.
    qfont.setStyleHint(font.name == kCourierNew ? QFont::TypeWriter : QFont::SansSerif);
    qfont.setPointSizeF(font.points > 0 ? font.points : 1);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    painter_.setFont(qfont);
}

int QtPrintCanvas::TextWidth(const std::string& text) const {
    return painter_.fontMetrics().horizontalAdvance(ReportTextToQString(text));
}

int QtPrintCanvas::TextHeight(const std::string&) const { return painter_.fontMetrics().height(); }

int QtPrintCanvas::AverageCharWidth() const { return painter_.fontMetrics().averageCharWidth(); }

void QtPrintCanvas::TextOut(int x, int y, const std::string& text) {
    // QPainter places text on its baseline; the canvas is given the top of the line.
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), ReportTextToQString(text));
}

void QtPrintCanvas::NewPage() {
    printer_.newPage();
    ++page_;
}

}  // namespace vostrel
