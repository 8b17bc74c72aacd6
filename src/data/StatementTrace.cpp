#include "StatementTrace.h"

#include <QDateTime>

namespace pwo {

namespace {
constexpr size_t keptStatements = 10000;

const char *kindName(TracedStatement::Kind kind)
{
    switch (kind) {
    case TracedStatement::Kind::Open: return "open";
    case TracedStatement::Kind::Execute: return "execute";
    case TracedStatement::Kind::BeginTrans: return "begin";
    case TracedStatement::Kind::CommitTrans: return "commit";
    case TracedStatement::Kind::RollbackTrans: return "rollback";
    }
    return "?";
}
} // namespace

StatementTrace &StatementTrace::instance()
{
    static StatementTrace trace;
    return trace;
}

StatementTrace::StatementTrace()
{
    const QString path = qEnvironmentVariable("PWO_TRACE");
    if (!path.isEmpty())
        writeTo(path);
}

void StatementTrace::writeTo(const QString &path)
{
    file_.close();
    if (path.isEmpty())
        return;
    file_.setFileName(path);
    if (!file_.open(QIODevice::Append | QIODevice::Text))
        qWarning("PWO_TRACE: cannot write the statement trace to %s: %s", qPrintable(path),
                 qPrintable(file_.errorString()));
}

void StatementTrace::record(TracedStatement statement)
{
    if (file_.isOpen())
        writeToFile(statement);
    statements_.push_back(std::move(statement));
    if (statements_.size() > keptStatements)
        statements_.pop_front();
}

QStringList StatementTrace::texts() const
{
    QStringList result;
    for (const TracedStatement &s : statements_)
        if (s.kind == TracedStatement::Kind::Open || s.kind == TracedStatement::Kind::Execute)
            result << s.text;
    return result;
}

// One line a statement, tab-separated; line breaks inside the text shown as \n.
void StatementTrace::writeToFile(const TracedStatement &s)
{
    QString text = s.text;
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    const QString line = QStringLiteral("%1\t%2\tcursor=%3\tlock=%4\toptions=%5\t%6\n")
                             .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                                  QLatin1String(kindName(s.kind)))
                             .arg(s.cursorType)
                             .arg(s.lockType)
                             .arg(s.options)
                             .arg(text);
    file_.write(line.toUtf8());
    file_.flush();
}

} // namespace pwo
