// The Missing Values, Process If and Transform dialogs and the table's Save As, each over
// its own workspace.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

#include "app/data/rules/missing_values_dialog.h"
#include "app/data/rules/process_if_dialog.h"
#include "app/data/rules/transform_dialog.h"
#include "app/data/save_table_dialog.h"
#include "engine/data/data_file.h"
#include "engine/workspace.h"
#include "support/modal.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

using vostrel::MemorySettingsStore;
using vostrel::Workspace;
using vostrel::app::TConfigSave_Form;
using vostrel::app::TMissingForm;
using vostrel::app::TProcessIFForm;
using vostrel::app::TTransformForm;
using vostrel::testing::FillTable;
using vostrel::testing::ScriptedUserInterface;
using vostrel::testing::TempDir;
using vostrel::testing::WhenModalShows;

namespace {

struct Fixture {
    Fixture() { FillTable(ws, {"Line", "Weight"}, {{"1", "10"}, {"2", "12"}, {"3", "-1"}}); }
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
};

template <class T>
T* Child(QWidget* dialog, const char* name) {
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!child) qWarning("no control named %s", name);
    return child;
}

}  // namespace

class RuleDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void aMissingValueThatIsNotANumberKeepsTheDialogOpen() {
        Fixture f;
        TMissingForm dialog(f.ws);
        auto* value = Child<QLineEdit>(&dialog, "Edit_Missing2");
        QVERIFY(value->isHidden());                               // relation "none"
        Child<QRadioButton>(&dialog, "Relation2Item4")->click();  // "<"
        QVERIFY(!value->isHidden());
        QCOMPARE(Child<QLabel>(&dialog, "Label_Relation2")->text(), QStringLiteral("<"));
        value->setText(QStringLiteral("-"));
        Child<QPushButton>(&dialog, "OKBtn")->click();
        QCOMPARE(f.ui.errors, std::vector<std::string>({"Missing When: \"-\" is not a number."}));
        QCOMPARE(dialog.result(), 0);
        QVERIFY(!f.ws.rules.Missing.Active);

        value->setText(QStringLiteral("0"));
        Child<QPushButton>(&dialog, "OKBtn")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.ws.rules.MissingStatusText(), std::string("Missing: X < 0"));
    }

    void processIfShowsItsConditionsAgainAndResets() {
        Fixture f;
        f.ws.rules.SetProcessIfRule(1, 1, 8, "Line", 0, "[1,3]");
        f.ws.rules.SetProcessIfRule(3, 2, 2, "Weight", 11);
        TProcessIFForm dialog(f.ws);
        QCOMPARE(Child<QLineEdit>(&dialog, "Edit_Pi1")->text(), QStringLiteral("Line"));
        QCOMPARE(Child<QToolButton>(&dialog, "Button1")->text(), QStringLiteral("<"));
        QCOMPARE(Child<QComboBox>(&dialog, "ComboBox1")->currentText(), QStringLiteral("Not in"));
        QCOMPARE(Child<QLineEdit>(&dialog, "Edit_PIvalue1")->text(), QStringLiteral("1,3"));
        QVERIFY(Child<QRadioButton>(&dialog, "RadioButton_Or")->isChecked());

        // "<" empties the variable; with nothing selected ">" only beeps.
        Child<QToolButton>(&dialog, "Button2")->click();
        QVERIFY(Child<QLineEdit>(&dialog, "Edit_Pi2")->text().isEmpty());
        Child<QListWidget>(&dialog, "DataVarList")->clearSelection();
        Child<QToolButton>(&dialog, "Button2")->click();
        QCOMPARE(f.ui.beeps, 1);

        Child<QPushButton>(&dialog, "BitBtn1")->click();  // Reset
        QVERIFY(Child<QLineEdit>(&dialog, "Edit_Pi1")->text().isEmpty());
        QCOMPARE(Child<QComboBox>(&dialog, "ComboBox1")->currentIndex(), 0);
        QVERIFY(Child<QLineEdit>(&dialog, "Edit_PIvalue1")->isHidden());
        QVERIFY(Child<QRadioButton>(&dialog, "RadioButton_And")->isChecked());
        const int layout = f.ws.table.LayoutGeneration;
        Child<QPushButton>(&dialog, "OKBtn")->click();
        QCOMPARE(f.ws.rules.ProcessIfStatusText(), std::string("Process If Off"));
        QCOMPARE(f.ws.table.LayoutGeneration, layout + 1);
    }

    void theTransformNeedsNumbersAndCancelRestoresIt() {
        Fixture f;
        TTransformForm dialog(f.ws);
        auto* ok = Child<QPushButton>(&dialog, "OKBtn");
        QVERIFY(Child<QWidget>(&dialog, "GroupBox1")->isHidden());  // "No Transform"
        Child<QRadioButton>(&dialog, "TransformKind2")->click();    // POWER1 needs C
        QVERIFY(!Child<QWidget>(&dialog, "Edit3")->isHidden());
        Child<QLineEdit>(&dialog, "Edit3")->setText(QStringLiteral("-"));
        QVERIFY(!ok->isEnabled());
        Child<QLineEdit>(&dialog, "Edit3")->setText(QStringLiteral("2"));
        QVERIFY(ok->isEnabled());
        QCOMPARE(Child<QLabel>(&dialog, "Label_Transform")->text(),
                 QStringLiteral("Transform: (X)^2"));
        Child<QRadioButton>(&dialog, "TransformKind5")->click();  // LOG has no C
        QVERIFY(Child<QWidget>(&dialog, "Edit3")->isHidden());
        Child<QPushButton>(&dialog, "CancelBtn")->click();
        QVERIFY(!f.ws.transform.On());
    }

    void addingATransformedVariableWritesANewColumn() {
        Fixture f;
        TTransformForm dialog(f.ws);
        Child<QRadioButton>(&dialog, "TransformKind1")->click();
        Child<QLineEdit>(&dialog, "Edit1")->setText(QStringLiteral("2"));
        auto* columns = Child<QListWidget>(&dialog, "CheckListBox");
        QCOMPARE(columns->count(), 2);
        columns->item(1)->setCheckState(Qt::Checked);
        Child<QRadioButton>(&dialog, "RadioButton_Modify")->click();
        QCOMPARE(Child<QPushButton>(&dialog, "AddButton")->text(), QStringLiteral("&Modify"));
        Child<QRadioButton>(&dialog, "RadioButton_Add")->click();
        Child<QPushButton>(&dialog, "AddButton")->click();
        QCOMPARE(f.ws.table.ColumnName(3), std::string("f(Weight)"));
        QCOMPARE(f.ws.table.DataGrid.CellString(3, 2), std::string("24"));
        QCOMPARE(columns->count(), 3);
        // "Turn off Transform when done" is ticked: the dialog shows the transform off.
        QVERIFY(Child<QRadioButton>(&dialog, "TransformKind0")->isChecked());
        QVERIFY(!f.ws.transform.On());
    }

    void saveAsAsksForTheOptionsAndGivesANameItsExtension() {
        Fixture f;
        f.ws.table.DescGrid.SetCell(2, 2, "15");  // a USL: "Save Descriptions" applies
        TempDir dir;
        const QString name = QString::fromStdString(dir.File("weights"));
        bool optionsShown = false;
        WhenModalShows<TConfigSave_Form>([&](TConfigSave_Form* d) {
            optionsShown = true;
            QVERIFY(Child<QCheckBox>(d, "CheckBox_Desc")->isChecked());
            QVERIFY(Child<QCheckBox>(d, "CheckBox_VarNames")->isChecked());
            QVERIFY(!Child<QCheckBox>(d, "CheckBox_Selection")->isEnabled());
            Child<QPushButton>(d, "OKBtn")->click();
            WhenModalShows<QFileDialog>([name](QFileDialog* files) {
                QCOMPARE(files->objectName(), QStringLiteral("SaveDialog1"));
                files->selectFile(name);
                static_cast<QDialog*>(files)->accept();  // as the Save button does
            });
        });
        QVERIFY(vostrel::app::SaveTableAs(f.ws, nullptr));
        QVERIFY(optionsShown);
        const std::string saved = dir.File("weights.zqx");
        QCOMPARE(f.ws.table.DataFilename, saved);
        QVERIFY(TempDir::Read(saved).find("USL:\t\t15\r\n") != std::string::npos);
        QVERIFY(!f.ws.table.Modified);
    }
};

QTEST_MAIN(RuleDialogsTest)
#include "rule_dialogs_test.moc"
