// The patient list on a 200 000-patient demo hospital:
//   a) the largest list (All Patients or In Patient with empty boxes): the
//      time from the search statement to its rows shown in the window,
//      against the same procedure run and fetched alone (goal: at most 1.5
//      times);
//   b) sorting that list by a column (goal: under 0.3 s);
//   c) resident memory with that list shown (goal: under 200 MB).
// Run: build/bin/patient_list_bench [existing demo folder]

#include "FastestOf.h"

#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "patients/frmListPatient.h"
#include "core/modGlobals.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int patients = 200000;
constexpr int runs = 3;
constexpr int addressColumn = 8;  // the longest texts, in no order yet

struct ListKind {
    int option;
    const char *statement;
};
const ListKind inPatients{0, "PWO..sp_PWO_LoadInPatient '', '','','',''"};
const ListKind allPatients{2, "PWO..sp_PWO_LoadAllServicePatient '', '','','',''"};

long rowsOf(const ListKind &kind, pwo::Connection &connection)
{
    pwo::Recordset result;
    result.Open(QString::fromLatin1(kind.statement), connection, 2, pwo::adLockReadOnly, -1);
    const long rows = result.RecordCount();
    result.Close();
    return rows;
}

// Linux gives its process status as a file; elsewhere the figure is not known.
QString memoryLine(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("not known on this system");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return QString::fromLatin1(line.mid(int(qstrlen(field))).simplified());
    return QStringLiteral("not known on this system");
}

void pressEnter(QWidget *box)
{
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
}

void paint(QTreeView *view)
{
    view->viewport()->repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir made;
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : made.path();
    if (argc <= 1) {
        std::fprintf(stderr, "building a demo hospital of %d patients...\n", patients);
        hospital::dbserver::generateDemoHospital(folder, patients, QDate(2026, 12, 9));
    }
    hospital::dbserver::registerStandInProvider();
    auto connection = std::make_shared<pwo::Connection>();
    connection->Open(hospital::dbserver::standInConnectionString(folder));
    pwo::globals().Connection = connection;

    const long inRows = rowsOf(inPatients, *connection);
    const long allRows = rowsOf(allPatients, *connection);
    const ListKind &largest = allRows >= inRows ? allPatients : inPatients;
    const long rows = std::max(inRows, allRows);
    std::printf("largest list: %s (%ld rows)\n", largest.statement, rows);

    const double alone = fastestOf(runs, [&] { rowsOf(largest, *connection); });

    pwo::frmListPatient list;
    list.resize(1400, 900);
    list.show();
    QApplication::processEvents();
    auto *view = list.findChild<QTreeView *>(QStringLiteral("lvwSearchPatient"));
    list.findChild<QRadioButton *>(QStringLiteral("optPatientType_%1").arg(largest.option))->click();
    QWidget *box = list.findChild<QWidget *>(QStringLiteral("txtLastname"));
    const double shown = fastestOf(runs, [&] {
        pressEnter(box);
        paint(view);
    });
    if (view->model()->rowCount() != rows) {
        std::fprintf(stderr, "the window shows %d rows, not %ld\n", view->model()->rowCount(), rows);
        return 1;
    }

    std::printf("procedure run and fetched alone: %8.3f s\n", alone);
    std::printf("search to rows shown:            %8.3f s  (%.2f times; goal at most 1.5)\n", shown, shown / alone);

    const double sorted = fastestOf(runs, [&] {
        emit view->header()->sectionClicked(addressColumn);
        paint(view);
    });
    std::printf("sort by address:                 %8.3f s  (goal under 0.3)\n", sorted);
    std::printf("resident memory with it shown:   %s (peak %s; goal under 200 MB)\n",
                qPrintable(memoryLine("VmRSS:")), qPrintable(memoryLine("VmHWM:")));
    pwo::globals() = pwo::Globals{};
    return 0;
}
