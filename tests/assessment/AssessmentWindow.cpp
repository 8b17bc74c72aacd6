#include "AssessmentWindow.h"

#include "core/ProgramState.h"
#include "data/Recordset.h"
#include "data/StatementTrace.h"
#include "frame/mdiPWO.h"

#include <QAction>

using namespace pwo;

AssessmentWindow::Stay AssessmentWindow::stayOf(const QString &select)
{
    Recordset found;
    found.OpenReadOnly(select, *globals().Connection);
    if (found.Eof())
        throw std::logic_error(("the demo has no stay for " + select).toStdString());
    Stay stay{found.value(QStringLiteral("IDNUM")).text(), found.value(QStringLiteral("HospNum")).text()};
    found.Close();
    StatementTrace::instance().clear();
    return stay;
}

QStringList AssessmentWindow::rows(const QString &select)
{
    Recordset found;
    found.OpenReadOnly(select, *globals().Connection);
    QStringList all;
    for (long row = 0; row < found.RecordCount(); ++row) {
        QStringList values;
        for (int column = 0; column < found.columnNames().size(); ++column)
            values << found.valueAt(row, column).text();
        all << values.join(QLatin1Char('|'));
    }
    found.Close();
    return all;
}

QString AssessmentWindow::single(const QString &select)
{
    const QStringList found = rows(select);
    return found.isEmpty() ? QString() : found.first();
}

void AssessmentWindow::open(const Stay &stay, std::function<void(QWidget &)> action)
{
    CurrentPatient().setHospNum(stay.HospNum);
    CurrentPatient().setIDNUM(stay.IDNUM);
    whenShown(QStringLiteral("frmARR"), std::move(action));
    program.mainWindow()->menuItem(QStringLiteral("mnuARR"))->trigger();
    program.settle();
}
