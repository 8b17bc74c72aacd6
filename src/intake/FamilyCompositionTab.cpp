#include "FamilyCompositionTab.h"

#include "FamilyRows.h"

#include "core/ErrorPolicy.h"
#include "core/Prompter.h"
#include "core/Twips.h"
#include "data/Recordset.h"
#include "data/SqlText.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>


namespace pwo {

namespace {

const QString formatString = QStringLiteral(
    " Family Member | Relationship | Age | Civil Status | Educ'l Attainment | Address | Occupation | Income |Number ");
constexpr int setupWidths[] = {2800, 1200, 600, 1300, 1500, 2500, 1800, 1200, 0};
constexpr int loadedWidths[] = {2000, 1100, 500, 1100, 1500, 2400, 1300, 950};
const char *const loadedHeaders[] = {"Family Members", "Rel. to Patient", "Age", "Civil Status",
                                     "Educ'l Attainment", "Address", "Occupation", "Income"};
constexpr int civilStatusColumn = 3;
constexpr int numberColumn = 8;
// QLineEdit's own default: no limit of ours.
constexpr int unlimitedLength = 32767;

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void setColumnWidthInTwips(QTableWidget &grid, int column, int twips)
{
    if (twips == 0) {
        grid.setColumnHidden(column, true);
        return;
    }
    grid.setColumnHidden(column, false);
    grid.setColumnWidth(column, twipsToPixelsX(twips, &grid));
}

} // namespace

FamilyCompositionTab::FamilyCompositionTab(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    ui.FCFlexGrid->installEventFilter(this);
    ui.txtFlxg->installEventFilter(this);
    ui.cmbFlx->installEventFilter(this);

    connect(ui.FCFlexGrid, &QTableWidget::cellClicked, this, [this](int row, int column) { openEditor(row, column); });
    connect(ui.txtFlxg, &QLineEdit::textEdited, this, [this](const QString &text) { writeCurrentCell(text); });
    connect(ui.cmbFlx, &QComboBox::currentTextChanged, this, [this](const QString &text) { writeCurrentCell(text); });
    SetupFamilyGrid();
}

void FamilyCompositionTab::SetupFamilyGrid()
{
    QTableWidget &grid = *ui.FCFlexGrid;
    hideEditors();
    grid.clear();
    const QStringList headers = formatString.split(QLatin1Char('|'));
    grid.setColumnCount(int(headers.size()));
    grid.setHorizontalHeaderLabels(headers);
    grid.setRowCount(1);
    for (int column = 0; column < grid.columnCount(); ++column)
        setColumnWidthInTwips(grid, column, setupWidths[column]);
}

void FamilyCompositionTab::Compute_Total()
{
    double total = 0;
    for (int row = 0; row < ui.FCFlexGrid->rowCount(); ++row) {
        // An income still being typed counts once it is a number.
        total += amountOf(cellText(row + 1, familyIncomeColumn)).value_or(0.0);
    }
    ui.txtTotFamIncome->setText(sql::numberText(total));
}

void FamilyCompositionTab::showStoredFamily(Recordset &rows)
{
    QTableWidget &grid = *ui.FCFlexGrid;
    hideEditors();
    ui.txtTotFamIncome->setText(rows.value(QStringLiteral("TotalIncome")).text());

    const QStringList columns = rows.columnNames();
    grid.setColumnCount(int(columns.size()));
    grid.setHorizontalHeaderLabels(columns);
    grid.setRowCount(int(rows.RecordCount()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column)
            grid.setItem(row, column, new QTableWidgetItem(rows.valueAt(row, column).text()));
    }
    // Columns the grid does not type stay out of sight, as its last one does.
    for (int column = numberColumn; column < grid.columnCount(); ++column)
        grid.setColumnHidden(column, true);
    grid.setVisible(true);

    if (memberRowCount() < 1) {
        grid.setVisible(false);
        return;
    }
    ui.cmdAdd->setEnabled(false);
    for (int column = 0; column < familyTypedColumns && column < grid.columnCount(); ++column) {
        setColumnWidthInTwips(grid, column, loadedWidths[column]);
        grid.horizontalHeaderItem(column)->setText(QString::fromLatin1(loadedHeaders[column]));
    }
}

QList<QStringList> FamilyCompositionTab::memberRows() const
{
    QList<QStringList> rows;
    for (int row = 1; row <= memberRowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < familyTypedColumns; ++column)
            cells.append(cellText(row, column));
        rows.append(cells);
    }
    return rows;
}

bool FamilyCompositionTab::checkRowsBeforeSave()
{
    if (const std::optional<QString> problem = familyRowsProblem(memberRows())) {
        showMessage(*problem, QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Message"));
        return false;
    }
    if (!ui.txtTotFamIncome->text().isEmpty() && !amountOf(ui.txtTotFamIncome->text())) {
        showMessage(QStringLiteral("The total family income is not a number."), QMessageBox::Ok,
                    QMessageBox::Warning, QStringLiteral("Message"));
        return false;
    }
    return true;
}

void FamilyCompositionTab::Save_FamilyComposition(const QString &hospitalNoText, const QString &copiedHospNum)
{
    storeFamily(memberRows(), ui.txtTotFamIncome->text(), hospitalNoText.trimmed(), copiedHospNum);
}

void FamilyCompositionTab::setEditable(bool editable)
{
    if (!editable)
        hideEditors();
    ui.FCFlexGrid->setEnabled(editable);
    ui.cmdAdd->setEnabled(editable);
}

int FamilyCompositionTab::memberRowCount() const
{
    return ui.FCFlexGrid->rowCount();
}

QString FamilyCompositionTab::cellText(int memberRow, int column) const
{
    const QTableWidgetItem *item = ui.FCFlexGrid->item(memberRow - 1, column);
    return item ? item->text() : QString();
}

void FamilyCompositionTab::writeCurrentCell(const QString &text)
{
    QTableWidget &grid = *ui.FCFlexGrid;
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    if (row < 0 || column < 0)
        return;
    if (QTableWidgetItem *item = grid.item(row, column))
        item->setText(text);
    else
        grid.setItem(row, column, new QTableWidgetItem(text));
}

void FamilyCompositionTab::openEditor(int row, int column)
{
    QTableWidget &grid = *ui.FCFlexGrid;
    if (row < 0 || row >= grid.rowCount() || column < 0 || column >= familyTypedColumns)
        return;
    grid.setCurrentCell(row, column);
    grid.scrollToItem(grid.item(row, column));
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    const QString text = cellText(row + 1, column);
    if (column == civilStatusColumn) {
        const QSignalBlocker keepCell(ui.cmbFlx);
        ui.cmbFlx->setCurrentIndex(ui.cmbFlx->findText(text, Qt::MatchFixedString));
        ui.cmbFlx->setGeometry(cell.left(), cell.top(), cell.width(), ui.cmbFlx->sizeHint().height());
        ui.cmbFlx->show();
        ui.cmbFlx->raise();
        ui.cmbFlx->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A stored text longer than its column (old data) opens whole; the save refuses it until shortened.
    const int width = familyColumnWidths[column];
    ui.txtFlxg->setMaxLength(width > 0 && text.size() <= width ? width : unlimitedLength);
    ui.txtFlxg->setText(text);
    ui.txtFlxg->setGeometry(cell);
    ui.txtFlxg->show();
    ui.txtFlxg->raise();
    ui.txtFlxg->setFocus(Qt::OtherFocusReason);
}

void FamilyCompositionTab::hideEditors()
{
    putAway(ui.txtFlxg);
    putAway(ui.cmbFlx);
}

void FamilyCompositionTab::putAway(QWidget *editor)
{
    // Hiding the focused editor would pass the focus on like Tab, and the
    // grid would take that as a move to the next cell.
    if (editor->hasFocus())
        ui.FCFlexGrid->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

bool FamilyCompositionTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        bool handled = false;
        guarded([&] {
            if (watched == ui.txtFlxg)
                handled = txtFlxg_KeyDown(key);
            else if (watched == ui.cmbFlx)
                handled = cmbFlx_KeyPress(key);
            else if (watched == ui.FCFlexGrid)
                handled = FCFlexGrid_KeyPress(key);
        });
        if (handled)
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        // Opening its own list takes the focus from cmbFlx without leaving it.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            if (watched == ui.txtFlxg) {
                ui.txtFlxg->hide();
                Compute_Total();
            } else if (watched == ui.cmbFlx) {
                ui.cmbFlx->hide();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool FamilyCompositionTab::txtFlxg_KeyDown(int key)
{
    QTableWidget &grid = *ui.FCFlexGrid;
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    Compute_Total();
    switch (key) {
    case Qt::Key_Down:
        if (grid.rowCount() > 1 && row < grid.rowCount() - 1)
            openEditor(row + 1, column);
        return true;
    case Qt::Key_Up:
        if (row > 0)
            openEditor(row - 1, column);
        return true;
    case Qt::Key_Right:
        if (column != familyIncomeColumn)
            openEditor(row, column + 1);
        return true;
    case Qt::Key_Left:
        if (column != 0)
            openEditor(row, column - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (column == familyIncomeColumn) {
            finishIncome(row);
        } else {
            openEditor(row, column + 1);
            Compute_Total();
        }
        return true;
    default:
        return false;
    }
}

void FamilyCompositionTab::finishIncome(int row)
{
    QTableWidget &grid = *ui.FCFlexGrid;
    if (!amountOf(ui.txtFlxg->text())) {
        ui.txtFlxg->clear();
        showMessage(QStringLiteral("Please Enter Numeric Values"), QMessageBox::Ok, QMessageBox::Information);
    }
    writeCurrentCell(ui.txtFlxg->text());
    grid.insertRow(grid.rowCount());
    openEditor(row + 1, 0);
}

bool FamilyCompositionTab::cmbFlx_KeyPress(int key)
{
    if (!isEnter(key))
        return false;
    const int row = ui.FCFlexGrid->currentRow();
    const int column = ui.FCFlexGrid->currentColumn();
    if (column == civilStatusColumn) {
        writeCurrentCell(ui.cmbFlx->currentText());
        openEditor(row, column + 1);
    }
    putAway(ui.cmbFlx);
    return true;
}

bool FamilyCompositionTab::FCFlexGrid_KeyPress(int key)
{
    // The keyboard's way to the click that opens a cell.
    if (!isEnter(key) && key != Qt::Key_F2)
        return false;
    openEditor(ui.FCFlexGrid->currentRow(), ui.FCFlexGrid->currentColumn());
    return true;
}

} // namespace pwo
