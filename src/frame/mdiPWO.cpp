#include "mdiPWO.h"

#include "ClockText.h"
#include "ToolIcons.h"
#include "modMain.h"

#include "assessment/frmARR.h"
#include "core/ErrorPolicy.h"
#include "core/IsNumeric.h"
#include "core/ProgramState.h"
#include "intake/frmIntakeSheet.h"
#include "notices/frmDischargeNotice.h"
#include "notices/frmReferralHistory.h"
#include "notices/frmReferralToMedicalTeam.h"
#include "patients/frmListPatient.h"
#include "reports/ReportCatalogue.h"

#include "data/Connection.h"

#include <QCursor>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolBar>

namespace pwo {

namespace {

constexpr int referralPollMs = 65000;
constexpr int flashMs = 15000;
constexpr int clockMs = 60;

// Background that follows the frame's size.
class FrameArea : public QMdiArea {
protected:
    void resizeEvent(QResizeEvent *event) override
    {
        setBackground(frameBackground(event->size()));
        QMdiArea::resizeEvent(event);
    }
};

} // namespace

mdiPWO::mdiPWO()
    : mdiArea_(new FrameArea),
      tmrReferralNotice_(new QTimer(this)),
      Timer1_(new QTimer(this)),
      Timer2_(new QTimer(this)),
      flashPhase_(new QTimer(this)),
      tmrShowDateTime_(new QTimer(this))
{
    setObjectName(QStringLiteral("mdiPWO"));
    setWindowTitle(QStringLiteral("Patient Welfare Office"));
    setWindowIcon(toolIcon(ToolIcon::Program));
    setAttribute(Qt::WA_DeleteOnClose);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea_);
    menus_ = buildMainMenus(menuBar());
    buildToolStrip();
    buildStatusBar();
    wireMenus();
    startTimers();
    Form_Load();
}

mdiPWO::~mdiPWO() = default;

QAction *mdiPWO::menuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

QToolButton *mdiPWO::addToolButton(const char *name, const QString &caption, int icon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);  // flat
    button->setIcon(toolIcon(ToolIcon(icon)));
    button->setIconSize(QSize(32, 32));
    if (caption.isEmpty()) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        // the blanks keep the text clear of the picture
        button->setText(QStringLiteral("  ") + caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button->setStyleSheet(QStringLiteral("QToolButton { background: white; color: rgb(0,0,64); }"));
    return button;
}

void mdiPWO::buildToolStrip()
{
    QToolBar *strip = addToolBar(QStringLiteral("Tools"));
    strip->setObjectName(QStringLiteral("tbrTools"));
    strip->setMovable(false);
    strip->setStyleSheet(QStringLiteral("QToolBar { background: white; border: none; }"));

    const auto popupButton = [&](const char *name, const QString &caption, ToolIcon icon, QMenu *menu) {
        QToolButton *b = addToolButton(name, caption, int(icon));
        connect(b, &QToolButton::clicked, this, [this, menu] { popUp(menu); });
        strip->addWidget(b);
    };
    popupButton("btnDataEntry", QStringLiteral("Data Entry"), ToolIcon::DataEntry, menus_.mnuFile);
    popupButton("btnViewing", QStringLiteral("Viewing"), ToolIcon::Viewing, menus_.mnuViewing);
    popupButton("btnFileMaintenance", QStringLiteral("File Maintenance"), ToolIcon::FileMaintenance,
                menus_.mnuFileMaintenance);
    popupButton("btnReports", QStringLiteral("Reports"), ToolIcon::Reports, menus_.mnuReports);

    QToolButton *discharge = addToolButton("btnDischargeNotice", QString(), int(ToolIcon::DischargeNotice));
    discharge->setToolTip(QStringLiteral("Discharge Notice"));
    connect(discharge, &QToolButton::clicked, this, guardedSlot(this, &mdiPWO::mnuDischargeNotice_Click));
    strip->addWidget(discharge);

    QToolButton *listing = addToolButton("btnListing", QString(), int(ToolIcon::Listing));
    listing->setToolTip(QStringLiteral("Patient List"));
    connect(listing, &QToolButton::clicked, this, guardedSlot(this, &mdiPWO::btnListing_Click));
    strip->addWidget(listing);

    btnReferralNotice_ = addToolButton("btnReferralNotice", QString(), int(ToolIcon::ReferralNotice));
    btnReferralNotice_->setToolTip(QStringLiteral("Referral from Medical Team"));
    btnReferralNotice_->setCheckable(true);  // checked: referrals wait
    connect(btnReferralNotice_, &QToolButton::clicked, this, [this](bool checked) {
        btnReferralNotice_->setChecked(!checked);  // opening the referrals leaves the highlight as it was
        guarded([] { frmReferralToMedicalTeam::Show(); });
    });
    strip->addWidget(btnReferralNotice_);

    QToolButton *close = addToolButton("btnClose", QString(), int(ToolIcon::ChangeUser));
    close->setToolTip(QStringLiteral("Change Active User"));
    connect(close, &QToolButton::clicked, this, guardedSlot(this, &mdiPWO::btnClose_Click));
    strip->addWidget(close);
}

void mdiPWO::buildStatusBar()
{
    userPanel_ = new QLabel(this);
    userPanel_->setObjectName(QStringLiteral("CurrentUser"));
    userPanel_->setToolTip(QStringLiteral("User logged on"));
    clockPanel_ = new QLabel(this);
    clockPanel_->setObjectName(QStringLiteral("CurrentDateTime"));
    clockPanel_->setToolTip(QStringLiteral("Current Date Time Values"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(userPanel_, 1);
    statusBar()->addPermanentWidget(clockPanel_);
}

void mdiPWO::wireMenus()
{
    // "Patient Datasheet" needs a chosen patient with a numeric admission number.
    QAction *datasheet = menuItem(QStringLiteral("mnuViewPatientDatasheet"));
    connect(&CurrentPatient(), &CurrentPatientProperties::changed, datasheet,
            [datasheet] { datasheet->setEnabled(isNumeric(CurrentPatient().IDNUM())); });

    QAction *intake = menuItem(QStringLiteral("mnuIntakeSheet"));
    intake->setEnabled(true);
    connect(intake, &QAction::triggered, this, guardedSlot(this, &mdiPWO::mnuIntakeSheet_Click));
    QAction *assessment = menuItem(QStringLiteral("mnuARR"));
    assessment->setEnabled(true);
    connect(assessment, &QAction::triggered, this, [this] {
        guarded([this] { frmARR::Show(this, CurrentPatient().HospNum(), CurrentPatient().IDNUM()); });
    });
    QAction *dischargeNotices = menuItem(QStringLiteral("mnuDischargeNotice"));
    dischargeNotices->setEnabled(true);
    connect(dischargeNotices, &QAction::triggered, this, guardedSlot(this, &mdiPWO::mnuDischargeNotice_Click));
    QAction *referralHistory = menuItem(QStringLiteral("mnuReferral"));
    referralHistory->setEnabled(true);
    connect(referralHistory, &QAction::triggered, this, [] { guarded([] { frmReferralHistory::Show(); }); });
    wireReportMenu([this](const QString &name) { return menuItem(name); });
}

void mdiPWO::startTimers()
{
    tmrReferralNotice_->setObjectName(QStringLiteral("tmrReferralNotice"));
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer2_->setObjectName(QStringLiteral("Timer2"));
    flashPhase_->setObjectName(QStringLiteral("tmrFlashPhase"));
    tmrShowDateTime_->setObjectName(QStringLiteral("tmrShowDateTime"));
    tmrReferralNotice_->setInterval(referralPollMs);
    Timer1_->setInterval(flashMs);
    Timer2_->setInterval(flashMs);
    // Timer2 starts half a period after Timer1, so that each colour stays up
    // for half a period instead of being painted over at once.
    flashPhase_->setSingleShot(true);
    flashPhase_->setInterval(flashMs / 2);
    connect(flashPhase_, &QTimer::timeout, Timer2_, qOverload<>(&QTimer::start));
    tmrShowDateTime_->setInterval(clockMs);
    connect(tmrReferralNotice_, &QTimer::timeout, this, [this] {
        // A tick while the previous one's error box is open would stack one
        // box more each period.
        if (pollRunning_)
            return;
        const QScopedValueRollback running(pollRunning_, true);
        guarded([this] { tmrReferralNotice_Timer(); });
    });
    connect(Timer1_, &QTimer::timeout, this, &mdiPWO::Timer1_Timer);
    connect(Timer2_, &QTimer::timeout, this, &mdiPWO::Timer2_Timer);
    connect(tmrShowDateTime_, &QTimer::timeout, this, &mdiPWO::tmrShowDateTime_Timer);
    tmrReferralNotice_->start();
    tmrShowDateTime_->start();
}

void mdiPWO::Form_Load()
{
    const CurrentUserComponent &user = *globals().CurrentUser;
    // The employee code comes from the user component: start-up sets
    // Globals.EmployeeCode only after this window is shown.
    userPanel_->setText(QStringLiteral("CurrentUser Name: ") + QStringLiteral(" (") + user.employeecode() +
                        QStringLiteral(")  ") + user.EmployeeName());
    tmrShowDateTime_Timer();
}

void mdiPWO::popUp(QMenu *menu)
{
    menu->popup(QCursor::pos());
}

void mdiPWO::tmrReferralNotice_Timer()
{
    if (referralPoll_.State() > adStateClosed)
        referralPoll_.Close();
    referralPoll_.OpenReadOnly(QStringLiteral("PWO..sp_PWO_LoadReferralNoticeCount"), *globals().Connection);
    if (referralPoll_.RecordCount() <= 0)
        return;
    const Value count = referralPoll_.Fields(QStringLiteral("recCount")).Value();
    // A null count compares as unknown, which changes nothing.
    if (count.isNull() || count.toNumber() <= 0)
        return;
    btnReferralNotice_->setChecked(true);
    if (Timer1_->isActive())
        return;  // already flashing: restarting would shift its phase
    Timer1_->start();
    flashPhase_->start();
}

void mdiPWO::paintReferralButton(const QColor &colour)
{
    btnReferralNotice_->setStyleSheet(
        QStringLiteral("QToolButton { background: %1; color: rgb(0,0,64); border: 2px solid rgb(0,0,64); }")
            .arg(colour.name()));
}

void mdiPWO::Timer1_Timer()
{
    paintReferralButton(QColor(255, 0, 0));
}

void mdiPWO::Timer2_Timer()
{
    paintReferralButton(QColor(255, 255, 128));
}

void mdiPWO::tmrShowDateTime_Timer()
{
    const QString text = clockText(QDateTime::currentDateTime());
    if (clockPanel_->text() != text)
        clockPanel_->setText(text);
}

frmListPatient &mdiPWO::patientList()
{
    if (!patientList_) {
        patientList_ = new frmListPatient;
        connect(patientList_, &frmListPatient::fileMenuRequested, this,
                [this](const QPoint &where) { menus_.mnuFile->popup(where); });
        QMdiSubWindow *child = mdiArea_->addSubWindow(patientList_);
        child->setAttribute(Qt::WA_DeleteOnClose);
        child->setWindowIcon(windowIcon());
        child->hide();
    }
    return *patientList_;
}

void mdiPWO::showPatientList()
{
    frmListPatient &list = patientList();
    QWidget *child = list.parentWidget();
    child->showMaximized();
    list.setFocus();
}

void mdiPWO::mnuIntakeSheet_Click()
{
    // Without a current patient the list is where one is chosen.
    if (CurrentPatient().HospNum().isEmpty()) {
        showPatientList();
        return;
    }
    auto *sheet = new frmIntakeSheet;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *child = mdiArea_->addSubWindow(sheet);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWindowIcon(windowIcon());
    child->show();
}

void mdiPWO::mnuDischargeNotice_Click()
{
    frmDischargeNotice::Show();
}

void mdiPWO::btnListing_Click()
{
    frmListPatient &list = patientList();
    const PatientSearchTexts typed = list.searchTexts();
    list.setEnabled(true);
    unloadMainWindow();  // closes the list too; this object goes with the event loop

    CurrentPatient().setHospNum(typed.hospitalNumber);
    CurrentPatient().setIDNUM(typed.admissionNumber);
    CurrentPatient().setPatientName(typed.lastName);
    mdiPWO &frame = showMainWindow();
    frame.patientList().setSearchTexts(typed);
    frame.showPatientList();
}

void mdiPWO::btnClose_Click()
{
    unloadMainWindow();
    const auto connection = globals().CurrentUser->sqlconnection();
    if (connection && connection->State() != adStateClosed)
        connection->Close();
    RunStartup();
}

void mdiPWO::closeChildWindows()
{
    // Without asking, and so that each child does what closing means to it.
    for (QMdiSubWindow *child : mdiArea_->subWindowList())
        child->close();
}

void mdiPWO::closeEvent(QCloseEvent *event)
{
    closeChildWindows();
    QMainWindow::closeEvent(event);
}

void mdiPWO::unload()
{
    // The frame itself is deleted once control is back in the event loop,
    // since the caller may be its own slot.
    closeChildWindows();
    for (QTimer *timer : {tmrReferralNotice_, Timer1_, Timer2_, flashPhase_, tmrShowDateTime_})
        timer->stop();
    hide();
    deleteLater();
}

mdiPWO *mainWindow()
{
    return qobject_cast<mdiPWO *>(programState().Frame.data());
}

mdiPWO &showMainWindow()
{
    mdiPWO *frame = mainWindow();
    if (!frame) {
        frame = new mdiPWO;
        programState().Frame = frame;
    }
    frame->showMaximized();
    return *frame;
}

void unloadMainWindow()
{
    mdiPWO *frame = mainWindow();
    if (!frame)
        return;
    programState().Frame.clear();
    frame->unload();
}

} // namespace pwo
