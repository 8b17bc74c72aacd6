#include "ReportFailure.h"

#include "core/Prompter.h"

namespace pwo {

void showReportFailure(const QString &heading, const std::exception &failure)
{
    showMessage(QStringLiteral("%1\n\n%2").arg(heading, QString::fromUtf8(failure.what())), QMessageBox::Ok,
                QMessageBox::Critical);
}

} // namespace pwo
