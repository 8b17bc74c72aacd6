#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace pwo {

// The bold heading over a notice window's controls.
QLabel *windowHeading(const QString &text, QWidget *window);

} // namespace pwo
