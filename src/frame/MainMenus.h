#pragma once

#include <QMenu>
#include <QMenuBar>

namespace pwo {

// The four menus of the frame, with every item in its order. Items are
// QActions named as the frame's menu items (mnuIntakeSheet ...); an item
// whose window is not part of this program yet stays disabled.
struct MainMenus {
    QMenu *mnuFile;
    QMenu *mnuViewing;
    QMenu *mnuFileMaintenance;
    QMenu *mnuReports;
};

MainMenus buildMainMenus(QMenuBar *bar);

} // namespace pwo
