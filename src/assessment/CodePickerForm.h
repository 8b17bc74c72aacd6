#pragma once

class QDialog;
class QListWidget;
class QPushButton;
class QString;
class QTreeWidget;
class QVBoxLayout;

namespace pwo {

// The controls of a code-tree picker and where they go.
struct CodePickerForm {
    QTreeWidget *tvServices = nullptr;
    QListWidget *list = nullptr;  // lstServices or lstactivity
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QVBoxLayout *layout = nullptr;

    void setupUi(QDialog *window, const QString &windowName, const QString &caption, const QString &listName);
};

} // namespace pwo
