#include "IntakeGridsTestSupport.h"

#include "core/modGlobals.h"
#include "data/Recordset.h"

#include <QTest>

using namespace pwo;

void IntakePageTest::SetUp()
{
    LoggedInProgram::SetUp();
    host.resize(1200, 700);
}

void IntakePageTest::showHost()
{
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
}

QString IntakePageTest::firstValue(const QString &query) const
{
    Recordset rows;
    rows.OpenReadOnly(query, *globals().Connection);
    return rows.Eof() ? QString() : rows.valueAt(0, 0).text();
}
