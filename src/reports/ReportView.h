#pragma once

#include "LaidOutReport.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;
class QPrinter;

namespace pwo {

class PageCanvas;

// The viewer control: one page at a time at the chosen zoom, with buttons
// (and keys) to page through, print and export. Every button is reachable
// with Tab and works with Space; the page keys work anywhere in the window.
class ReportView : public QWidget {
    Q_OBJECT
public:
    enum class Zoom { PageWidth, WholePage, Percent };

    explicit ReportView(QWidget *parent = nullptr);

    void setReport(reports::LaidOutReport report);
    const reports::LaidOutReport &report() const { return report_; }

    int pageCount() const { return int(report_.pages.size()); }
    int currentPage() const { return page_; }  // from 0
    void showPage(int page);
    void firstPage() { showPage(0); }
    void previousPage() { showPage(page_ - 1); }
    void nextPage() { showPage(page_ + 1); }
    void lastPage() { showPage(pageCount() - 1); }

    // Page width is level 1 of the zoom list.
    void setZoom(Zoom zoom, int percent = 100);
    double scale() const;

    void print();
    void exportPdf();
    void printTo(QPrinter &printer) const;
    void exportPdfTo(const QString &path) const;

protected:
    // The page-width and whole-page zooms follow the page area's size.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *addButton(const char *name, const QString &caption, const QString &tip, const QKeySequence &key,
                           int icon);
    void zoomChosen(int index);
    void refresh();

    reports::LaidOutReport report_;
    int page_ = 0;
    Zoom zoom_ = Zoom::PageWidth;
    int percent_ = 100;
    QToolButton *cmdFirstPage_ = nullptr;
    QToolButton *cmdPreviousPage_ = nullptr;
    QToolButton *cmdNextPage_ = nullptr;
    QToolButton *cmdLastPage_ = nullptr;
    QSpinBox *txtPage_ = nullptr;
    QLabel *lblPageCount_ = nullptr;
    QComboBox *cboZoom_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    PageCanvas *canvas_ = nullptr;
};

} // namespace pwo
