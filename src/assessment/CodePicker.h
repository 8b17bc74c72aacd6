#pragma once

#include "CodePickerForm.h"
#include "CodeTrees.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class QListWidgetItem;
class QTreeWidgetItem;

namespace pwo {

struct CodePickerChoice;

// What sets one picker apart from the other.
struct CodePickerItems {
    CodeTree tree;
    QString windowName;
    QString caption;
    QString listName;
    bool removesOnDoubleClick = false;
    // Nodes whose children are loaded at opening, in this order.
    QStringList preloadedNodes;
};

// A picker over one code tree: the user gathers entries from the tree into
// the picker list, and OK hands their code string back through the
// program-long choice. Filled anew at each showing.
class CodePicker : public QDialog {
    Q_OBJECT
protected:
    CodePicker(QWidget *parent, const CodePickerItems &items, CodePickerChoice &choice);

    // Puts `widget` above the tree and the list; the window takes it over.
    void addAboveLists(QWidget *widget);

    // Builds the tree and the list; a failing read is thrown to the caller.
    void Form_Load();
    // Fills the picker and runs it modal.
    void showModal();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadChildNodes(const QString &nodeKey);
    void LoadSelectedItems();
    void addNodes(const QString &parentCode, QTreeWidgetItem *parent);
    void tvServices_NodeDoubleClick(QTreeWidgetItem *node);
    void removeEntriesLike(QListWidgetItem *entry);
    bool listHoldsCode(const QString &code) const;
    QStringList entries() const;
    void cmdOK_Click();

    CodePickerItems items_;
    CodePickerChoice &choice_;
    CodePickerForm ui;
    // The tree's nodes by key; the tree owns them.
    QHash<QString, QTreeWidgetItem *> nodes_;
};

} // namespace pwo
