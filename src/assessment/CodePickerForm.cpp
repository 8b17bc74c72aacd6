#include "CodePickerForm.h"

#include "core/Twips.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pwo {

void CodePickerForm::setupUi(QDialog *window, const QString &windowName, const QString &caption,
                             const QString &listName)
{
    window->setObjectName(windowName);
    window->setWindowTitle(caption);

    tvServices = new QTreeWidget(window);
    tvServices->setObjectName(QStringLiteral("tvServices"));
    tvServices->setHeaderHidden(true);
    // A double-click expands or collapses the node itself, before loading its children.
    tvServices->setExpandsOnDoubleClick(false);

    auto *selected = new QGroupBox(QStringLiteral("Selected Services"), window);
    list = new QListWidget(selected);
    list->setObjectName(listName);
    auto *hint = new QLabel(QStringLiteral("Double-click item to remove selected item."), selected);
    auto *selectedLayout = new QVBoxLayout(selected);
    selectedLayout->addWidget(list, 1);
    selectedLayout->addWidget(hint);

    cmdOK = new QPushButton(QStringLiteral("&OK"), window);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), window);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter on a node adds it; it must not close the picker as well.
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto *lists = new QHBoxLayout;
    lists->addWidget(tvServices, 1);
    lists->addWidget(selected, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    layout = new QVBoxLayout(window);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    window->resize(twipsToPixelsX(9000, window), twipsToPixelsY(6500, window));
}

} // namespace pwo
