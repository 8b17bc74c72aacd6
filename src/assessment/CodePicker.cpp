#include "CodePicker.h"

#include "CodeList.h"

#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "core/Prompter.h"
#include "data/Recordset.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pwo {

namespace {
constexpr int pickerBlanks = 100;
constexpr int keyRole = Qt::UserRole;

QString nodeKey(const QString &code)
{
    return QStringLiteral("A") + code;
}

// A node's code is its key without any capital "A", so a code that holds
// one loses it here.
QString codeOfKey(QString key)
{
    return key.remove(QLatin1Char('A')).trimmed();
}
} // namespace

CodePicker::CodePicker(QWidget *parent, const CodePickerItems &items, CodePickerChoice &choice)
    : QDialog(parent), items_(items), choice_(choice)
{
    ui.setupUi(this, items.windowName, items.caption, items.listName);
    ui.tvServices->installEventFilter(this);
    ui.list->installEventFilter(this);
    connect(ui.tvServices, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *node) { guarded([&] { tvServices_NodeDoubleClick(node); }); });
    if (items.removesOnDoubleClick)
        connect(ui.list, &QListWidget::itemDoubleClicked, this, &CodePicker::removeEntriesLike);
    else
        connect(ui.list, &QListWidget::itemClicked, this, &CodePicker::removeEntriesLike);
    connect(ui.cmdOK, &QPushButton::clicked, this, guardedSlot(this, &CodePicker::cmdOK_Click));
    connect(ui.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CodePicker::addAboveLists(QWidget *widget)
{
    ui.layout->insertWidget(0, widget);
}

void CodePicker::showModal()
{
    Form_Load();
    exec();
}

// Enter on a node does what a double-click does; Delete on an entry removes it.
bool CodePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == ui.tvServices && enter && ui.tvServices->currentItem()) {
        guarded([this] { tvServices_NodeDoubleClick(ui.tvServices->currentItem()); });
        return true;
    }
    if (watched == ui.list && key == Qt::Key_Delete && ui.list->currentItem()) {
        removeEntriesLike(ui.list->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CodePicker::Form_Load()
{
    addNodes(QStringLiteral("0"), nullptr);
    if (const int top = ui.tvServices->topLevelItemCount(); top > 0)
        ui.tvServices->topLevelItem(top - 1)->setExpanded(true);
    LoadChildNodes(nodeKey(QStringLiteral("1.1")));
    for (const QString &key : items_.preloadedNodes)
        LoadChildNodes(key);
    LoadSelectedItems();
}

void CodePicker::LoadChildNodes(const QString &key)
{
    addNodes(codeOfKey(key), nodes_.value(key));
}

// Rows whose node is already in the tree, or whose parent is not, add nothing.
void CodePicker::addNodes(const QString &parentCode, QTreeWidgetItem *parent)
{
    const bool topLevel = parentCode == QStringLiteral("0");
    Recordset children;
    children.OpenReadOnly(treeStatement(items_.tree, parentCode), *globals().Connection);
    for (; !children.Eof(); children.MoveNext()) {
        const QString key = nodeKey(children.value(QStringLiteral("Code")).text());
        if ((!topLevel && !parent) || nodes_.contains(key))
            continue;
        auto *node = topLevel ? new QTreeWidgetItem(ui.tvServices) : new QTreeWidgetItem(parent);
        node->setText(0, children.value(QStringLiteral("Description")).text());
        node->setData(0, keyRole, key);
        nodes_.insert(key, node);
    }
    children.Close();
}

void CodePicker::LoadSelectedItems()
{
    ui.list->clear();
    ui.list->addItems(lookUpEntries(items_.tree, choice_.ResultCode, pickerBlanks));
}

void CodePicker::tvServices_NodeDoubleClick(QTreeWidgetItem *node)
{
    const QString key = node->data(0, keyRole).toString();
    node->setExpanded(!node->isExpanded());
    LoadChildNodes(key);

    const QString code = codeOfKey(key);
    choice_.Code = code;
    choice_.Description = node->text(0);
    if (listHoldsCode(code)) {
        showMessage(QStringLiteral("Item is already added in the list."), QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    ui.list->addItem(entryText(choice_.Description, pickerBlanks, code));
}

void CodePicker::removeEntriesLike(QListWidgetItem *entry)
{
    const QString code = codeOfEntry(entry->text());
    for (int row = ui.list->count() - 1; row >= 0; --row)
        if (codeOfEntry(ui.list->item(row)->text()) == code)
            delete ui.list->takeItem(row);
}

bool CodePicker::listHoldsCode(const QString &code) const
{
    const QStringList texts = entries();
    return std::any_of(texts.cbegin(), texts.cend(), [&](const QString &entry) { return codeOfEntry(entry) == code; });
}

QStringList CodePicker::entries() const
{
    QStringList texts;
    for (int row = 0; row < ui.list->count(); ++row)
        texts << ui.list->item(row)->text();
    return texts;
}

void CodePicker::cmdOK_Click()
{
    choice_.ResultCode = codeStringOf(entries());
    choice_.Selected = true;
    accept();
}

} // namespace pwo
