#include "EmployeeListingWindow.h"

#include "EmployeeGridModel.h"
#include "SearchIcon.h"

#include "data/Recordset.h"
#include "data/SqlText.h"
#include "shell/ErrorPolicy.h"
#include "shell/Twips.h"
#include "shell/modGlobals.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>

namespace pwo {

namespace {

constexpr int columnWidthsInTwips[] = {100, 1100, 3000};

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

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter in the search box searches; it must not press a button as well.
    b->setAutoDefault(false);
    return b;
}

} // namespace

EmployeeListingWindow::EmployeeListingWindow(QWidget *parent)
    : QDialog(parent),
      txtSearch(new QLineEdit(this)),
      btnSearch(button(QString(), QStringLiteral("btnSearch"), this)),
      GridListWorkers(new QTableView(this)),
      workers_(new EmployeeGridModel(this)),
      txtRecCount(new QLineEdit(this)),
      cmdSelect(button(QStringLiteral("&Select"), QStringLiteral("cmdSelect"), this)),
      cmdClose(button(QStringLiteral("&Close"), QStringLiteral("cmdClose"), this))
{
    setObjectName(QStringLiteral("frmEmployeeListing"));
    setWindowTitle(QStringLiteral("Patient Welfare Office"));

    auto *title = new QLabel(QStringLiteral("List of PWO Employees"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->installEventFilter(this);
    btnSearch->setIcon(searchIcon());
    btnSearch->setToolTip(QStringLiteral("Search"));

    GridListWorkers->setObjectName(QStringLiteral("GridListWorkers"));
    GridListWorkers->setModel(workers_);
    GridListWorkers->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridListWorkers->setSelectionMode(QAbstractItemView::SingleSelection);
    GridListWorkers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridListWorkers->verticalHeader()->hide();
    GridListWorkers->horizontalHeader()->setMinimumSectionSize(1);
    GridListWorkers->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < int(std::size(columnWidthsInTwips)); ++column)
        GridListWorkers->setColumnWidth(column, twipsToPixelsX(columnWidthsInTwips[column], GridListWorkers));

    txtRecCount->setObjectName(QStringLiteral("txtRecCount"));
    txtRecCount->setReadOnly(true);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::TypeWriter);
    txtRecCount->setFont(fixedPitch);
    // Room for "1234 of 1234" with the box's frame.
    txtRecCount->setMinimumWidth(txtRecCount->fontMetrics().horizontalAdvance(QStringLiteral("  0000 of 0000  ")));

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Search Text :"), this));
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(btnSearch);

    auto *results = new QGroupBox(QStringLiteral("Search Results"), this);
    auto *resultsLayout = new QVBoxLayout(results);
    resultsLayout->addWidget(GridListWorkers);

    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(new QLabel(QStringLiteral("No. of Records Listed :"), this));
    bottomRow->addWidget(txtRecCount);
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdSelect);
    bottomRow->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(searchRow);
    layout->addWidget(results, 1);
    layout->addLayout(bottomRow);
    resize(twipsToPixelsX(6000, this), twipsToPixelsY(5800, this));

    connect(btnSearch, &QPushButton::clicked, this, guardedSlot(this, &EmployeeListingWindow::btnSearch_Click));
    connect(cmdSelect, &QPushButton::clicked, this, guardedSlot(this, &EmployeeListingWindow::cmdSelect_Click));
    connect(GridListWorkers, &QTableView::doubleClicked, this,
            guardedSlot(this, &EmployeeListingWindow::cmdSelect_Click));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    search();
}

bool EmployeeListingWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The search sees the text as it was before this key: the key goes on
    // to the box unchanged afterwards.
    if (watched == txtSearch && event->type() == QEvent::KeyPress &&
        typesIntoTheBox(*static_cast<QKeyEvent *>(event)))
        guarded([this] { search(); });
    return QDialog::eventFilter(watched, event);
}

void EmployeeListingWindow::btnSearch_Click()
{
    search();
}

void EmployeeListingWindow::cmdSelect_Click()
{
    const int row = currentGridRow();
    if (row == 0)
        return;
    selectedCode_ = workers_->code(row - 1);
    accept();
}

void EmployeeListingWindow::search()
{
    Recordset found;
    found.setCursorLocation(adUseClient);
    found.Open(QStringLiteral("PWO..sp_PWO_GetEmployees ") + sql::quoted(txtSearch->text()),
               *globals().CurrentUser->sqlconnection(), 2, adLockReadOnly, -1);
    if (found.RecordCount() > 0) {
        workers_->replaceRows(found);
        GridListWorkers->setCurrentIndex(workers_->index(0, EmployeeGridModel::CodeColumn));
    }
    txtRecCount->setText(QStringLiteral("%1 of %2").arg(currentGridRow()).arg(found.RecordCount()));
    found.Close();
}

int EmployeeListingWindow::currentGridRow() const
{
    const QModelIndex current = GridListWorkers->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

} // namespace pwo
