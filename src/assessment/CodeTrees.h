#pragma once

#include <QString>
#include <QStringList>

namespace pwo {

// The two code trees an assessment draws from.
enum class CodeTree { Services, Activities };

// The children of a parent code ("0" for the top level), as Code and Description.
QString treeStatement(CodeTree tree, const QString &parentCode);
// The row of one code.
QString lookupStatement(CodeTree tree, const QString &code);

// The list entries of a code string, in its order, each with `blanks`
// blanks: a code the lookup does not find gets no entry.
QStringList lookUpEntries(CodeTree tree, const QString &codeString, int blanks);

} // namespace pwo
