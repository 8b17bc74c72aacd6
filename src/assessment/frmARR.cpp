#include "frmARR.h"

#include "ARRHelp.h"
#include "AssessmentWidths.h"
#include "CodeList.h"
#include "CodeTrees.h"
#include "ExpiryDate.h"
#include "PatientClassSwitch.h"
#include "frmAssessmentList.h"
#include "frmSearchActivity.h"
#include "frmSearchService.h"

#include "core/ErrorPolicy.h"
#include "core/IsNumeric.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"
#include "data/SharedLookups.h"
#include "data/SqlText.h"
#include "widgets/WorkerLookup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <optional>

namespace pwo {

namespace {

constexpr int categoryBlanks = 100;
constexpr int windowListBlanks = 150;

Connection &connection()
{
    return *globals().Connection;
}

QString idOfEntry(const QString &entry)
{
    return entry.right(2).trimmed();
}

// The blinking of the fund button, one colour a step; step 7 keeps the last.
std::optional<QColor> blinkColour(int step, const QPalette &buttonFace)
{
    static const QRgb colours[] = {0xFFFFA4, 0xFFFFB3, 0xFFFFE1, 0xFFFFC8, 0xFBFDB3, 0xFFFFE1};
    if (step < 6)
        return QColor(colours[step]);
    if (step == 6)
        return buttonFace.color(QPalette::Button);
    return std::nullopt;
}

bool isTrue(const Value &flag)
{
    const QString text = flag.text().trimmed();
    return text == QLatin1String("1") || text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
           text == QLatin1String("-1");
}

void fillList(QListWidget &list, const QString &statement, const char *name, const char *id)
{
    Recordset rows;
    rows.OpenReadOnly(statement, connection());
    for (; !rows.Eof(); rows.MoveNext())
        list.addItem(entryText(rows.value(QString::fromLatin1(name)).text(), categoryBlanks,
                               rows.value(QString::fromLatin1(id)).text()));
    rows.Close();
}

void selectEntriesWithId(QListWidget &list, const QString &id)
{
    for (int row = 0; row < list.count(); ++row)
        if (idOfEntry(list.item(row)->text()) == id)
            list.item(row)->setSelected(true);
}

QDate dateOrToday(const Value &stored)
{
    return stored.text().trimmed().isEmpty() ? QDate::currentDate() : stored.toDate();
}

// Hands the list's code string to a picker; once the picker has reported a
// choice, its code string replaces the window's and true is returned.
bool pickCodes(const QListWidget &list, CodePickerChoice &choice, const std::function<void()> &showPicker,
               QString &codes)
{
    QStringList entries;
    for (int row = 0; row < list.count(); ++row)
        entries << list.item(row)->text();
    choice.ResultCode = codeStringOf(entries);
    showPicker();
    if (!choice.Selected)
        return false;
    codes = choice.ResultCode;
    return true;
}

void showCodes(QListWidget &list, QWidget &frame, CodeTree tree, const QString &codes)
{
    list.clear();
    list.addItems(lookUpEntries(tree, codes, windowListBlanks));
    frame.show();
}

} // namespace

frmARR::frmARR(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    ui.lstCategory->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.lstParentCategory->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.mskRange1->installEventFilter(this);
    ui.cboactive->installEventFilter(this);

    connect(ui.txtNC, &QLineEdit::textChanged, this, guardedSlot(this, &frmARR::txtNC_Change));
    // A status picked from the list counts at once, so that a save by its
    // shortcut stores it; typing counts when the box is left (the box also
    // reports a match while losing the focus, which the leaving handles).
    connect(ui.cboactive, &QComboBox::activated, this, [this] {
        if (ui.cboactive->hasFocus())
            guarded([this] { cboactive_LostFocus(); });
    });
    connect(ui.cmdSearch, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdSearch_Click));
    connect(ui.cmdViewCDF, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdViewCDF_Click));
    connect(ui.tmrCDF, &QTimer::timeout, this, &frmARR::tmrCDF_Timer);
    connect(ui.cmdPrevious, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdPrevious_Click));
    connect(ui.cmdService, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdService_Click));
    connect(ui.cmdAddActivity, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdAddActivity_Click));
    connect(ui.lstServices, &QListWidget::itemDoubleClicked, this, guardedSlot(this, &frmARR::lstServices_DblClick));
    connect(ui.cmdCloseServices, &QPushButton::clicked, ui.fmeService, &QWidget::hide);
    connect(ui.cmdSave, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdSave_Click));
    connect(ui.cmdPrint, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdPrint_Click));
    connect(ui.cmdRePrint, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdRePrint_Click));
    connect(ui.cmdTrans, &QPushButton::clicked, this, guardedSlot(this, &frmARR::cmdTrans_Click));
    connect(ui.cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmARR::Show(QWidget *parent, const QString &HospNum, const QString &IDNUM)
{
    frmARR window(parent);
    window.HospNum = HospNum;
    window.IDNUM = IDNUM;
    window.Form_Load();
    // Only now: a limit in place while the stored texts are put in would cut them.
    limitTextBoxes(window, assessmentTextWidths());
    window.exec();
}

void frmARR::Form_Load()
{
    fillCodeLists();
    Recordset master;
    master.OpenReadOnly(QStringLiteral("SELECT PWONum, PWODiscountValidity FROM PATIENT_DATA..tbMaster "
                                       "WHERE HospNum = ") +
                            sql::quoted(HospNum.trimmed()),
                        connection());
    if (master.RecordCount() > 0) {
        const bool firstAssessment = master.value(QStringLiteral("PWONum")).text().isEmpty() &&
                                     master.value(QStringLiteral("PWODiscountValidity")).text().isEmpty();
        master.Close();
        if (firstAssessment) {
            if (!PreparePayPatient()) {
                showMessage(QStringLiteral("Change to Patient type to service before classifiying"), QMessageBox::Ok,
                            QMessageBox::Information, QStringLiteral("Message"));
                return;
            }
        } else {
            LoadAssessment();
        }
    } else {
        master.Close();
    }
    if (CheckCompany(connection(), ui.txtIDNum->text().trimmed()))
        ui.tmrCDF->start();
    else
        ui.tmrCDF->stop();
    // The fund view is not part of this program yet: a blinking button has nothing to open.
    ui.cmdViewCDF->setEnabled(!ui.tmrCDF->isActive());
}

void frmARR::fillCodeLists()
{
    Recordset classes;
    classes.OpenReadOnly(QStringLiteral("SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] "
                                        "FROM PWO..tbPWOClassificationScheme ORDER BY Code"),
                         connection());
    for (; !classes.Eof(); classes.MoveNext())
        ui.cboClassification->addItem(classes.value(QStringLiteral("Code")).text() + QStringLiteral(" -") +
                                      classes.value(QStringLiteral("Classification")).text());
    classes.Close();
    ui.cboClassification->setCurrentIndex(-1);

    Recordset parties;
    parties.OpenReadOnly(QStringLiteral("SELECT isnull(Code,'') [Code], isnull(ReferringParty,'') [ReferringParty] "
                                        "FROM PWO..tbPWOReferringParty ORDER BY Code"),
                         connection());
    for (; !parties.Eof(); parties.MoveNext())
        ui.cboReferring->addItem(parties.value(QStringLiteral("Code")).text() + QStringLiteral(" -") +
                                 parties.value(QStringLiteral("ReferringParty")).text());
    parties.Close();
    ui.cboReferring->setCurrentIndex(-1);

    Recordset states;
    states.OpenReadOnly(QStringLiteral("SELECT isnull(Code,'') [Code], isnull(CaseStatus,'') [CaseStatus] "
                                       "FROM PWO..tbPWOActive ORDER BY Code"),
                        connection());
    for (; !states.Eof(); states.MoveNext())
        ui.cboactive->addItem(states.value(QStringLiteral("CaseStatus")).text());
    states.Close();
    ui.cboactive->setCurrentIndex(-1);

    fillList(*ui.lstParentCategory, QStringLiteral("SELECT * FROM PWO..tbPWOParentCategory WHERE STATUS = 'A'"),
             "parentcategory", "parentcategoryid");
    fillList(*ui.lstCategory,
             QStringLiteral("SELECT * FROM PWO..tbPWOCaseCategory WHERE STATUS = 'A'  order by categoryid asc"),
             "category", "categoryid");
}

void frmARR::LoadAssessment()
{
    Recordset record;
    record.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetAssessmentRecord ") + sql::quoted(IDNUM.trimmed()),
                        connection());
    if (record.RecordCount() < 1) {
        record.Close();
        showMessage(QStringLiteral("Patient is not existing in the database.Try to search again."), QMessageBox::Ok,
                    QMessageBox::Information, QStringLiteral("Message"));
        return;
    }
    showStoredAssessment(record);
    record.Close();
    LoadCaseHistory();
    LoadServices();
    LoadActivities();
}

void frmARR::showStoredAssessment(Recordset &record)
{
    const auto text = [&](const char *column) { return record.value(QString::fromLatin1(column)).text(); };
    ui.txtLastname->setText(text("LastName"));
    ui.txtFirstname->setText(text("FirstName"));
    ui.txtMiddleName->setText(text("MiddleName"));
    ui.txtHospNum->setText(text("HospNum"));
    ui.txtIDNum->setText(text("IDNUM"));
    ui.txtPWONum->setText(text("PWONum"));
    ui.txtDoctor->setText(text("DoctorName"));
    ui.txtRoomID->setText(text("RoomID"));
    ui.mskIntake->setText(dateOrToday(record.value(QStringLiteral("PWODiscountValidity"))).toString(entryDateForm));
    ui.mskRange1->setText(dateOrToday(record.value(QStringLiteral("PWODiscountExpiry"))).toString(entryDateForm));
    ui.lblCode->setText(text("Code"));
    AssignedWorkerCode = text("PWOW");
    ui.txtPWOW->setText(text("PWOWName"));
    ui.txtNC->setText(text("NC"));
    ui.txtRemarks->setPlainText(text("REMARKS"));
    ServiceCodes = text("serviceid");

    if (text("Code").isEmpty() && !ui.txtPWONum->text().isEmpty())
        ui.lblStatus->setText(QStringLiteral("Classification has expired last mads here "));

    const int pcsoOption = QStringList{QStringLiteral("E"), QStringLiteral("G"), QStringLiteral("C")}.indexOf(
        text("pcsotype"));
    if (pcsoOption >= 0)
        ui.optPCSO[pcsoOption]->setChecked(true);

    const QString code = ui.lblCode->text().trimmed();
    for (int index = 0; index < ui.cboClassification->count(); ++index)
        if (ui.cboClassification->itemText(index).left(2).trimmed() == code)
            ui.cboClassification->setCurrentIndex(index);

    selectEntriesWithId(*ui.lstCategory, text("CaseCategory").trimmed());
    selectEntriesWithId(*ui.lstParentCategory, text("parentcategory").trimmed());

    const QString party = text("ReferringPartyID").trimmed();
    for (int index = 0; index < ui.cboReferring->count(); ++index)
        if (ui.cboReferring->itemText(index).left(1) == party)
            ui.cboReferring->setCurrentIndex(index);

    ui.chkSponsor->setChecked(isTrue(record.value(QStringLiteral("IsCDF"))));
    ui.chkPCSO->setChecked(isTrue(record.value(QStringLiteral("IsPCSO"))));
    ui.chkSpecial->setChecked(isTrue(record.value(QStringLiteral("IsSpecial"))));

    if (ui.txtPWONum->text().trimmed().isEmpty())
        ui.txtPWONum->setReadOnly(false);
}

void frmARR::LoadCaseHistory()
{
    Recordset history;
    history.OpenReadOnly(QStringLiteral("Pwo..sp_LoadPatCaseHistory ") + sql::quoted(HospNum.trimmed()) +
                             QStringLiteral(", ") + sql::quoted(IDNUM.trimmed()),
                         connection());
    if (history.RecordCount() > 0) {
        const QStringList flags = history.value(QStringLiteral("docs")).text().split(QLatin1Char('|'));
        for (int k = 0; k < ui.chkdoc.size(); ++k) {
            bool number = false;
            const double flag = k < flags.size() ? flags[k].trimmed().toDouble(&number) : 0;
            ui.chkdoc[k]->setChecked(number && flag != 0);
        }
        caseStatusCode_ = history.value(QStringLiteral("casestatus")).text();
        ui.cboactive->setCurrentText(history.value(QStringLiteral("casedesc")).text());
        ActivityCodes = history.value(QStringLiteral("activityid")).text();
        ui.chkActive->setChecked(history.value(QStringLiteral("Active")).text().trimmed() == QLatin1String("Y"));
    }
    history.Close();
}

bool frmARR::PreparePayPatient()
{
    Recordset patientClass;
    patientClass.OpenReadOnly(QStringLiteral("RADIOLOGY..spRadio_CheckPatientClass ") + sql::quoted(IDNUM.trimmed()),
                              connection());
    const QString stayClass = patientClass.RecordCount() > 0 ? patientClass.value(QStringLiteral("PatientClass")).text()
                                                             : QString();
    patientClass.Close();

    if (stayClass != QLatin1String("P")) {
        if (HasDiscountExpiry()) {
            LoadAssessment();
            return false;
        }
        showMessage(QStringLiteral("Patient does not have an intake sheet."), QMessageBox::Ok,
                    QMessageBox::Information, QStringLiteral("Notification"));
        ui.lblStatus->setText(QStringLiteral("No PWO Number and Classification."));
    } else {
        const auto answer = showMessage(QStringLiteral("PAY PATIENT: Does not have an intake sheet. \n"
                                                       "Would you like to update patient type to SERVICE? "),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                                        QStringLiteral("Notification"));
        if (answer != QMessageBox::Yes)
            return false;
        try {
            SwitchToServiceClass(connection(), IDNUM, globals().CurrentUser->employeecode());
        } catch (const std::exception &failure) {
            showMessage(QStringLiteral("Data Not Successfully Saved.") + failureDescription(failure), QMessageBox::Ok,
                        QMessageBox::Critical, QStringLiteral("Message"));
        }
        ui.lblStatus->setText(QStringLiteral("Pay to Service Patient. Enter New PWO Number and PWO Classfication."));
    }

    Recordset stay;
    stay.OpenReadOnly(QStringLiteral("PWO..sp_PWO_PayPatientInfo ") + sql::quoted(IDNUM.trimmed()), connection());
    if (stay.RecordCount() > 0) {
        const auto text = [&](const char *column) { return stay.value(QString::fromLatin1(column)).text(); };
        ui.txtLastname->setText(text("LastName"));
        ui.txtFirstname->setText(text("FirstName"));
        ui.txtMiddleName->setText(text("MiddleName"));
        ui.txtHospNum->setText(text("HospNum"));
        ui.txtIDNum->setText(text("IDNUM"));
        ui.txtDoctor->setText(text("DoctorName"));
        ui.txtRoomID->setText(text("RoomID"));
        makeCaseNumberEditable();
    }
    stay.Close();
    return true;
}

bool frmARR::HasDiscountExpiry()
{
    Recordset master;
    master.OpenReadOnly(QStringLiteral("SELECT * FROM PATIENT_DATA..tbMaster WHERE HospNum = ") +
                            sql::quoted(HospNum.trimmed()),
                        connection());
    const bool hasExpiry =
        master.RecordCount() > 0 && !master.value(QStringLiteral("PWODiscountExpiry")).text().trimmed().isEmpty();
    master.Close();
    return hasExpiry;
}

void frmARR::makeCaseNumberEditable()
{
    ui.txtPWONum->setReadOnly(false);
    QPalette lightBlue = ui.txtPWONum->palette();
    lightBlue.setColor(QPalette::Base, QColor(0xDE, 0xE3, 0xF8));
    ui.txtPWONum->setPalette(lightBlue);
}

bool frmARR::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.mskRange1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // Only the user's leaving counts: a message box taking the focus is not one.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (left && watched == ui.mskRange1 && !validatingExpiry_) {
            bool valid = true;
            guarded([&] { valid = mskRange1_Validate(); });
            if (!valid)
                QTimer::singleShot(0, ui.mskRange1, [box = ui.mskRange1] { box->setFocus(); });
        }
        if (left && watched == ui.cboactive)
            guarded([this] { cboactive_LostFocus(); });
    }
    return QDialog::eventFilter(watched, event);
}

void frmARR::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        showAssessmentHelp(this);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmARR::mskRange1_Validate()
{
    validatingExpiry_ = true;
    const QString text = ui.mskRange1->text();
    const QDate expiry = QDate::fromString(text, entryDateForm);
    bool valid = true;
    if (!expiry.isValid()) {
        showMessage(QStringLiteral("Invalid date ") + text + QStringLiteral("."), QMessageBox::Ok,
                    QMessageBox::Critical);
        valid = false;
    } else {
        valid = farExpiryAccepted(expiry);
    }
    validatingExpiry_ = false;
    return valid;
}

void frmARR::txtNC_Change()
{
    const QString text = ui.txtNC->text();
    if (isNumeric(text))
        return;
    showMessage(QStringLiteral("Can't accept non-numeric values."), QMessageBox::Ok, QMessageBox::Information,
                QStringLiteral("Message"));
    if (!text.isEmpty())
        ui.txtNC->setText(text.left(text.size() - 1));
}

void frmARR::cboactive_LostFocus()
{
    Recordset state;
    state.OpenReadOnly(QStringLiteral("Select * from tbPWOActive where casestatus=") +
                           sql::quoted(ui.cboactive->currentText()),
                       connection());
    if (state.RecordCount() > 0)
        caseStatusCode_ = state.value(QStringLiteral("Code")).text();
    state.Close();
}

void frmARR::cmdSearch_Click()
{
    const LookedUpWorker worker = lookUpWorker();
    PickedWorkerCode = worker.code;
    if (!worker.found)
        return;
    ui.txtPWOW->setText(worker.name);
    WorkerLicence = worker.licenceNumber;
    AssignedWorkerCode = PickedWorkerCode;
}

void frmARR::cmdViewCDF_Click()
{
    if (ui.tmrCDF->isActive())
        return;
    showMessage(QStringLiteral("Patient has no CDF Allocation"), QMessageBox::Ok, QMessageBox::Information,
                QStringLiteral("message"));
}

void frmARR::tmrCDF_Timer()
{
    if (const auto colour = blinkColour(BlinkStep, QApplication::palette(ui.cmdViewCDF))) {
        QPalette palette = ui.cmdViewCDF->palette();
        palette.setColor(QPalette::Button, *colour);
        ui.cmdViewCDF->setPalette(palette);
    }
    BlinkStep = (BlinkStep + 1) % 8;
}

void frmARR::cmdPrevious_Click()
{
    Recordset previous;
    previous.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetPreviousAssessment ") +
                              sql::quoted(ui.txtHospNum->text().trimmed()),
                          connection());
    if (previous.RecordCount() > 0)
        frmAssessmentList::Show(this, previous);
    previous.Close();
}

void frmARR::cmdService_Click()
{
    if (pickCodes(*ui.lstServices, SearchService(), [this] { frmSearchService::Show(this); }, ServiceCodes))
        LoadServices();
}

void frmARR::cmdAddActivity_Click()
{
    if (pickCodes(*ui.lstactivity, SearchActivity(), [this] { frmSearchActivity::Show(this); }, ActivityCodes))
        LoadActivities();
}

void frmARR::LoadServices()
{
    showCodes(*ui.lstServices, *ui.fmeService, CodeTree::Services, ServiceCodes);
}

void frmARR::LoadActivities()
{
    showCodes(*ui.lstactivity, *ui.frmactivity, CodeTree::Activities, ActivityCodes);
}

void frmARR::lstServices_DblClick(QListWidgetItem *entry)
{
    const QString code = codeOfEntry(entry->text());
    for (int row = ui.lstServices->count() - 1; row >= 0; --row)
        if (codeOfEntry(ui.lstServices->item(row)->text()) == code)
            delete ui.lstServices->takeItem(row);
}

} // namespace pwo
