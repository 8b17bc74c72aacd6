#pragma once

#include "MainMenus.h"

#include "data/Recordset.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace pwo {

class frmListPatient;

// The frame window: tool strip, menus, status bar, and the timers that poll
// for referrals and keep the clock. It opens the other windows and little else.
class mdiPWO : public QMainWindow {
    Q_OBJECT
public:
    mdiPWO();
    ~mdiPWO() override;

    // Closes the child windows, stops the timers and lets the frame go.
    void unload();

    const MainMenus &menus() const { return menus_; }
    QAction *menuItem(const QString &name) const;
    QMdiArea *mdiArea() const { return mdiArea_; }

    // The patient list as a child window, created hidden when absent.
    frmListPatient &patientList();
    void showPatientList();

public slots:
    // Timer handlers; tests call them instead of waiting.
    void tmrReferralNotice_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void tmrShowDateTime_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void closeChildWindows();
    void Form_Load();
    void buildToolStrip();
    void buildStatusBar();
    void startTimers();
    void wireMenus();
    QToolButton *addToolButton(const char *name, const QString &caption, int icon);
    void popUp(QMenu *menu);
    void paintReferralButton(const QColor &colour);

    void mnuIntakeSheet_Click();
    void mnuDischargeNotice_Click();
    void btnListing_Click();
    void btnClose_Click();

    MainMenus menus_;
    QMdiArea *mdiArea_;
    QLabel *userPanel_ = nullptr;
    QLabel *clockPanel_ = nullptr;
    QToolButton *btnReferralNotice_ = nullptr;
    QTimer *tmrReferralNotice_;
    QTimer *Timer1_;
    QTimer *Timer2_;
    QTimer *flashPhase_;
    QTimer *tmrShowDateTime_;
    Recordset referralPoll_;
    bool pollRunning_ = false;
    QPointer<frmListPatient> patientList_;
};

// The frame of the logged-in session, or null while none is shown.
mdiPWO *mainWindow();
// Shows the frame, loading it first when it is not loaded.
mdiPWO &showMainWindow();
// Closes the frame and its child windows; separate windows stay open.
void unloadMainWindow();

} // namespace pwo
