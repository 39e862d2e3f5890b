#pragma once
// Drawing graphs to files without a window, for vostrel-cli --image: the application object
// the drawing needs (on the offscreen platform when there is no display), and a plot of a
// given size that a drawing function fills and that is then written to a file.

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QApplication;
class QCustomPlot;

namespace vostrel::app {

// Creates the application object when none exists, and deletes it again at the end.
// Without DISPLAY or WAYLAND_DISPLAY (and no QT_QPA_PLATFORM of the user's) it draws on the
// offscreen platform.
class OffscreenGraphics {
  public:
    OffscreenGraphics();
    ~OffscreenGraphics();
    OffscreenGraphics(const OffscreenGraphics&) = delete;
    OffscreenGraphics& operator=(const OffscreenGraphics&) = delete;

  private:
    std::unique_ptr<QApplication> app_;
};

// A plot of the size is given to draw, then written to path in the format of its extension
// (.svg, .pdf, .png, .bmp, .jpg). Returns an empty text, or why nothing was written. Needs
// an application object (OffscreenGraphics).
QString RenderGraphImage(const QString& path, QSize size,
                         const std::function<void(QCustomPlot&)>& draw);

}  // namespace vostrel::app
