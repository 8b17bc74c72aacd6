#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace pwo {

// Where the viewer asks for a printer or a PDF file name: the print and file
// dialogs in the program, a script in tests.
class ReportOutputChooser {
public:
    virtual ~ReportOutputChooser() = default;
    // False when the user cancelled.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // Empty when the user cancelled.
    virtual QString choosePdfFile(QWidget *parent, const QString &suggestedName) = 0;

    static ReportOutputChooser &current();
    // Replaces the dialogs (tests); nullptr restores them.
    static void install(ReportOutputChooser *chooser);
};

} // namespace pwo
