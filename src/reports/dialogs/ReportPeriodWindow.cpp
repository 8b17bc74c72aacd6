#include "ReportPeriodWindow.h"

#include "core/ProgramState.h"
#include "widgets/NamedControls.h"

#include <QApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace pwo {

namespace {

// The locale's short form may carry a two-digit year, which a report period
// cannot afford.
QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QWidget *callerWindow()
{
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
}

} // namespace

QString shortDateText(const QDate &date)
{
    return QLocale().toString(date, shortDateFormat());
}

ReportPeriodWindow::ReportPeriodWindow(const QString &objectName, const QString &caption, const QString &titleLabel)
    : QDialog(callerWindow()),
      inputs_(new QFormLayout),
      cmdEnter_(named(new QPushButton(QStringLiteral("&Enter"), this), QStringLiteral("cmdEnter"))),
      cmdClose_(named(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("cmdClose")))
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto *title = new QLabel(titleLabel, this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    cmdEnter_->setDefault(true);
    cmdClose_->setAutoDefault(false);
    connect(cmdEnter_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEnter_);
    buttons->addWidget(cmdClose_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(inputs_);
    layout->addLayout(buttons);
}

QDateEdit *ReportPeriodWindow::addDatePicker(const QString &label, const QString &objectName)
{
    auto *picker = new QDateEdit(QDate::currentDate(), this);
    picker->setObjectName(objectName);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(shortDateFormat());
    addRow(label, picker);
    return picker;
}

void ReportPeriodWindow::addRow(const QString &label, QWidget *field)
{
    inputs_->addRow(label, field);
    keepButtonsAfter(field);
}

void ReportPeriodWindow::addRow(QWidget *label, std::initializer_list<QWidget *> fields)
{
    auto *row = new QHBoxLayout;
    for (QWidget *field : fields)
        row->addWidget(field, field == *fields.begin() ? 1 : 0);
    inputs_->addRow(label, row);
    keepButtonsAfter(*(fields.end() - 1));
}

void ReportPeriodWindow::keepButtonsAfter(QWidget *lastInput)
{
    // The buttons were made first; the tab order still ends with them.
    QWidget::setTabOrder(lastInput, cmdEnter_);
    QWidget::setTabOrder(cmdEnter_, cmdClose_);
}

void ReportPeriodWindow::centreOnScreen()
{
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool ReportPeriodWindow::run()
{
    return exec() == QDialog::Accepted;
}

PeriodPickers::PeriodPickers(ReportPeriodWindow &window)
    : dtStart(window.addDatePicker(QStringLiteral("Start Date :"), QStringLiteral("dtStart"))),
      dtEnd(window.addDatePicker(QStringLiteral("End Date :"), QStringLiteral("dtEnd")))
{
}

QDate PeriodPickers::startDate() const
{
    return dtStart->date();
}

QDate PeriodPickers::endDate() const
{
    return dtEnd->date();
}

bool ReportPeriodWindow::runFor(ReportPeriodChoice &choice)
{
    choice.CloseForm = false;
    choice.CloseForm = !run();
    return !choice.CloseForm;
}

void PeriodPickers::copyInto(ReportPeriodChoice &choice) const
{
    choice.startDate = startDate();
    choice.startdate = shortDateText(choice.startDate);
    choice.endDate = endDate();
    choice.enddate = shortDateText(choice.endDate);
}

} // namespace pwo
