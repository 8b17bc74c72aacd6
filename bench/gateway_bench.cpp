// Gateway overhead against SQLite used directly, on one demo hospital:
//   a) one representative SELECT, translated and dispatched through the gateway
//      (translations and prepared statements cached) against the same SELECT
//      prepared, stepped and finalized with the SQLite C API (and, for
//      reference, prepared once);
//   b) 100 000 rows fetched into a Recordset against a raw sqlite3_step loop.
// Run: build/bin/gateway_bench

#include "hospital/dbserver/DatabaseSet.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include "data/Recordset.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>

namespace {

constexpr int fetchedRows = 100000;

const QString &folder()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        std::fprintf(stderr, "building a demo hospital of %d patients...\n", fetchedRows);
        hospital::dbserver::generateDemoHospital(dir.path(), fetchedRows, QDate(2026, 12, 1));
        return true;
    }();
    (void)made;
    static const QString path = dir.path();
    return path;
}

const QString lookupTsql = QStringLiteral(
    "SELECT HospNum, LastName, FirstName, isnull(MiddleName,'') [MiddleName], Sex FROM PATIENT_DATA..tbMaster "
    "WHERE HospNum = '00054321'");
const char *lookupSqlite =
    "SELECT HospNum, LastName, FirstName, ifnull(MiddleName,'') AS \"MiddleName\", Sex FROM PATIENT_DATA.tbMaster "
    "WHERE HospNum = '00054321'";
const QString fetchTsql = QStringLiteral("SELECT * FROM PATIENT_DATA..tbMaster");
const char *fetchSqlite = "SELECT * FROM PATIENT_DATA.tbMaster";

struct Connected {
    Connected()
    {
        hospital::dbserver::registerStandInProvider();
        connection.Open(hospital::dbserver::standInConnectionString(folder()));
    }
    pwo::Connection connection;
};

void touchRow(sqlite3_stmt *statement, int columns, std::size_t &bytes)
{
    for (int c = 0; c < columns; ++c) {
        if (sqlite3_column_type(statement, c) == SQLITE_INTEGER)
            bytes += std::size_t(sqlite3_column_int64(statement, c) & 1);
        else if (sqlite3_column_text(statement, c))
            bytes += std::size_t(sqlite3_column_bytes(statement, c));
    }
}

void GatewaySelect(benchmark::State &state)
{
    Connected c;
    for (auto _ : state) {
        pwo::Recordset rs;
        rs.Open(lookupTsql, c.connection, 2, pwo::adLockReadOnly, -1);
        benchmark::DoNotOptimize(rs.Fields(QStringLiteral("LastName")).Value());
        rs.Close();
    }
}

void DirectSelect(benchmark::State &state)
{
    sqlite3 *db = hospital::dbserver::openDatabaseSet(folder(), hospital::dbserver::DatabaseSetMode::OpenExisting);
    for (auto _ : state) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, lookupSqlite, -1, &statement, nullptr);
        std::size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            touchRow(statement, sqlite3_column_count(statement), bytes);
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_close(db);
}

void GatewayFetch(benchmark::State &state)
{
    Connected c;
    for (auto _ : state) {
        pwo::Recordset rs;
        rs.Open(fetchTsql, c.connection, 2, pwo::adLockReadOnly, -1);
        if (rs.RecordCount() != fetchedRows)
            state.SkipWithError("unexpected row count");
        rs.Close();
    }
}

// Steps a statement prepared once, reading every row, on every iteration.
void runPrepared(benchmark::State &state, const char *sql)
{
    sqlite3 *db = hospital::dbserver::openDatabaseSet(folder(), hospital::dbserver::DatabaseSetMode::OpenExisting);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    for (auto _ : state) {
        std::size_t bytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            touchRow(statement, sqlite3_column_count(statement), bytes);
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

// The lookup with its statement prepared once, as the gateway's cache does.
void DirectSelectPrepared(benchmark::State &state)
{
    runPrepared(state, lookupSqlite);
}

void RawFetch(benchmark::State &state)
{
    runPrepared(state, fetchSqlite);
}

BENCHMARK(GatewaySelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(DirectSelect)->Unit(benchmark::kMicrosecond);
BENCHMARK(DirectSelectPrepared)->Unit(benchmark::kMicrosecond);
BENCHMARK(GatewayFetch)->Unit(benchmark::kMillisecond);
BENCHMARK(RawFetch)->Unit(benchmark::kMillisecond);

// Prints the two ratios the goals speak of after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatios() const
    {
        const auto ratio = [&](const char *a, const char *b) { return seconds_.at(a) / seconds_.at(b); };
        std::printf("\nselect through the gateway / direct SQLite: %.2f (goal: at most 1.2); "
                    "/ direct with the statement prepared once: %.2f\n",
                    ratio("GatewaySelect", "DirectSelect"), ratio("GatewaySelect", "DirectSelectPrepared"));
        std::printf("fetch of %d rows into a Recordset / raw step loop: %.2f (goal: at most 1.5)\n", fetchedRows,
                    ratio("GatewayFetch", "RawFetch"));
    }

private:
    std::map<std::string, double> seconds_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    folder();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
