// The data window shows the engine's table through its model.

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include "app/data/data_table_model.h"
#include "app/data/data_window.h"
#include "engine/workspace.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

using vostrel::MemorySettingsStore;
using vostrel::Workspace;
using vostrel::app::DataWindow;
using vostrel::testing::ScriptedUserInterface;
using vostrel::testing::TempDir;

class DataWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheExampleWithNamesAsHeaders() {
        ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        DataWindow window(ws);
        window.show();
        QVERIFY(window.OpenFile(QStringLiteral(VOSTREL_EXAMPLES_DIR "/fill_weights.dat")));
        QAbstractItemModel* model = window.Grid()->model();
        QCOMPARE(model->rowCount(), 300);
        QCOMPARE(model->columnCount(), 8);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("W1"));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("Day"));
        QVERIFY(window.windowTitle().contains(QStringLiteral("fill_weights.dat")));
        if (qEnvironmentVariableIsSet("VOSTREL_SCREENSHOT"))
            window.grab().save(qEnvironmentVariable("VOSTREL_SCREENSHOT"));
    }

    void showsBytesThatAreNotUtf8AsLatin1() {
        TempDir dir;
        const std::string file = dir.Write("latin.dat",
                                           "Gr\xF6\xDF"
                                           "e\tna\xC3\xAFve\n1\t2\n");
        ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        DataWindow window(ws);
        QVERIFY(window.OpenFile(QString::fromStdString(file)));
        QAbstractItemModel* model = window.Grid()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString::fromLatin1("Gr\xF6\xDF"
                                                                                      "e"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
                 QString::fromUtf8("na\xC3\xAFve"));
    }

    void aMillionRowsNeedNoPerRowWork() {
        ScriptedUserInterface ui;
        MemorySettingsStore settings;
        Workspace ws(ui, settings);
        ws.table.SetMaxCol(3);
        ws.table.SetCaseRows(1000000);
        ws.table.DataGrid.SetCell(2, 1000000, "last");
        DataWindow window(ws);
        window.Model()->Reload();
        window.show();
        QTableView* grid = window.Grid();
        QCOMPARE(grid->model()->rowCount(), 1000000);
        QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        grid->scrollToBottom();
        QCoreApplication::processEvents();
        QCOMPARE(grid->model()->data(grid->model()->index(999999, 1)).toString(),
                 QStringLiteral("last"));
    }
};

QTEST_MAIN(DataWindowTest)
#include "data_window_test.moc"
