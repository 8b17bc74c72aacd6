#include "MainMenus.h"

namespace pwo {

namespace {

QAction *addItem(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false);  // enabled by whoever gives it its window
    return action;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const char *caption)
{
    QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu *addSubmenu(QMenu *menu, const char *name, const char *caption)
{
    QMenu *sub = menu->addMenu(QString::fromUtf8(caption));
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

struct ReportItem {
    const char *name;  // nullptr: a separator
    const char *caption;
    const char *submenu = nullptr;  // caption of the submenu it belongs to
};

// The department's reports, in menu order.
const ReportItem reportItems[] = {
    {"mnuRptListOfGrantees", "View List of Grantees"},
    {"mnuRptListOfAssessments", "List of Assessments"},
    {"mnuRptARRTransaction", "ARR Transaction Report"},
    {nullptr, nullptr},
    {"mnuRptDailyAdmission", "Daily Admission List"},
    {"mnuRptDailyDischarge", "Daily Discharge List"},
    {"mnuRptAdmissionCensus", "Admission Census"},
    {"mnuRptERCensus", "ER Census"},
    {"mnuRptDailyERAdmission", "Daily ER Admission"},
    {"mnuRptDailyERDischarges", "Daily ER Discharges"},
    {nullptr, nullptr},
    {"mnuRptAdmissionCensusService", "Admission Census (Service Only)"},
    {"mnuRptERCensusService", "ER Census (Service Only)"},
    {nullptr, nullptr},
    {"mnuRptDischargeNoticeMonitoring", "Discharge Notice Monitoring"},
    {"mnuRptRevokedDischargeNotice", "Revoked Discharge Notice"},
    {nullptr, nullptr},
    {"mnuRptServiceIncomeIn", "In-Patient", "Service Income Report"},
    {"mnuRptServiceIncomeOut", "Out-Patient", "Service Income Report"},
    {"mnuRptServiceIncomeER", "ER-Patient", "Service Income Report"},
    {"mnuRptQCIn", "In-Patient", "QC Residents Report"},
    {"mnuRptQCOut", "Out-Patient", "QC Residents Report"},
    {"mnuRptQCER", "ER-Patient", "QC Residents Report"},
    {"mnuRptERAdmissionRange", "ER Admission Range", "ER Reports (From ER Module)"},
    {"mnuRptERDischarges", "ER Discharges", "ER Reports (From ER Module)"},
    {"mnuRptMonthlyPerformance", "Monthly Performance Report"},
    {"mnuRptUnpaidIn", "In Patients", "Patients With Unpaid Bills/Refund"},
    {"mnuRptUnpaidOut", "Out Patients", "Patients With Unpaid Bills/Refund"},
    {"mnuRptUnpaidER", "ER Patients", "Patients With Unpaid Bills/Refund"},
    {"mnuRptGroupedIncomeIn", "In Patients", "Service Income Report Grouped by Service"},
    {"mnuRptGroupedIncomeOut", "Out Patients", "Service Income Report Grouped by Service"},
    {"mnuRptGroupedIncomeER", "ER Patients", "Service Income Report Grouped by Service"},
    {"mnuRptActivityComparison", "Activity Comparison Table"},
    {"mnuRptNBB", "NBB Report"},
};

void addReportItems(QMenu *reports)
{
    QMenu *submenu = nullptr;
    QString submenuCaption;
    int submenus = 0;
    for (const ReportItem &item : reportItems) {
        if (!item.name) {
            reports->addSeparator();
            submenu = nullptr;
            continue;
        }
        if (!item.submenu) {
            submenu = nullptr;
            addItem(reports, item.name, item.caption);
            continue;
        }
        if (!submenu || submenuCaption != QString::fromUtf8(item.submenu)) {
            submenuCaption = QString::fromUtf8(item.submenu);
            submenu = reports->addMenu(submenuCaption);
            submenu->setObjectName(QStringLiteral("mnuRptGroup%1").arg(++submenus));
        }
        addItem(submenu, item.name, item.caption);
    }
}

} // namespace

MainMenus buildMainMenus(QMenuBar *bar)
{
    MainMenus menus{};
    menus.mnuFile = addMenu(bar, "mnuFile", "File");
    addItem(menus.mnuFile, "mnuIntakeSheet", "Intake Sheet Entry");
    addItem(menus.mnuFile, "mnuARR", "Assessment and Referal");
    addItem(menus.mnuFile, "mnuEditPatClass", "Edit Patient Classification");

    menus.mnuViewing = addMenu(bar, "mnuViewing", "Viewing");
    addItem(menus.mnuViewing, "mnuComputeDiscount", "View Computation of Discount");
    QMenu *charges = addSubmenu(menus.mnuViewing, "mnuPatientCharges", "View Patient Charges");
    addItem(charges, "mnuViewPatientBill", "Detailed SOA");
    addItem(charges, "mnuSummarizedSOA", "Summarized SOA");
    addItem(menus.mnuViewing, "mnuDischargeNotice", "View Discharge Notice");
    addItem(menus.mnuViewing, "mnuReferral", "View Referral From Medical Team History");
    addItem(menus.mnuViewing, "mnuViewPatientDatasheet", "Patient Datasheet");

    menus.mnuFileMaintenance = addMenu(bar, "mnuFileMaintenance", "File Maintenance");
    addItem(menus.mnuFileMaintenance, "mnuRePrintIntake", "Re-Print Intake Sheet");
    addItem(menus.mnuFileMaintenance, "mnuRePrintARR", "Re-Print ARR");
    addItem(menus.mnuFileMaintenance, "mnuEditPWONo", "Edit PWO Number");
    addItem(menus.mnuFileMaintenance, "mnuContractSlip", "Contract/Responsibility Slip");

    menus.mnuReports = addMenu(bar, "mnuReports", "Reports");
    addReportItems(menus.mnuReports);
    return menus;
}

} // namespace pwo
