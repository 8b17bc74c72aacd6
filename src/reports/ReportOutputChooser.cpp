#include "ReportOutputChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace pwo {

namespace {

class DialogChooser : public ReportOutputChooser {
public:
    bool choosePrinter(QPrinter &printer, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    QString choosePdfFile(QWidget *parent, const QString &suggestedName) override
    {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export to PDF"),
                                            QDir::home().filePath(suggestedName), QStringLiteral("PDF files (*.pdf)"));
    }
};

ReportOutputChooser *&installed()
{
    static ReportOutputChooser *chooser = nullptr;
    return chooser;
}

} // namespace

ReportOutputChooser &ReportOutputChooser::current()
{
    static DialogChooser dialogs;
    return installed() ? *installed() : dialogs;
}

void ReportOutputChooser::install(ReportOutputChooser *chooser)
{
    installed() = chooser;
}

} // namespace pwo
