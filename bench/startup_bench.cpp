// Start-up time: from process start to the main window painted, with the
// environment login, on a 10 000-patient demo hospital. The parent process
// times fresh child processes that run the program's own start-up.
// Run: build/bin/startup_bench [runs]

#include "hospital/components/HospitalComponents.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include "frame/ProgramLifetime.h"
#include "frame/mdiPWO.h"
#include "core/modGlobals.h"
#include "frame/modMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int patients = 10000;

// Prints "shown" once the frame has been painted, and ends.
class PaintWatch : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == pwo::mainWindow()) {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return false;
    }
};

int runChild(int argc, char **argv, const QString &folder)
{
    QApplication app(argc, argv);
    hospital::dbserver::registerStandInProvider();
    hospital::components::HospitalComponents components(folder);
    pwo::globals().Components = &components;
    pwo::ProgramLifetime::instance();
    PaintWatch watch;
    app.installEventFilter(&watch);
    pwo::RunStartup();
    const int status = QApplication::exec();
    pwo::globals() = pwo::Globals{};
    return status;
}

double runOnce(const QString &self, const QString &folder)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PWO_SERVER"), folder);
    env.insert(QStringLiteral("PWO_USER"), QStringLiteral("demo"));
    env.insert(QStringLiteral("PWO_PASSWORD"), QStringLiteral("demo"));
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(self, {QStringLiteral("--child"), folder});
    QByteArray output;
    while (!output.contains("shown") && child.waitForReadyRead(10000))
        output += child.readAllStandardOutput();
    const double seconds = clock.nsecsElapsed() / 1e9;
    child.waitForFinished(10000);
    if (!output.contains("shown")) {
        std::fprintf(stderr, "the program did not show its main window: %s\n", child.readAllStandardError().constData());
        std::exit(1);
    }
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;
    QTemporaryDir dir;
    std::fprintf(stderr, "building a demo hospital of %d patients...\n", patients);
    hospital::dbserver::generateDemoHospital(dir.path(), patients, QDate::currentDate());
    std::vector<double> times;
    runOnce(QCoreApplication::applicationFilePath(), dir.path());  // warms the file cache
    for (int i = 0; i < runs; ++i)
        times.push_back(runOnce(QCoreApplication::applicationFilePath(), dir.path()));
    std::sort(times.begin(), times.end());
    std::printf("process start to main window painted, %d runs: best %.3f s, median %.3f s, worst %.3f s "
                "(goal: under 0.5 s)\n",
                runs, times.front(), times[times.size() / 2], times.back());
    return 0;
}
