#include "frmListPatient.h"

#include "ListSplitterLayout.h"
#include "PatientListColumns.h"
#include "PatientListModel.h"

#include "data/Recordset.h"
#include "data/SqlText.h"
#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "core/Twips.h"
#include "widgets/HeaderWidths.h"
#include "widgets/LinkLabel.h"
#include "widgets/SortIcons.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTreeView>

#include <algorithm>

namespace pwo {

namespace {

const std::array<const char *, 4> listProcedures{
    "PWO..sp_PWO_LoadInPatient",
    "PWO..sp_PWO_LoadOutPatient",
    "PWO..sp_PWO_LoadAllServicePatient",
    "PWO..sp_PWO_LoadERPatient",
};
constexpr int allPatientsOption = 2;

// The list statement: the procedure, a blank, and the quoted arguments; the
// first separator has a blank after its comma, the others none.
QString listStatement(const QString &procedure, const QStringList &arguments)
{
    return procedure + QLatin1Char(' ') + sql::quoted(arguments.at(0)) + QStringLiteral(", ") +
           sql::quotedList(arguments.mid(1));
}

// What a typed character becomes in the search boxes.
QString typedInSearchBox(const QString &typed)
{
    return typed.toUpper().replace(QLatin1Char('\''), QLatin1Char('`'));
}

// Runs a command so that a failing list statement leaves the current patient
// as it was.
void keepingCurrentPatientOnFailure(const std::function<void()> &command)
{
    const CurrentPatientProperties::Values before = CurrentPatient().values();
    try {
        command();
    } catch (...) {
        CurrentPatient().setValues(before);
        throw;
    }
}

} // namespace

frmListPatient::frmListPatient(QWidget *parent) : QWidget(parent), model_(new PatientListModel(this))
{
    ui.setupUi(this, model_);
    for (QLineEdit *box : {ui.txtLastname, ui.txtHospNum, ui.txtIDNum, ui.txtFirstname, ui.txtMiddleName})
        box->installEventFilter(this);
    ui.lvwSearchPatient->installEventFilter(this);
    ui.lvwSearchPatient->viewport()->installEventFilter(this);
    ui.imgSplitter->installEventFilter(this);
    // Room above the capitals, so that the tilde of an Ñ clears the row above.
    const QFontMetrics rowFont(ui.lvwSearchPatient->font());
    model_->setRowHeight(rowFont.height() + rowFont.height() / 3);
    connectHandlers();
    SizeControls(splitterX_);
}

frmListPatient::~frmListPatient() = default;

PatientSearchTexts frmListPatient::searchTexts() const
{
    return {ui.txtHospNum->text(), ui.txtIDNum->text(), ui.txtLastname->text()};
}

void frmListPatient::setSearchTexts(const PatientSearchTexts &texts)
{
    ui.txtHospNum->setText(texts.hospitalNumber);
    ui.txtIDNum->setText(texts.admissionNumber);
    ui.txtLastname->setText(texts.lastName);
}

void frmListPatient::showWholeValues()
{
    QHeaderView &header = *ui.lvwSearchPatient->header();
    for (int c = 0; c < int(patientListColumns.size()); ++c) {
        if (!patientListColumns[size_t(c)].wholeValue)
            continue;
        const int needed = wholeTextWidth(header, model_->longestText(c));
        if (needed > header.sectionSize(c))
            header.resizeSection(c, needed);
    }
}

void frmListPatient::SizeControls(int x)
{
    // The position asked for is kept, so that a window shown small for a
    // moment gets its splitter back when it grows.
    splitterX_ = x;
    ui.placeControls(this, x);
}

void frmListPatient::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SizeControls(splitterX_);
}

void frmListPatient::connectHandlers()
{
    connect(ui.cmdSearch, &QPushButton::clicked, this, guardedSlot(this, &frmListPatient::cmdSearch_Click));
    connect(ui.cmdClose, &QPushButton::clicked, this, guardedSlot(this, &frmListPatient::cmdClose_Click));
    connect(ui.lblPWO, &LinkLabel::clicked, this, guardedSlot(this, &frmListPatient::lblPWO_Click));
    for (int i = 0; i < int(ui.optPatientType.size()); ++i)
        connect(ui.optPatientType[size_t(i)], &QRadioButton::clicked, this, [this, i] { optPatientType_Click(i); });
    connect(ui.lvwSearchPatient, &QTreeView::clicked, this, &frmListPatient::SelectCurrentPatient);
    connect(ui.lvwSearchPatient, &QTreeView::doubleClicked, this, &frmListPatient::SelectCurrentPatient);
    // Moving through the list with the keys chooses too: the highlighted row
    // is always the current patient.
    connect(ui.lvwSearchPatient->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (ui.lvwSearchPatient->hasFocus())
            SelectCurrentPatient();
    });
    connect(ui.lvwSearchPatient->header(), &QHeaderView::sectionClicked, this,
            guardedSlot(this, &frmListPatient::lvwSearchPatient_ColumnClick));
}

// The opening search runs once the window is shown: only a visible list can
// take the focus that chooses its first row.
void frmListPatient::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (loaded_)
        return;
    loaded_ = true;
    guarded([this] { keepingCurrentPatientOnFailure([this] { Form_Load(); }); });
}

void frmListPatient::Form_Load()
{
    const CurrentPatientProperties &current = CurrentPatient();
    if (current.IDNUM().isEmpty() && current.HospNum().isEmpty() && current.PatientName().isEmpty()) {
        ui.pbProgress->hide();
        return;
    }
    ui.pbProgress->show();
    SearchPatients(current.HospNum(), QString(), current.IDNUM(), QString(), QString());
}

void frmListPatient::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (ui.lvwSearchPatient->isEnabled())
        ui.lvwSearchPatient->setFocus();
    else
        ui.txtLastname->setFocus();
}

void frmListPatient::closeEvent(QCloseEvent *event)
{
    CurrentPatient().clearOnListClosed();
    QWidget::closeEvent(event);
}

int frmListPatient::selectedPatientType() const
{
    for (int i = 0; i < int(ui.optPatientType.size()); ++i)
        if (ui.optPatientType[size_t(i)]->isChecked())
            return i;
    return 0;
}

QStringList frmListPatient::searchArguments() const
{
    return {ui.txtHospNum->text().trimmed(), ui.txtLastname->text().trimmed(), ui.txtIDNum->text().trimmed(),
            ui.txtFirstname->text().trimmed(), ui.txtMiddleName->text().trimmed()};
}

void frmListPatient::SearchPatients(const QString &hospitalNumber, const QString &lastName,
                                    const QString &admissionNumber, const QString &firstName,
                                    const QString &middleName)
{
    const QString procedure = QString::fromLatin1(listProcedures[size_t(selectedPatientType())]);
    loadList(procedure, {hospitalNumber, lastName, admissionNumber, firstName, middleName}, *globals().Connection,
             int(patientListColumns.size()));
}

void frmListPatient::LoadPwoPatients(const QString &hospitalNumber, const QString &lastName,
                                     const QString &admissionNumber, const QString &firstName,
                                     const QString &middleName)
{
    loadList(QStringLiteral("PWO..sp_PWO_LoadPWOPatient"),
             {hospitalNumber, lastName, admissionNumber, firstName, middleName},
             *globals().CurrentUser->sqlconnection(), departmentListFilledColumns);
}

// The list changes only once its statement has answered, so that a failing
// statement leaves the rows shown before.
void frmListPatient::loadList(const QString &procedure, const QStringList &arguments, Connection &connection,
                              int filledColumns)
{
    QStringList trimmed;
    for (const QString &argument : arguments)
        trimmed << argument.trimmed();
    const auto hideProgress = qScopeGuard([this] { ui.pbProgress->hide(); });
    Recordset result;
    result.OpenReadOnly(listStatement(procedure, trimmed), connection);
    // Emptied before any new rows are read, so that two lists are never held at once.
    model_->clear();
    ui.lvwSearchPatient->setEnabled(false);
    if (result.Eof()) {
        result.Close();
        return;
    }
    const int count = int(result.RecordCount());
    ui.pbProgress->setRange(0, count);
    ui.pbProgress->setValue(0);
    ui.pbProgress->show();
    // The bar moves a hundredth at a time: moving it for every row would
    // cost more than reading the rows.
    const int step = std::max(1, count / 100);
    TextRows rows = readPatientListRows(result, filledColumns, [this, step, count](int rowsRead) {
        if (rowsRead % step == 0 || rowsRead == count)
            ui.pbProgress->setValue(rowsRead);
    });
    ui.lvwSearchPatient->setEnabled(true);
    ui.lblRecCount->setText(QStringLiteral("Total No. of Records: ") + QString::number(count));
    model_->setRows(std::move(rows));
    showWholeValues();
    ui.lvwSearchPatient->setCurrentIndex(model_->index(0, 0));
    if (ui.lvwSearchPatient->isVisible()) {
        ui.lvwSearchPatient->setFocus();
        SelectCurrentPatient();
    }
    result.Close();
}

// Without a selected row nothing changes.
void frmListPatient::SelectCurrentPatient()
{
    const QModelIndexList selected = ui.lvwSearchPatient->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    namespace Column = PatientListColumnIndex;
    CurrentPatientProperties::Values chosen = CurrentPatient().values();
    chosen.IDNUM = model_->text(row, Column::IdNum);
    chosen.HospNum = model_->text(row, Column::HospNum);
    chosen.PatientName = model_->text(row, Column::LastName) + QStringLiteral(", ") +
                         model_->text(row, Column::FirstName) + QLatin1Char(' ') + model_->text(row, Column::MiddleName);
    chosen.PWOID = model_->text(row, Column::Pwo);
    chosen.ERNum = model_->text(row, Column::ErNum);
    CurrentPatient().setValues(chosen);
}

void frmListPatient::cmdSearch_Click()
{
    keepingCurrentPatientOnFailure([this] {
        CurrentPatient().setHospNum({});
        CurrentPatient().setIDNUM({});
        const QStringList texts = searchArguments();
        const bool allEmpty = std::all_of(texts.begin(), texts.end(), [](const QString &t) { return t.isEmpty(); });
        if (allEmpty && selectedPatientType() == allPatientsOption) {
            showMessage(QStringLiteral("Please specify a search parameter."), QMessageBox::Ok,
                        QMessageBox::Information);
            return;
        }
        SearchPatients(texts[0], texts[1], texts[2], texts[3], texts[4]);
    });
}

void frmListPatient::searchBox_Enter(QLineEdit *box)
{
    keepingCurrentPatientOnFailure([this, box] {
        if (box != ui.txtIDNum)
            CurrentPatient().setIDNUM({});
        if (box != ui.txtHospNum)
            CurrentPatient().setHospNum({});
        const QStringList texts = searchArguments();
        SearchPatients(texts[0], texts[1], texts[2], texts[3], texts[4]);
    });
}

void frmListPatient::lblPWO_Click()
{
    keepingCurrentPatientOnFailure([this] {
        CurrentPatient().setHospNum({});
        CurrentPatient().setIDNUM({});
        const QStringList texts = searchArguments();
        LoadPwoPatients(texts[0], texts[1], texts[2], texts[3], texts[4]);
        CurrentPatient().setPatientType(QStringLiteral("5"));
    });
}

void frmListPatient::optPatientType_Click(int index)
{
    CurrentPatient().setPatientType(QString::number(index));
}

void frmListPatient::cmdClose_Click()
{
    if (auto *child = qobject_cast<QMdiSubWindow *>(parentWidget()))
        child->close();
    else
        close();
}

void frmListPatient::lvwSearchPatient_ColumnClick(int column)
{
    sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    model_->sort(column, sortOrder_);
    const QString clickedIcon = QLatin1String(sortOrder_ == Qt::AscendingOrder ? "ArrowUp" : "ArrowDown");
    for (int c = 0; c < model_->columnCount(); ++c)
        model_->setHeaderIcon(c, sortIcon(c == column ? clickedIcon : QStringLiteral("Blank")));
}

bool frmListPatient::searchBox_KeyPress(QLineEdit *box, QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        guarded([this, box] { searchBox_Enter(box); });
        return true;
    }
    const QString typed = event->text();
    const bool typesText = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typesText)
        return false;
    const QString shown = typedInSearchBox(typed);
    if (shown == typed)
        return false;
    box->insert(shown);
    return true;
}

// A right click shows the frame's File menu and leaves the chosen row as it
// is; a click on the list while it holds nothing says so.
bool frmListPatient::lvwSearchPatient_MouseDown(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (!CurrentPatient().HospNum().isEmpty())
            emit fileMenuRequested(event->globalPosition().toPoint());
        return true;
    }
    if (event->button() == Qt::LeftButton && !ui.lvwSearchPatient->isEnabled()) {
        showMessage(QStringLiteral("No records found!\nSorry you can't proceed!"), QMessageBox::Ok,
                    QMessageBox::Information);
        return true;
    }
    return false;
}

void frmListPatient::imgSplitter_MouseDown()
{
    const QRect bar = ui.imgSplitter->geometry();
    ui.picSplitter->setGeometry(bar.left(), bar.top(), std::max(1, bar.width() / 2),
                             std::max(0, bar.height() - twipsToPixelsY(20, this)));
    ui.picSplitter->show();
    ui.picSplitter->raise();
    SplitterMoving = true;
}

void frmListPatient::imgSplitter_MouseMove(int pointerX)
{
    if (!SplitterMoving)
        return;
    const int left = boundedSplitterDrag(pixelsToTwipsX(width(), this),
                                         pixelsToTwipsX(ui.imgSplitter->x(), this) + pixelsToTwipsX(pointerX, this));
    ui.picSplitter->move(twipsToPixelsX(left, this), ui.picSplitter->y());
}

void frmListPatient::imgSplitter_MouseUp()
{
    if (!SplitterMoving)
        return;
    SizeControls(pixelsToTwipsX(ui.picSplitter->x(), this));
    ui.picSplitter->hide();
    SplitterMoving = false;
}

bool frmListPatient::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (auto *box = qobject_cast<QLineEdit *>(watched); box && type == QEvent::KeyPress)
        return searchBox_KeyPress(box, static_cast<QKeyEvent *>(event));
    if (watched == ui.lvwSearchPatient && type == QEvent::FocusIn)
        SelectCurrentPatient();
    if (watched == ui.lvwSearchPatient->viewport() && type == QEvent::MouseButtonPress)
        return lvwSearchPatient_MouseDown(static_cast<QMouseEvent *>(event));
    if (watched == ui.lvwSearchPatient->viewport() && type == QEvent::MouseButtonDblClick)
        return static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;  // as a right press: no new row
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease;
    if (watched == ui.imgSplitter && mouse) {
        const auto *pointer = static_cast<QMouseEvent *>(event);
        if (type == QEvent::MouseMove)
            imgSplitter_MouseMove(pointer->position().toPoint().x());
        else if (pointer->button() == Qt::LeftButton && type == QEvent::MouseButtonPress)
            imgSplitter_MouseDown();
        else if (pointer->button() == Qt::LeftButton)
            imgSplitter_MouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pwo
