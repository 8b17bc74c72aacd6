#include "ReportView.h"

#include "PdfExport.h"
#include "ReportFailure.h"
#include "ReportOutputChooser.h"
#include "ReportPainter.h"


#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace pwo {

// Paints the shown page; the view sizes it to the zoom.
class PageCanvas : public QWidget {
public:
    explicit PageCanvas(ReportView &view) : view_(view) { setObjectName(QStringLiteral("pageCanvas")); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().dark());
        const reports::LaidOutReport &report = view_.report();
        if (report.pages.empty())
            return;
        const QSizeF size = report.sizePoints * view_.scale();
        const QRectF target(QPointF((width() - size.width()) / 2, frame), size);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        reports::paintPage(painter, report.pages[size_t(view_.currentPage())], report.sizePoints, target);
        painter.setPen(Qt::gray);
        painter.drawRect(target);
    }

public:
    static constexpr int frame = 12;

private:
    ReportView &view_;
};

namespace {
const QStringList zoomLevels{QStringLiteral("Whole Page"), QStringLiteral("Page Width"), QStringLiteral("50%"),
                             QStringLiteral("75%"),        QStringLiteral("100%"),       QStringLiteral("150%"),
                             QStringLiteral("200%")};
} // namespace

ReportView::ReportView(QWidget *parent) : QWidget(parent)
{
    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(4, 4, 4, 4);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);

    cmdFirstPage_ = addButton("cmdFirstPage", QStringLiteral("&First"), QStringLiteral("First page (Ctrl+Home)"),
                              QKeySequence(Qt::CTRL | Qt::Key_Home), QStyle::SP_MediaSkipBackward);
    cmdPreviousPage_ = addButton("cmdPreviousPage", QStringLiteral("&Previous"),
                                 QStringLiteral("Previous page (Page Up)"), QKeySequence(Qt::Key_PageUp),
                                 QStyle::SP_MediaSeekBackward);
    cmdNextPage_ = addButton("cmdNextPage", QStringLiteral("&Next"), QStringLiteral("Next page (Page Down)"),
                             QKeySequence(Qt::Key_PageDown), QStyle::SP_MediaSeekForward);
    cmdLastPage_ = addButton("cmdLastPage", QStringLiteral("&Last"), QStringLiteral("Last page (Ctrl+End)"),
                             QKeySequence(Qt::CTRL | Qt::Key_End), QStyle::SP_MediaSkipForward);
    for (QToolButton *b : {cmdFirstPage_, cmdPreviousPage_, cmdNextPage_, cmdLastPage_})
        tools->addWidget(b);
    connect(cmdFirstPage_, &QToolButton::clicked, this, &ReportView::firstPage);
    connect(cmdPreviousPage_, &QToolButton::clicked, this, &ReportView::previousPage);
    connect(cmdNextPage_, &QToolButton::clicked, this, &ReportView::nextPage);
    connect(cmdLastPage_, &QToolButton::clicked, this, &ReportView::lastPage);

    auto *pageLabel = new QLabel(QStringLiteral("Pa&ge"), this);
    txtPage_ = new QSpinBox(this);
    txtPage_->setObjectName(QStringLiteral("txtPage"));
    txtPage_->setKeyboardTracking(false);
    pageLabel->setBuddy(txtPage_);
    lblPageCount_ = new QLabel(this);
    lblPageCount_->setObjectName(QStringLiteral("lblPageCount"));
    tools->addSpacing(8);
    tools->addWidget(pageLabel);
    tools->addWidget(txtPage_);
    tools->addWidget(lblPageCount_);
    connect(txtPage_, &QSpinBox::valueChanged, this, [this](int value) { showPage(value - 1); });

    auto *zoomLabel = new QLabel(QStringLiteral("&Zoom"), this);
    cboZoom_ = new QComboBox(this);
    cboZoom_->setObjectName(QStringLiteral("cboZoom"));
    cboZoom_->addItems(zoomLevels);
    cboZoom_->setCurrentIndex(1);
    zoomLabel->setBuddy(cboZoom_);
    tools->addSpacing(8);
    tools->addWidget(zoomLabel);
    tools->addWidget(cboZoom_);
    connect(cboZoom_, &QComboBox::currentIndexChanged, this, &ReportView::zoomChosen);

    QToolButton *cmdPrint = addButton("cmdPrint", QStringLiteral("P&rint..."), QStringLiteral("Print (Ctrl+P)"),
                                      QKeySequence::Print, QStyle::SP_DialogSaveButton);
    QToolButton *cmdExport = addButton("cmdExport", QStringLiteral("&Export PDF..."),
                                       QStringLiteral("Export to a PDF file (Ctrl+E)"),
                                       QKeySequence(Qt::CTRL | Qt::Key_E), QStyle::SP_FileIcon);
    tools->addSpacing(8);
    tools->addWidget(cmdPrint);
    tools->addWidget(cmdExport);
    tools->addStretch();
    QToolButton *cmdClose = addButton("cmdClose", QStringLiteral("&Close"), QStringLiteral("Close the viewer (Esc, Ctrl+W)"),
                                      QKeySequence(Qt::Key_Escape), QStyle::SP_DialogCloseButton);
    tools->addWidget(cmdClose);
    auto *closeKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    closeKey->setContext(Qt::WindowShortcut);
    connect(closeKey, &QShortcut::activated, cmdClose, &QToolButton::click);
    connect(cmdPrint, &QToolButton::clicked, this,
            [this] { runReportAction(QStringLiteral("The report could not be printed."), [this] { print(); }); });
    connect(cmdExport, &QToolButton::clicked, this,
            [this] { runReportAction(QStringLiteral("The PDF file could not be exported."), [this] { exportPdf(); }); });
    connect(cmdClose, &QToolButton::clicked, this, [this] { window()->close(); });

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("pageArea"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    canvas_ = new PageCanvas(*this);
    scroll_->setWidget(canvas_);
    scroll_->viewport()->installEventFilter(this);
    layout->addWidget(scroll_, 1);
    refresh();
}

QToolButton *ReportView::addButton(const char *name, const QString &caption, const QString &tip,
                                   const QKeySequence &key, int icon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(tip);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    return button;
}

void ReportView::setReport(reports::LaidOutReport report)
{
    report_ = std::move(report);
    page_ = 0;
    refresh();
}

void ReportView::showPage(int page)
{
    const int clamped = std::clamp(page, 0, std::max(0, pageCount() - 1));
    if (clamped == page_ && txtPage_->value() == page_ + 1)
        return;
    page_ = clamped;
    refresh();
    scroll_->verticalScrollBar()->setValue(0);
}

void ReportView::setZoom(Zoom zoom, int percent)
{
    zoom_ = zoom;
    percent_ = percent;
    refresh();
}

void ReportView::zoomChosen(int index)
{
    if (index == 0)
        setZoom(Zoom::WholePage);
    else if (index == 1)
        setZoom(Zoom::PageWidth);
    else
        setZoom(Zoom::Percent, zoomLevels[index].chopped(1).toInt());
}

double ReportView::scale() const
{
    if (report_.pages.empty())
        return 1;
    const QSizeF page = report_.sizePoints;
    const double pointsToPixels = logicalDpiX() / 72.0;
    const QSize room = scroll_->viewport()->size() - QSize(2 * PageCanvas::frame, 2 * PageCanvas::frame);
    switch (zoom_) {
    case Zoom::PageWidth: return std::max(0.1, room.width() / page.width());
    case Zoom::WholePage: return std::max(0.1, std::min(room.width() / page.width(), room.height() / page.height()));
    case Zoom::Percent: return pointsToPixels * percent_ / 100.0;
    }
    return 1;
}

void ReportView::refresh()
{
    const int pages = pageCount();
    {
        const QSignalBlocker block(txtPage_);
        txtPage_->setRange(pages > 0 ? 1 : 0, pages);
        txtPage_->setValue(pages > 0 ? page_ + 1 : 0);
    }
    lblPageCount_->setText(QStringLiteral("of %1").arg(pages));
    cmdFirstPage_->setEnabled(page_ > 0);
    cmdPreviousPage_->setEnabled(page_ > 0);
    cmdNextPage_->setEnabled(page_ + 1 < pages);
    cmdLastPage_->setEnabled(page_ + 1 < pages);
    const QSizeF size = report_.sizePoints * scale();
    canvas_->setFixedSize(std::max(int(size.width()) + 2 * PageCanvas::frame, scroll_->viewport()->width()),
                          int(size.height()) + 2 * PageCanvas::frame);
    canvas_->update();
}

bool ReportView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && zoom_ != Zoom::Percent)
        refresh();
    return QWidget::eventFilter(watched, event);
}

void ReportView::printTo(QPrinter &printer) const
{
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        reports::paintPages(report_, printer, printer.fromPage(), printer.toPage() > 0 ? printer.toPage() : -1);
        return;
    case QPrinter::CurrentPage: reports::paintPages(report_, printer, page_ + 1, page_ + 1); return;
    case QPrinter::AllPages:
    case QPrinter::Selection: reports::paintPages(report_, printer); return;
    }
}

void ReportView::exportPdfTo(const QString &path) const
{
    reports::writePdf(report_, path, window()->windowTitle());
}

void ReportView::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report_.pageLayout());
    printer.setDocName(window()->windowTitle());
    printer.setFromTo(1, pageCount());
    printer.setPrintRange(QPrinter::AllPages);
    if (ReportOutputChooser::current().choosePrinter(printer, this))
        printTo(printer);
}

void ReportView::exportPdf()
{
    const QString path = ReportOutputChooser::current().choosePdfFile(this, window()->windowTitle() + QStringLiteral(".pdf"));
    if (!path.isEmpty())
        exportPdfTo(path);
}

} // namespace pwo
