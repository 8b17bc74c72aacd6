#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QGridLayout;
class QWidget;

namespace pwo {

// Builds one inner tab of a rating page: column headings, group captions and
// one captioned row of lists a code, top to bottom.
class RatingPage {
public:
    RatingPage(QWidget *page, const QStringList &headings);

    void addGroup(const QString &caption);
    void addRow(const QString &caption, const QList<QComboBox *> &lists);
    // A caption of its own line, between rows.
    void addNote(const QString &caption);
    void finish();

private:
    QWidget *page_;
    QGridLayout *grid_;
    int nextRow_ = 0;
};

// A rating list: the worker picks an item or types its id.
QComboBox *newRatingList(QWidget *parent, const QString &name, int code);

} // namespace pwo
