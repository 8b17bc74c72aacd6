// pwo: the Patient Welfare Office desk. Here the hospital's components and
// its database server are the in-process stand-ins; --demo-db names the
// database folder the login dialog offers first.

#include "hospital/components/HospitalComponents.h"
#include "hospital/dbserver/StandInProvider.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "frame/ProgramLifetime.h"
#include "frame/ToolIcons.h"
#include "frame/modMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Patient Welfare Office"));
    QApplication::setWindowIcon(pwo::toolIcon(pwo::ToolIcon::Program));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The desk client of the Patient Welfare Office."));
    parser.addHelpOption();
    const QCommandLineOption demoDb(QStringLiteral("demo-db"), QStringLiteral("The demo database folder."),
                                    QStringLiteral("DIR"), QDir::current().filePath(QStringLiteral("demo-db")));
    parser.addOption(demoDb);
    parser.process(app);

    hospital::dbserver::registerStandInProvider();
    hospital::components::HospitalComponents components(QDir(parser.value(demoDb)).absolutePath());
    pwo::globals().Components = &components;
    pwo::ProgramLifetime::instance();
    pwo::guarded([] { pwo::RunStartup(); });
    const int status = QApplication::exec();
    pwo::startProgramStateAfresh();
    return components.environmentLoginRefused() ? 1 : status;
}
