#include "PatientListProgram.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "patients/frmListPatient.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"

#include <QPushButton>
#include <QTest>

using namespace pwo;

void PatientListProgram::SetUp()
{
    program.startAs();
    ASSERT_NE(program.mainWindow(), nullptr);
    program.mainWindow()->showPatientList();
    ASSERT_NE(list(), nullptr);
    StatementTrace::instance().clear();
}

frmListPatient *PatientListProgram::list() const
{
    return qobject_cast<frmListPatient *>(program.window(QStringLiteral("frmListPatient")));
}

QLineEdit *PatientListProgram::box(const char *name) const
{
    return list()->findChild<QLineEdit *>(QString::fromLatin1(name));
}

QTreeView *PatientListProgram::view() const
{
    return list()->findChild<QTreeView *>(QStringLiteral("lvwSearchPatient"));
}

QString PatientListProgram::cell(int row, int column) const
{
    return rows()->index(row, column).data().toString();
}

QLabel *PatientListProgram::label(const char *name) const
{
    return list()->findChild<QLabel *>(QString::fromLatin1(name));
}

void PatientListProgram::choose(int patientType) const
{
    QTest::mouseClick(list()->findChild<QRadioButton *>(QStringLiteral("optPatientType_%1").arg(patientType)),
                      Qt::LeftButton);
}

void PatientListProgram::clickSearch() const
{
    list()->findChild<QPushButton *>(QStringLiteral("cmdSearch"))->click();
}

void PatientListProgram::pressEnterIn(const char *boxName) const
{
    QTest::keyClick(box(boxName), Qt::Key_Return);
}

void PatientListProgram::clickRow(int row) const
{
    QTreeView *v = view();
    v->scrollTo(rows()->index(row, 0));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(rows()->index(row, 1)).center());
}

void PatientListProgram::clickHeader(int column) const
{
    QHeaderView *header = view()->header();
    const QPoint where(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, where);
}

QStringList PatientListProgram::listStatements() const
{
    QStringList found;
    for (const QString &text : program.statementTexts())
        if (text.startsWith(QLatin1String("PWO..sp_PWO_Load")) && !text.contains(QLatin1String("ReferralNotice")))
            found << text;
    return found;
}

long PatientListProgram::countOf(const QString &select) const
{
    Recordset result;
    result.Open(select, *globals().Connection);
    const long n = long(result.valueAt(0, 0).toInteger());
    result.Close();
    return n;
}
