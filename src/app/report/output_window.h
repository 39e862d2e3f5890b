#pragma once
// "Performance Output": the report of the main analysis, which the user can save as rich
// or plain text, print, copy, edit, enlarge and shrink.

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>

namespace Ui {
class TOutputForm;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class ReportView;

class TOutputForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TOutputForm(Workspace& ws, QWidget* parent = nullptr);
    ~TOutputForm() override;

    // Brings the report up to date with the analysis's document, then restores and shows
    // the window; "Return to Main Form" shows the caller again.
    void ShowOutput(QWidget* caller);

    // Saves the report, with what the user typed into it: rich text for a name ending in
    // ".rtf", plain text otherwise. A failed save leaves any old file whole and says so.
    bool SaveToFile(const QString& path);

  private:
    void BindCommands();
    void SaveButtonClick();
    void PrintButtonClick();
    void PrintPreviewClick();
    void FontSizeClick(int step);
    void ReturnToCaller();
    void EditClick();
    void EditCommand(const QString& itemName);
    std::string PrintTitle() const;

    Workspace& ws_;
    std::unique_ptr<Ui::TOutputForm> ui_;
    ReportView* view_ = nullptr;
    QPointer<QWidget> caller_;
    QString saveFolder_;
};

}  // namespace vostrel::app
