#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

#include <initializer_list>

class QDateEdit;
class QFormLayout;
class QPushButton;

namespace pwo {

struct ReportPeriodChoice;

// What every period dialog is built on: its title label, its inputs one row
// each in tab order, and "&Enter" and "&Close". Leaving it any way but
// "&Enter" (the title-bar close box and Escape too) counts as "&Close".
class ReportPeriodWindow : public QDialog {
public:
    ReportPeriodWindow(const QString &objectName, const QString &caption, const QString &titleLabel);

    // A date picker set to today.
    QDateEdit *addDatePicker(const QString &label, const QString &objectName);
    void addRow(const QString &label, QWidget *field);
    // A row of several fields side by side, the first one stretching.
    void addRow(QWidget *label, std::initializer_list<QWidget *> fields);
    void centreOnScreen();
    // Shows the window modal; true when it was left with "&Enter".
    bool run();
    // The same, keeping in the choice whether the user closed it instead.
    bool runFor(ReportPeriodChoice &choice);

private:
    void keepButtonsAfter(QWidget *lastInput);

    QFormLayout *inputs_;
    QPushButton *cmdEnter_;
    QPushButton *cmdClose_;
};

// A date in the desk's short date form, the year always in four digits.
QString shortDateText(const QDate &date);

// The "Start Date :" and "End Date :" pickers of the two-date dialogs.
struct PeriodPickers {
    explicit PeriodPickers(ReportPeriodWindow &window);

    // What "&Enter" hands over: the dates and their texts.
    void copyInto(ReportPeriodChoice &choice) const;

    QDate startDate() const;
    QDate endDate() const;

    QDateEdit *dtStart;
    QDateEdit *dtEnd;
};

} // namespace pwo
