// pwo-sql --db DIR "batch": runs one text batch on the stand-in server the
// way the client's gateway sends it, and prints every result set as CSV.

#include "CsvOutput.h"
#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pwo-sql"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs one T-SQL batch on a stand-in hospital database folder."));
    parser.addHelpOption();
    const QCommandLineOption database(QStringLiteral("db"), QStringLiteral("The database folder."), QStringLiteral("DIR"));
    parser.addOption(database);
    parser.addPositionalArgument(QStringLiteral("batch"), QStringLiteral("The statement text, as the client sends it."));
    parser.process(app);
    if (!parser.isSet(database) || parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: pwo-sql --db DIR \"batch\"\n");
        return 2;
    }

    hospital::dbserver::registerStandInProvider();
    try {
        pwo::Connection connection;
        connection.Open(hospital::dbserver::standInConnectionString(parser.value(database)));
        connection.setDefaultDatabase(QStringLiteral("PWO"));
        const QString batch = parser.positionalArguments().constFirst();
        const pwo::BatchResult result = connection.run(batch, {pwo::TracedStatement::Kind::Execute, batch, -1, -1, -1});
        bool first = true;
        for (const pwo::ResultSet &set : result.resultSets) {
            if (!first)
                std::fputs("\n", stdout);
            std::fputs(hospital::dbserver::csvText(set).toUtf8().constData(), stdout);
            first = false;
        }
        if (result.rowsAffected >= 0)
            std::fprintf(stderr, "(%lld rows affected)\n", static_cast<long long>(result.rowsAffected));
    } catch (const pwo::DatabaseError &error) {
        for (const pwo::ErrorInfo &e : error.errors())
            std::fprintf(stderr, "error %ld: %s\n", e.number, e.description.toUtf8().constData());
        return 1;
    }
    return 0;
}
