#include "frmDischargeNotice.h"

#include "core/HourGlass.h"
#include "NoticeList.h"
#include "StatusIcons.h"
#include "frmClearPatient.h"

#include "core/ErrorPolicy.h"
#include "core/GeneralDate.h"
#include "core/ProgramState.h"
#include "data/Recordset.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace pwo {

namespace {
constexpr int admissionColumn = 2;
} // namespace

QWidget *activeCaller()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

frmDischargeNotice::frmDischargeNotice(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    connect(ui.cmdSelect, &QPushButton::clicked, this, guardedSlot(this, &frmDischargeNotice::cmdSelect_Click));
    connect(ui.lvwRequest, &QTreeWidget::itemDoubleClicked, this,
            [this] { guarded([this] { cmdSelect_Click(); }); });
    connect(ui.cmdClose, &QPushButton::clicked, this, guardedSlot(this, &frmDischargeNotice::cmdClose_Click));
    Form_Load();
}

void frmDischargeNotice::Show()
{
    QWidget *caller = activeCaller();
    for (;;) {
        {
            frmDischargeNotice list(caller);
            list.exec();
        }
        if (!DischargeNotice().Valid)
            return;
        frmClearPatient clearing(caller);
        clearing.exec();
    }
}

void frmDischargeNotice::Form_Load()
{
    DischargeNotice() = {};
    const HourGlass wait;
    Recordset notices;
    notices.Open(QStringLiteral("PWO..sp_PWO_LoadDischargeNotice "), *globals().CurrentUser->sqlconnection(),
                 adOpenDynamic, adLockOptimistic, -1);
    replaceColumns(*ui.lvwRequest, {{"Patient", 3000},
                                    {"Room", std::nullopt},
                                    {"Adm. #", std::nullopt},
                                    {"Discharge Nurse", std::nullopt},
                                    {"Notice Time", 2100}});
    for (; !notices.Eof(); notices.MoveNext()) {
        const auto text = [&](const char *column) { return notices.value(QString::fromLatin1(column)).text(); };
        addListRow(*ui.lvwRequest,
                   {text("PatientName"), text("RoomID"), text("IDNUM"), text("DischargeNurse"),
                    generalDateText(notices.value(QStringLiteral("NoticeDate")))},
                   statusIcon(notices.value(QStringLiteral("ClearDate")).isNull() ? QStringLiteral("open")
                                                                                   : QStringLiteral("clear")));
    }
    notices.Close();
    ui.imgClear->setPixmap(statusIcon(QStringLiteral("clear")).pixmap(16, 16));
    ui.imgOpen->setPixmap(statusIcon(QStringLiteral("open")).pixmap(16, 16));
}

void frmDischargeNotice::cmdSelect_Click()
{
    const std::optional<QString> admission = selectedText(*ui.lvwRequest, admissionColumn);
    if (!admission)
        return;
    DischargeNotice().IDNUM = *admission;
    DischargeNotice().Valid = true;
    accept();
}

void frmDischargeNotice::cmdClose_Click()
{
    DischargeNotice() = {};
    reject();
}

} // namespace pwo
