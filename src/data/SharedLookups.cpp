#include "SharedLookups.h"

#include "Recordset.h"
#include "SqlText.h"

namespace pwo {

QString FindMatchingOpdNumber(Connection &connection, const QString &idNumber)
{
    Recordset match;
    match.Open(QStringLiteral("BILLING..sp_Billing_Search_Matching_OPDNumber_At_TbPatient ") + sql::quoted(idNumber.trimmed()),
               connection, adOpenDynamic, adLockOptimistic, -1);
    QString result;
    if (match.RecordCount() > 0)
        result = match.Fields(QStringLiteral("OPDIdnum")).Value().text().trimmed();
    match.Close();
    return result;
}

bool CheckCompany(Connection &connection, const QString &idNumber)
{
    Recordset company;
    company.OpenReadOnly(QStringLiteral("Billing..sp_Pars_CheckCompany ") + sql::quoted(idNumber), connection);
    return !company.Eof();
}

} // namespace pwo
