#pragma once
// "Save As" of the data table: the "Configure Save" options (selection only, variable
// names, descriptions) when any applies, then the file name.

#include <QDialog>

#include <memory>

#include "engine/data/data_file.h"

namespace Ui {
class TConfigSave_Form;
}

namespace vostrel {
class Workspace;
}

namespace vostrel::app {

class TConfigSave_Form : public QDialog {
    Q_OBJECT
  public:
    // Each box is enabled, and ticked, when its option applies.
    TConfigSave_Form(const SaveOptions& options, QWidget* parent = nullptr);
    ~TConfigSave_Form() override;

    // The boxes as they were at OK.
    SaveChoices Choices() const;

  private:
    std::unique_ptr<Ui::TConfigSave_Form> ui_;
};

// Asks for the options and a file name and saves the table. False when the user cancelled
// or the file could not be written (after the message).
bool SaveTableAs(Workspace& ws, QWidget* parent);

}  // namespace vostrel::app
