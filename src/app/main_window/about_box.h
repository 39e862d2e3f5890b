#pragma once
// The About window and the splash window shown while the program starts: the product name,
// the version text and the program's picture.

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TAboutBox;
class TSplashForm;
}  // namespace Ui

namespace vostrel::app {

// The program's picture, drawn from its SVG at the given width.
QPixmap ProgramPicture(int width);

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    // openWebSite opens the maker's web site (false when it could not); without one the
    // link is not shown.
    explicit TAboutBox(QWidget* parent = nullptr, std::function<bool()> openWebSite = {});
    ~TAboutBox() override;

  private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

class TSplashForm : public QWidget {
    Q_OBJECT
  public:
    TSplashForm();
    ~TSplashForm() override;

  private:
    std::unique_ptr<Ui::TSplashForm> ui_;
};

}  // namespace vostrel::app
