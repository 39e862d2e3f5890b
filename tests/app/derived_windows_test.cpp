// The compute-variables window and the dialogs of the data editor's Data menu, driven as a
// user drives them.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "app/data/derived/compute_variables_window.h"
#include "app/data/derived/derived_windows.h"
#include "app/common/window_directory.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/table_builder.h"

using vostrel::Answer;
using vostrel::MemorySettingsStore;
using vostrel::Workspace;
using vostrel::app::TBkbox_Form;
using vostrel::app::WindowDirectory;
using vostrel::testing::FillTable;
using vostrel::testing::ScriptedUserInterface;

namespace {

template <typename T>
T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no control %s", name);
    return child;
}

void Select(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->clearSelection();
    list->setCurrentItem(items.first());
    items.first()->setSelected(true);
}

QString Cell(const Workspace& ws, int col, int row) {
    return QString::fromStdString(ws.table.DataGrid.CellString(col, row));
}

// Runs `drive` on the modal dialog that the next call opens.
void WhenDialogOpens(std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) qFatal("no dialog opened");
        drive(dialog);
    });
}

void SaveScreenshot(QWidget* window, const char* name) {
    if (!qEnvironmentVariableIsSet("VOSTREL_SCREENSHOT_DIR")) return;
    window->grab().save(qEnvironmentVariable("VOSTREL_SCREENSHOT_DIR") + QLatin1Char('/') +
                        QLatin1String(name));
}

class Fixture {
  public:
    Fixture() {
        FillTable(ws, {"Line", "Shift", "Fill"},
                  {{"1", "1", "10"},
                   {"1", "2", "12"},
                   {"2", "1", "20"},
                   {"2", "2", "22"},
                   {"1", "1", "14"}});
    }
    ScriptedUserInterface ui;
    MemorySettingsStore settings;
    Workspace ws{ui, settings};
    WindowDirectory windows;
};

}  // namespace

class DerivedWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void computesASampleStatisticIntoANewColumn() {
        Fixture f;
        TBkbox_Form form(f.ws, f.windows);
        form.show();
        auto* data = Child<QListWidget>(&form, "DataVarList");
        QCOMPARE(data->count(), 3);
        QVERIFY(!Child<QPushButton>(&form, "CalcButton")->isEnabled());

        Select(data, QStringLiteral("Fill"));
        QTest::mouseClick(Child<QToolButton>(&form, "SpeedButton_IndVar"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(&form, "Edit_Measure")->text(), QStringLiteral("Fill"));
        QCOMPARE(Child<QToolButton>(&form, "SpeedButton_IndVar")->text(), QStringLiteral("<"));
        Select(data, QStringLiteral("Line"));
        QTest::mouseClick(Child<QToolButton>(&form, "SpeedButton_Include"), Qt::LeftButton);
        QCOMPARE(Child<QListWidget>(&form, "IndVarList")->item(0)->text(), QStringLiteral("Line"));
        Child<QRadioButton>(&form, "RadioButton9")->click();
        QCOMPARE(Child<QLineEdit>(&form, "Edit_NewName")->text(), QStringLiteral("Fill_MED"));
        SaveScreenshot(&form, "compute_variables.png");

        QTest::mouseClick(Child<QPushButton>(&form, "CalcButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(f.ws.table.ColumnName(4)), QStringLiteral("Fill_MED"));
        // Line 1: 10, 12, 14; line 2: 20, 22.
        QCOMPARE(Cell(f.ws, 4, 1), QStringLiteral("12"));
        QCOMPARE(Cell(f.ws, 4, 3), QStringLiteral("21"));
        QCOMPARE(Cell(f.ws, 4, 2), QString());
        const QString log = Child<QTextEdit>(&form, "RichEdit")->toPlainText();
        QVERIFY2(log.startsWith(QStringLiteral("Fill_MED added to Data Editor\n\t* Median\n\t* "
                                               "Fill by Line\n")),
                 qPrintable(log));
        QVERIFY(data->findItems(QStringLiteral("Fill_MED"), Qt::MatchExactly).size() == 1);
        SaveScreenshot(&form, "compute_variables_log.png");
    }

    void computesAcrossRowsByKeyboard() {
        Fixture f;
        TBkbox_Form form(f.ws, f.windows);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* pages = Child<QTabWidget>(&form, "PageControl1");
        pages->setCurrentIndex(1);
        auto* data = Child<QListWidget>(&form, "DataVarList2");
        data->setFocus();
        QTest::keyClick(data, Qt::Key_Home);
        QTest::keyClick(data, Qt::Key_Down, Qt::ShiftModifier);  // Line and Shift
        auto* include = Child<QToolButton>(&form, "SpeedButton_Include2");
        include->setFocus();
        QTest::keyClick(include, Qt::Key_Space);
        QCOMPARE(Child<QListWidget>(&form, "SelectedVar")->count(), 2);
        Child<QRadioButton>(&form, "RadioButton_Stat7")->click();  // Sum
        QCOMPARE(Child<QLineEdit>(&form, "Edit_NewName")->text(), QStringLiteral("Sum1"));
        auto* name = Child<QLineEdit>(&form, "Edit_NewName");
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("line shift"));
        QCOMPARE(name->text(), QStringLiteral("line_shift"));
        QTest::keyClick(name, Qt::Key_A, Qt::AltModifier);  // &Action, an animated click
        QTRY_COMPARE(QString::fromStdString(f.ws.table.ColumnName(4)),
                     QStringLiteral("line_shift"));
        QCOMPARE(Cell(f.ws, 4, 2), QStringLiteral("3"));
        QCOMPARE(name->text(), QStringLiteral("Sum2"));
        SaveScreenshot(&form, "compute_variables_across.png");
    }

    // The statistics of the first page stand in four group boxes, yet one is ticked; the
    // dependent variable and the statistic are chosen without the mouse.
    void oneStatisticAcrossTheGroupsChosenByKeyboard() {
        Fixture f;
        TBkbox_Form form(f.ws, f.windows);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* data = Child<QListWidget>(&form, "DataVarList");
        QTest::keyClick(&form, Qt::Key_D, Qt::AltModifier);  // &Data Variables
        QCOMPARE(QApplication::focusWidget(), data);
        QTest::keyClick(data, Qt::Key_End);
        QTest::keyClick(data, Qt::Key_Tab);
        auto* dependent = Child<QToolButton>(&form, "SpeedButton_IndVar");
        QCOMPARE(QApplication::focusWidget(), dependent);
        QTest::keyClick(dependent, Qt::Key_Space);
        QCOMPARE(Child<QLineEdit>(&form, "Edit_Measure")->text(), QStringLiteral("Fill"));
        QCOMPARE(Child<QLineEdit>(&form, "Edit_NewName")->text(), QStringLiteral("Fill_AVG"));

        auto* median = Child<QRadioButton>(&form, "RadioButton9");
        median->setFocus();
        QTest::keyClick(median, Qt::Key_Space);
        QVERIFY(median->isChecked());
        Child<QRadioButton>(&form, "RadioButton0")->click();
        QVERIFY(!median->isChecked());
        QVERIFY(!Child<QRadioButton>(&form, "RadioButton8")->isChecked());
        QCOMPARE(Child<QLineEdit>(&form, "Edit_NewName")->text(), QStringLiteral("Fill_ADM"));

        Child<QTabWidget>(&form, "PageControl1")->setCurrentIndex(1);
        QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);  // &Statistics
        QCOMPARE(QApplication::focusWidget(), Child<QRadioButton>(&form, "RadioButton_Stat0"));
    }

    void weightCasesByKeyboard() {
        Fixture f;
        FillTable(f.ws, {"Id", "W"}, {{"a", "1"}, {"b", "3"}, {"c", "2"}});
        f.ui.answers = {Answer::Yes};
        WhenDialogOpens([](QWidget* dialog) {
            auto* list = Child<QListWidget>(dialog, "DataVarList");
            auto finish = qScopeGuard([dialog] {
                if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();
            });
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QCOMPARE(QApplication::focusWidget(), list);  // the list has the focus first
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Child<QToolButton>(dialog, "Button_Select"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(Child<QLineEdit>(dialog, "Edit_Weight")->text(), QStringLiteral("W"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // OK, the default
        });
        QVERIFY(vostrel::app::ExecWeightCasesDialog(f.ws, nullptr));
        QCOMPARE(f.ws.table.CaseRows(), 6);
    }

    void bartlettKendallBoxAsksForSubgroupsAndCancelAddsNothing() {
        Fixture f;
        FillTable(f.ws, {"X"}, {{"1"}, {"4"}, {"9"}, {"16"}, {"25"}, {"36"}, {"49"}, {"64"}});
        TBkbox_Form form(f.ws, f.windows);
        form.show();
        Select(Child<QListWidget>(&form, "DataVarList"), QStringLiteral("X"));
        Child<QToolButton>(&form, "SpeedButton_IndVar")->click();
        Child<QRadioButton>(&form, "RadioButton4")->click();

        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Generate BKB"));
            SaveScreenshot(dialog, "generate_bkb.png");
            Child<QPushButton>(dialog, "Button_Cancel")->click();
        });
        Child<QPushButton>(&form, "CalcButton")->click();
        QCOMPARE(f.ws.table.MaxCol(), 1);
        QVERIFY(Child<QTextEdit>(&form, "RichEdit")->toPlainText().isEmpty());

        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLabel>(dialog, "Label_Minimum")->text(),
                     QStringLiteral("Min Sample Size per Run = 8"));
            auto* spin = Child<QSpinBox>(dialog, "SpinEdit1");
            QCOMPARE(spin->maximum(), 4);
            QCOMPARE(spin->value(), 3);  // rnd(sqrt(8))
            spin->setValue(2);
            Child<QPushButton>(dialog, "Button_OK")->click();
        });
        Child<QPushButton>(&form, "CalcButton")->click();
        QCOMPARE(QString::fromStdString(f.ws.table.ColumnName(2)), QStringLiteral("X_BKB"));
        QVERIFY(!Cell(f.ws, 2, 2).isEmpty());
        QVERIFY(Cell(f.ws, 2, 3).isEmpty());
    }

    void zeroVarianceAsksForAMinimumRange() {
        Fixture f;
        FillTable(f.ws, {"X"}, {{"5"}, {"5"}});
        TBkbox_Form form(f.ws, f.windows);
        form.show();
        Select(Child<QListWidget>(&form, "DataVarList"), QStringLiteral("X"));
        Child<QToolButton>(&form, "SpeedButton_IndVar")->click();
        Child<QRadioButton>(&form, "RadioButton3")->click();
        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(Child<QLabel>(dialog, "Label_Run")->text(),
                     QStringLiteral("Zero Variance in Run X"));
            auto* ok = Child<QPushButton>(dialog, "Button_OK");
            QVERIFY(!ok->isEnabled());
            QTest::keyClicks(Child<QLineEdit>(dialog, "Edit_MinRange"), QStringLiteral("-1"));
            QVERIFY(!ok->isEnabled());
            Child<QLineEdit>(dialog, "Edit_MinRange")->setText(QStringLiteral("2"));
            QVERIFY(ok->isEnabled());
            SaveScreenshot(dialog, "minimum_range.png");
            ok->click();
        });
        Child<QPushButton>(&form, "CalcButton")->click();
        QCOMPARE(Cell(f.ws, 2, 1), QStringLiteral("0.693147180559945309"));  // ln(4 / 2)
    }

    void weightCasesDialogDuplicatesRowsAfterTheQuestion() {
        Fixture f;
        FillTable(f.ws, {"Id", "W"}, {{"a", "1"}, {"b", "3"}, {"c", "2"}});
        f.ui.answers = {Answer::No, Answer::Yes};
        bool accepted = false;
        WhenDialogOpens([&f](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Weight Cases"));
            auto* ok = Child<QPushButton>(dialog, "OKBtn");
            QVERIFY(!ok->isEnabled());
            Select(Child<QListWidget>(dialog, "DataVarList"), QStringLiteral("W"));
            Child<QToolButton>(dialog, "Button_Select")->click();
            QCOMPARE(Child<QLineEdit>(dialog, "Edit_Weight")->text(), QStringLiteral("W"));
            SaveScreenshot(dialog, "weight_cases.png");
            ok->click();  // No: the dialog stays
            QVERIFY(dialog->isVisible());
            QCOMPARE(f.ws.table.CaseRows(), 3);
            ok->click();  // Yes
        });
        accepted = vostrel::app::ExecWeightCasesDialog(f.ws, nullptr);
        QVERIFY(accepted);
        QCOMPARE(f.ws.table.CaseRows(), 6);
        QCOMPARE(Cell(f.ws, 1, 4), QStringLiteral("b"));
    }

    void runNumbersAndAutoRecodeDialogs() {
        Fixture f;
        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Generate Run Numbers"));
            auto* ok = Child<QPushButton>(dialog, "OKBtn");
            QVERIFY(!ok->isEnabled());
            Child<QToolButton>(dialog, "SpeedButton_IncludeAll")->click();
            Select(Child<QListWidget>(dialog, "DstList"), QStringLiteral("Fill"));
            Child<QToolButton>(dialog, "SpeedButton_Exclude")->click();
            QCOMPARE(Child<QListWidget>(dialog, "DstList")->count(), 2);
            SaveScreenshot(dialog, "run_numbers.png");
            ok->click();
        });
        QVERIFY(vostrel::app::ExecRunNumbersDialog(f.ws, nullptr));
        QCOMPARE(QString::fromStdString(f.ws.table.ColumnName(4)), QStringLiteral("Run"));
        QCOMPARE(Cell(f.ws, 4, 4), QStringLiteral("4"));  // line 2, shift 2

        WhenDialogOpens([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Auto Recode"));
            QCOMPARE(Child<QLabel>(dialog, "Label_DstList")->text(),
                     QStringLiteral("&Recoded Variables"));
            Select(Child<QListWidget>(dialog, "SrcList"), QStringLiteral("Fill"));
            Child<QToolButton>(dialog, "SpeedButton_Include")->click();
            SaveScreenshot(dialog, "auto_recode.png");
            Child<QPushButton>(dialog, "OKBtn")->click();
        });
        QVERIFY(vostrel::app::ExecAutoRecodeDialog(f.ws, nullptr));
        QCOMPARE(QString::fromStdString(f.ws.table.ColumnName(5)), QStringLiteral("Fill_R"));
        QCOMPARE(Cell(f.ws, 5, 5), QStringLiteral("3"));  // 14 is the third smallest
    }

    void openingAgainFindsTheSameWindowAndReturnGoesBack() {
        Fixture f;
        QWidget caller;
        caller.show();
        vostrel::app::OpenComputeVariables(f.ws, f.windows, &caller);
        TBkbox_Form* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<TBkbox_Form*>(w)) form = found;
        QVERIFY(form != nullptr);
        vostrel::app::OpenComputeVariables(f.ws, f.windows, &caller);
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TBkbox_Form*>(w) != nullptr) ++count;
        QCOMPARE(count, 1);
        caller.hide();
        Child<QAction>(form, "ToolButton_Return")->trigger();
        QVERIFY(caller.isVisible());
        QVERIFY(!Child<QAction>(form, "DataEditor1")->isEnabled());  // no data editor here
        QPointer<TBkbox_Form> closed(form);
        form->close();
        QTRY_VERIFY(closed.isNull());
    }
};

QTEST_MAIN(DerivedWindowsTest)
#include "derived_windows_test.moc"
