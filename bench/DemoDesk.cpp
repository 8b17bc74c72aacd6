#include "DemoDesk.h"

#include "hospital/components/HospitalComponents.h"
#include "hospital/dbserver/StandInProvider.h"
#include "hospital/dbserver/demo/DemoHospital.h"

#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "frame/ProgramLifetime.h"
#include "frame/modMain.h"

#include <QDate>

#include <cstdio>

class AnsweringPrompter : public pwo::Prompter {
public:
    QMessageBox::StandardButton ask(const pwo::Prompt &prompt) override
    {
        return prompt.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
    QString input(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
};

DemoDesk::DemoDesk(int patients)
{
    std::fprintf(stderr, "building a demo hospital of %d patients...\n", patients);
    hospital::dbserver::generateDemoHospital(folder_.path(), patients, QDate::currentDate());
    qputenv("PWO_SERVER", folder_.path().toLocal8Bit());
    qputenv("PWO_USER", "demo");
    qputenv("PWO_PASSWORD", "demo");

    hospital::dbserver::registerStandInProvider();
    components_ = std::make_unique<hospital::components::HospitalComponents>(folder_.path());
    pwo::globals().Components = components_.get();
    pwo::ProgramLifetime::instance();
    pwo::RunStartup();
    prompter_ = std::make_unique<AnsweringPrompter>();
    pwo::Prompter::install(prompter_.get());
}

DemoDesk::~DemoDesk()
{
    pwo::Prompter::install(nullptr);
}

QString DemoDesk::firstOf(const QString &statement, const QString &column)
{
    pwo::Recordset rows;
    rows.OpenReadOnly(statement, *pwo::globals().Connection);
    return rows.value(column).text();
}

void reportWindowSeconds(const char *what, double seconds)
{
    std::printf("%-36s %.4f s %s\n", what, seconds, seconds <= 0.2 ? "" : "(over the goal of 0.2 s)");
}
