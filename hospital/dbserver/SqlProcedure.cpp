#include "SqlProcedure.h"

#include "ServerErrorNumbers.h"
#include "StatementRunner.h"
#include "data/DatabaseError.h"

#include <QFile>
#include <QRegularExpression>

#include <sqlite3.h>

namespace hospital::dbserver {

namespace {
const QString serverSource = QStringLiteral("Stand-in server");

[[noreturn]] void badDefinition(const QString &path, const QString &why)
{
    throw pwo::DatabaseError(ServerError::ProcedureNotFound, QStringLiteral("The procedure file %1 is not valid: %2").arg(path, why), serverSource);
}

pwo::Value defaultLiteral(const QString &text)
{
    if (text.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0)
        return {};
    if (text.startsWith(QLatin1Char('\'')))
        return pwo::Value(text.mid(1, text.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'")));
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    return ok ? pwo::Value(std::int64_t(n)) : pwo::Value(text.toDouble());
}

void bind(sqlite3_stmt *statement, int index, const pwo::Value &value)
{
    if (value.isNull())
        sqlite3_bind_null(statement, index);
    else if (value.isInteger())
        sqlite3_bind_int64(statement, index, value.toInteger());
    else if (value.isReal())
        sqlite3_bind_double(statement, index, value.toNumber());
    else {
        const QByteArray utf8 = value.toText().toUtf8();
        sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
}
} // namespace

std::unique_ptr<SqlProcedure> SqlProcedure::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        badDefinition(path, file.errorString());
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression header(QStringLiteral("^--\\s*parameters:(.*)$"),
                                           QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression parameter(
        QStringLiteral("^\\s*(@\\w+)\\s+([A-Za-z]+)(?:\\s*\\([^)]*\\))?(?:\\s*=\\s*('(?:[^']|'')*'|[-\\w.]+))?\\s*$"));
    const auto m = header.match(text);
    if (!m.hasMatch())
        badDefinition(path, QStringLiteral("it has no \"-- parameters:\" line"));
    std::vector<Parameter> parameters;
    const QString list = m.captured(1).trimmed();
    if (!list.isEmpty() && list.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0) {
        for (const QString &declaration : list.split(QLatin1Char(','))) {
            const auto p = parameter.match(declaration);
            if (!p.hasMatch())
                badDefinition(path, QStringLiteral("cannot read the parameter \"%1\"").arg(declaration.trimmed()));
            Parameter parsed{p.captured(1), p.captured(2).toLower(), p.hasCaptured(3), {}};
            if (parsed.hasDefault)
                parsed.defaultValue = defaultLiteral(p.captured(3));
            parameters.push_back(parsed);
        }
    }
    const QString name = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return std::make_unique<SqlProcedure>(name, std::move(parameters), text);
}

SqlProcedure::SqlProcedure(QString name, std::vector<Parameter> parameters, QString body)
    : name_(std::move(name)), parameters_(std::move(parameters)), body_(std::move(body))
{
}

pwo::Value SqlProcedure::converted(const Parameter &parameter, const pwo::Value &argument) const
{
    if (argument.isNull())
        return argument;
    const QString &type = parameter.type;
    try {
        if (type == QLatin1String("int") || type == QLatin1String("bigint") || type == QLatin1String("smallint") ||
            type == QLatin1String("tinyint") || type == QLatin1String("bit"))
            return pwo::Value(argument.toInteger());
        if (type == QLatin1String("money") || type == QLatin1String("decimal") || type == QLatin1String("numeric") ||
            type == QLatin1String("float") || type == QLatin1String("real"))
            return pwo::Value(argument.toNumber());
        if (type == QLatin1String("datetime") || type == QLatin1String("smalldatetime") || type == QLatin1String("date")) {
            if (argument.isText() && argument.toText().trimmed().isEmpty())
                return pwo::Value(QStringLiteral("1900-01-01 00:00:00"));  // the server's reading of ''
            return pwo::Value(pwo::dateTimeText(argument.toDateTime()));
        }
    } catch (const pwo::DatabaseError &) {
        throw pwo::DatabaseError(ServerError::VarcharToNumeric, QStringLiteral("Error converting data type varchar to %1.").arg(type), serverSource);
    }
    return pwo::Value(argument.toText());
}

void SqlProcedure::run(StatementRunner &runner, const std::vector<pwo::Value> &arguments, pwo::BatchResult &into) const
{
    if (arguments.size() > parameters_.size())
        throw pwo::DatabaseError(ServerError::TooManyArguments, QStringLiteral("Procedure or function %1 has too many arguments specified.").arg(name_),
                                 serverSource);
    std::vector<pwo::Value> values;
    for (size_t i = 0; i < parameters_.size(); ++i) {
        const Parameter &p = parameters_[i];
        if (i < arguments.size())
            values.push_back(converted(p, arguments[i]));
        else if (p.hasDefault)
            values.push_back(p.defaultValue);
        else
            throw pwo::DatabaseError(ServerError::MissingParameter, QStringLiteral("Procedure or function '%1' expects parameter '%2', which was not supplied.")
                                              .arg(name_, p.name),
                                     serverSource);
    }
    runner.run(body_, into, [&](sqlite3_stmt *statement) {
        for (size_t i = 0; i < parameters_.size(); ++i) {
            const int index = sqlite3_bind_parameter_index(statement, parameters_[i].name.toUtf8().constData());
            if (index > 0)
                bind(statement, index, values[i]);
        }
    });
}

} // namespace hospital::dbserver
