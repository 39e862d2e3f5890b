#pragma once
// "Enter Text for Point": the text shown above a point of the chart.

#include <QDialog>
#include <QString>

namespace Ui {
class TForm_PointLabel;
}

namespace vostrel::app {

class TForm_PointLabel : public QDialog {
    Q_OBJECT
  public:
    TForm_PointLabel(const QString& text, const QString& lastText, QWidget* parent = nullptr);
    ~TForm_PointLabel() override;

    QString Text() const;
    // Places the dialog above the pointer: its bottom 20 pixels above it, centred on it,
    // never off the top or left edge.
    void PlaceAt(const QPoint& globalPointer);

  private:
    Ui::TForm_PointLabel* ui_;
};

}  // namespace vostrel::app
