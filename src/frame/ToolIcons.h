#pragma once

#include <QIcon>
#include <QPixmap>

namespace pwo {

// The frame's pictures, drawn rather than shipped so that they stay crisp at
// every screen scale and share one line weight and palette.
enum class ToolIcon { DataEntry, Viewing, FileMaintenance, Reports, DischargeNotice, Listing, ReferralNotice, ChangeUser,
                      Program };

QIcon toolIcon(ToolIcon which);
QPixmap frameBackground(const QSize &size);

} // namespace pwo
