#include "RatingPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace pwo {

RatingPage::RatingPage(QWidget *page, const QStringList &headings) : page_(page), grid_(new QGridLayout(page))
{
    for (qsizetype i = 0; i < headings.size(); ++i) {
        auto *heading = new QLabel(headings[i], page_);
        heading->setAlignment(Qt::AlignCenter);
        grid_->addWidget(heading, nextRow_, int(i) + 1);
    }
    ++nextRow_;
}

void RatingPage::addGroup(const QString &caption)
{
    auto *label = new QLabel(caption, page_);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid_->addWidget(label, nextRow_++, 0, 1, -1);
}

void RatingPage::addRow(const QString &caption, const QList<QComboBox *> &lists)
{
    auto *label = new QLabel(caption, page_);
    label->setIndent(12);
    grid_->addWidget(label, nextRow_, 0);
    for (qsizetype i = 0; i < lists.size(); ++i) {
        grid_->addWidget(lists[i], nextRow_, int(i) + 1);
        if (i == 0)
            label->setBuddy(lists[i]);
    }
    ++nextRow_;
}

void RatingPage::addNote(const QString &caption)
{
    grid_->addWidget(new QLabel(caption, page_), nextRow_++, 0, 1, -1);
}

void RatingPage::finish()
{
    grid_->setRowStretch(nextRow_, 1);
    grid_->setColumnStretch(0, 2);
    for (int column = 1; column < grid_->columnCount(); ++column)
        grid_->setColumnStretch(column, 1);
}

QComboBox *newRatingList(QWidget *parent, const QString &name, int code)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name + QLatin1Char('_') + QString::number(code));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // Without one, the first item added would become the rating of every unrated row.
    list->setPlaceholderText(QStringLiteral("not rated"));
    list->setMinimumContentsLength(12);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

} // namespace pwo
