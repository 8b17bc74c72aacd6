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
        // The viewer offers the report's pages; a range chosen here is what prints.
        dialog.setMinMax(1, std::max(1, printer.toPage()));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
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
