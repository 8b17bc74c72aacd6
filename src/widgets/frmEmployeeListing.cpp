#include "frmEmployeeListing.h"

#include "EmployeeGridModel.h"

#include "data/Recordset.h"
#include "data/SqlText.h"
#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>


namespace pwo {

namespace {

// The keys that type something into the box, Enter and Backspace included;
// moving keys and shortcuts without text do not search.
bool typesIntoTheBox(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        return true;
    default:
        return !key.text().isEmpty() && key.text().at(0).isPrint();
    }
}

} // namespace

frmEmployeeListing::frmEmployeeListing(QWidget *parent) : QDialog(parent), workers_(new EmployeeGridModel(this))
{
    ui.setupUi(this, workers_);
    ui.txtSearch->installEventFilter(this);
    connect(ui.btnSearch, &QPushButton::clicked, this, guardedSlot(this, &frmEmployeeListing::btnSearch_Click));
    connect(ui.cmdSelect, &QPushButton::clicked, this, guardedSlot(this, &frmEmployeeListing::cmdSelect_Click));
    connect(ui.GridListWorkers, &QTableView::doubleClicked, this,
            guardedSlot(this, &frmEmployeeListing::cmdSelect_Click));
    connect(ui.cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    search();
}

void frmEmployeeListing::Show()
{
    QWidget *caller = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
    frmEmployeeListing window(caller);
    window.exec();
    if (window.selectedCode())
        EmployeeListing().WorkerCode = *window.selectedCode();
}

bool frmEmployeeListing::eventFilter(QObject *watched, QEvent *event)
{
    // The search sees the text as it was before this key: the key goes on
    // to the box unchanged afterwards.
    if (watched == ui.txtSearch && event->type() == QEvent::KeyPress &&
        typesIntoTheBox(*static_cast<QKeyEvent *>(event)))
        guarded([this] { search(); });
    return QDialog::eventFilter(watched, event);
}

void frmEmployeeListing::btnSearch_Click()
{
    search();
}

void frmEmployeeListing::cmdSelect_Click()
{
    const int row = currentGridRow();
    if (row == 0)
        return;
    selectedCode_ = workers_->code(row - 1);
    accept();
}

void frmEmployeeListing::search()
{
    Recordset found;
    found.OpenReadOnly(QStringLiteral("PWO..sp_PWO_GetEmployees ") + sql::quoted(ui.txtSearch->text()),
                       *globals().CurrentUser->sqlconnection());
    if (found.RecordCount() > 0) {
        workers_->replaceRows(found);
        ui.GridListWorkers->setCurrentIndex(workers_->index(0, EmployeeGridModel::CodeColumn));
    }
    ui.txtRecCount->setText(QStringLiteral("%1 of %2").arg(currentGridRow()).arg(found.RecordCount()));
    found.Close();
}

int frmEmployeeListing::currentGridRow() const
{
    const QModelIndex current = ui.GridListWorkers->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

} // namespace pwo
