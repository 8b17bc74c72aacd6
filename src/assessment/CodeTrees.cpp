#include "CodeTrees.h"

#include "CodeList.h"

#include "core/modGlobals.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

namespace pwo {

QString treeStatement(CodeTree tree, const QString &parentCode)
{
    const QString procedure = tree == CodeTree::Services ? QStringLiteral("PWO..sp_PWO_GetService ")
                                                         : QStringLiteral("PWO..sp_PWO_GetActivity ");
    return procedure + sql::quoted(parentCode);
}

QString lookupStatement(CodeTree tree, const QString &code)
{
    const QString table = tree == CodeTree::Services ? QStringLiteral("PWO..tbPWOServiceCategory")
                                                     : QStringLiteral("PWO..tbPWOActivity");
    return QStringLiteral("select * from ") + table + QStringLiteral(" WHERE CODE = ") + sql::quoted(code);
}

QStringList lookUpEntries(CodeTree tree, const QString &codeString, int blanks)
{
    QStringList entries;
    for (const QString &code : codesOf(codeString)) {
        Recordset found;
        found.OpenReadOnly(lookupStatement(tree, code), *globals().Connection);
        if (found.RecordCount() > 0)
            entries << entryText(found.value(QStringLiteral("Description")).toText(), blanks,
                                 found.value(QStringLiteral("Code")).toText());
        found.Close();
    }
    return entries;
}

} // namespace pwo
