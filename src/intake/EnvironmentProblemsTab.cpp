#include "EnvironmentProblemsTab.h"

#include "IntakeWidths.h"
#include "RatingPage.h"
#include "RatingRows.h"
#include "RatingValue.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pwo {

namespace {

struct ProblemGroup {
    int firstCode;
    const char *caption;
};

const char *const problemCaptions[EnvironmentProblemsTab::problemCount] = {
    "Lack of regular food supply",
    "Nutritionally inadequate food supply",
    "Documented malnutrition",
    "Others",
    "Nutritionally inadequate food supply",
    "Documented malnutrition",
    "Others",
    "Unemployment,employment  is not available in the community",
    "Underemployment, adequate employment is not available in the community",
    "Inappropriate employment, lack of socially legally acceptable employment in the community",
    "Insufficien community resources for basic sustenance",
    "Insufficient resources in the community to provide for needed services beyond sustenance",
    "Other:",
    "No Personal/public trasportation to job/ needed services",
    "Other:",
    "Absence of affectional support system",
    "Support system inadequate to meet affectional needs",
    "Excessively involved support system",
    "Other:",
};

const ProblemGroup problemGroups[] = {
    {0, "1.FOOD AND NUTRITION"}, {4, "2. SHELTER"},        {7, "3. EMPLOYMENT"},
    {10, "4. ECONOMIC RESOURCES"}, {13, "5.TRANSPORTATION"}, {15, "B. AFFECTIONAL SUPPORT SYSTEM"},
};

constexpr int firstCodeOfPart2 = 10;
constexpr int firstAffectionalCode = 15;

QPlainTextEdit *addTextBox(QWidget *page, QVBoxLayout *layout, const QString &caption, const QString &name)
{
    auto *label = new QLabel(caption, page);
    auto *box = new QPlainTextEdit(page);
    box->setObjectName(name);
    box->setTabChangesFocus(true);
    label->setBuddy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addWidget(charactersLeftLabel(*box, widthOf(intakeTextWidths(), name.toLatin1().constData()), page));
    return box;
}

} // namespace

EnvironmentProblemsTab::EnvironmentProblemsTab(QWidget *parent) : QWidget(parent)
{
    auto *parts = new QTabWidget(this);
    parts->setObjectName(QStringLiteral("tabEnvironmentProblems"));
    (new QVBoxLayout(this))->addWidget(parts);

    const QStringList headings{QStringLiteral("SEVERITY INDEX"), QStringLiteral("DURATION INDEX")};
    auto *part1 = new QWidget(parts);
    auto *part2 = new QWidget(parts);
    RatingPage page1(part1, headings);
    RatingPage page2(part2, headings);
    page1.addGroup(QStringLiteral("A. ECONOMIC/BASIC NEEDS SYSTEM PROBLEMS"));
    for (int code = 0; code < problemCount; ++code) {
        QWidget *part = code < firstCodeOfPart2 ? part1 : part2;
        RatingPage &page = code < firstCodeOfPart2 ? page1 : page2;
        if (code == firstAffectionalCode)
            page.addNote(QStringLiteral("NO PROBLEM  IN ECONOMIC/BASIC NEEDS SYSTEM"));
        for (const ProblemGroup &group : problemGroups) {
            if (group.firstCode == code)
                page.addGroup(QString::fromLatin1(group.caption));
        }
        ProblemRow &row = rows_[code];
        row.severity = newRatingList(part, QStringLiteral("cmbPESeverityIndex"), code);
        row.duration = newRatingList(part, QStringLiteral("cmbPEDurationIndex"), code);
        page.addRow(QString::fromLatin1(problemCaptions[code]), {row.severity, row.duration});
    }
    page1.finish();
    page2.finish();

    auto *part3 = new QWidget(parts);
    auto *texts = new QVBoxLayout(part3);
    assessment_ = addTextBox(part3, texts, QStringLiteral("ASSESSMENT:"), QStringLiteral("txtAssessment"));
    interventions_ = addTextBox(part3, texts, QStringLiteral("RECOMMENDED INTERVENTIONS:"),
                                QStringLiteral("txtRecommendedInterventions"));

    parts->addTab(part1, QStringLiteral("Part 1"));
    parts->addTab(part2, QStringLiteral("Part 2"));
    parts->addTab(part3, QStringLiteral("Part 3"));
}

QComboBox *EnvironmentProblemsTab::cmbPESeverityIndex(int code) const
{
    return rows_.at(size_t(code)).severity;
}

QComboBox *EnvironmentProblemsTab::cmbPEDurationIndex(int code) const
{
    return rows_.at(size_t(code)).duration;
}

void EnvironmentProblemsTab::Save_EnvironmentProblems(const QString &hospNum)
{
    const RatingTables tables{QStringLiteral("pwo..tbPWOProblems"), QStringLiteral("pwo..tbPWOEnvironmentProblems"),
                              {QStringLiteral("SeverityIndex"), QStringLiteral("DurationIndex")}};
    const QList<int> missing = saveRatingRows(tables, hospNum, problemCount, [this](int code) {
        const ProblemRow &row = rows_[size_t(code)];
        return QStringList{storedRatingValue(*row.severity), storedRatingValue(*row.duration)};
    });
    reportMissingCodes(QStringLiteral("problem"), missing);
}

void EnvironmentProblemsTab::setEditable(bool editable)
{
    for (const ProblemRow &row : rows_) {
        row.severity->setEnabled(editable);
        row.duration->setEnabled(editable);
    }
    assessment_->setEnabled(editable);
    interventions_->setEnabled(editable);
}

} // namespace pwo
