#include "LoggedInProgram.h"
#include "ModalWindows.h"
#include "TestPrinters.h"

#include "widgets/WorkerLookup.h"
#include "widgets/frmEmployeeListing.h"

#include <QTableView>

using namespace pwo;

namespace {

const QString list = QStringLiteral("frmEmployeeListing");

// The lookup with the list answered by picking the employee with the code,
// or by "&Close" when the code is empty.
LookedUpWorker lookUpPicking(const QString &code)
{
    whenShown(list, [code](QWidget &window) {
        if (code.isEmpty()) {
            click(window, QStringLiteral("cmdClose"));
            return;
        }
        auto &view = child<QTableView>(window, QStringLiteral("GridListWorkers"));
        const QAbstractItemModel *rows = view.model();
        for (int row = 0; row < rows->rowCount(); ++row)
            if (rows->index(row, 1).data().toString() == code)
                view.setCurrentIndex(rows->index(row, 1));
        click(window, QStringLiteral("cmdSelect"));
    });
    return lookUpWorker();
}

LookedUpWorker lookUpClosingTheList()
{
    return lookUpPicking(QString());
}

void expectNoLongerExists(const ScriptedPrompter &prompter)
{
    ASSERT_EQ(prompter.asked().size(), 1);
    const Prompt &prompt = prompter.asked().front().prompt;
    EXPECT_EQ(prompt.text, QStringLiteral("Employee No Longer Exists."));
    EXPECT_EQ(prompt.icon, QMessageBox::Warning);
    EXPECT_EQ(prompt.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(prompt.title, QStringLiteral("MESSAGE"));
}

} // namespace

using WorkerLookup = LoggedInProgram;

TEST_F(WorkerLookup, APickedWorkerGivesCodeNameAndLicence)
{
    const LookedUpWorker worker = lookUpPicking(QStringLiteral("demo"));
    EXPECT_TRUE(worker.found);
    EXPECT_EQ(worker.code, QStringLiteral("demo"));
    EXPECT_EQ(worker.name, QStringLiteral("ANA MARIE C. REYES"));
    EXPECT_EQ(worker.licenceNumber, QStringLiteral("0031475"));
    EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_GetEmployeeName 'demo'"));
    EXPECT_EQ(trace().back().cursorType, 2);
    EXPECT_EQ(trace().back().lockType, 1);
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST_F(WorkerLookup, AWorkerWithoutLicenceGivesEmptyText)
{
    const LookedUpWorker worker = lookUpPicking(QStringLiteral("clerk"));
    EXPECT_TRUE(worker.found);
    EXPECT_EQ(worker.name, QStringLiteral("JOSE M. BAUTISTA"));
    EXPECT_TRUE(worker.licenceNumber.isEmpty());
}

TEST_F(WorkerLookup, ClosingBeforeAnySelectionLooksUpTheEmptyCode)
{
    const LookedUpWorker worker = lookUpClosingTheList();
    EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_GetEmployeeName ''"));
    EXPECT_FALSE(worker.found);
    EXPECT_TRUE(worker.code.isEmpty());
    EXPECT_TRUE(worker.name.isEmpty());
    expectNoLongerExists(program.prompter());
}

TEST_F(WorkerLookup, ClosingAfterASelectionLooksThePreviousCodeUpAgain)
{
    ASSERT_TRUE(lookUpPicking(QStringLiteral("10008")).found);
    const LookedUpWorker again = lookUpClosingTheList();
    EXPECT_TRUE(again.found);
    EXPECT_EQ(again.code, QStringLiteral("10008"));
    EXPECT_EQ(sent().last(), QStringLiteral("PWO..sp_PWO_GetEmployeeName '10008'"));
    EXPECT_FALSE(again.name.isEmpty());
}

TEST_F(WorkerLookup, AWorkerRemovedMeanwhileIsReportedAndHisCodeKept)
{
    ASSERT_TRUE(lookUpPicking(QStringLiteral("10008")).found);
    program.database().sqlite(QStringLiteral("DELETE FROM BUILD_FILE.tbCoEmployee WHERE EmployeeCode = '10008'"));
    const LookedUpWorker gone = lookUpClosingTheList();
    EXPECT_FALSE(gone.found);
    EXPECT_EQ(gone.code, QStringLiteral("10008"));
    expectNoLongerExists(program.prompter());
}
