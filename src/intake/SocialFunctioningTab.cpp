#include "SocialFunctioningTab.h"

#include "RatingPage.h"
#include "RatingRows.h"
#include "RatingValue.h"

#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pwo {

namespace {

struct RoleGroup {
    int firstCode;
    const char *caption;
};

const char *const roleCaptions[SocialFunctioningTab::roleCount] = {
    "PARENT", "SPOUSE", "CHILD", "SIBLING", "OTHER FAMILY MEMBERS", "SIGNIFICANT OTHERS",
    "LOVER", "FRIEND", "NEIGHBOR", "MEMBER", "Others",
    "W0RKER-PAID ECONOMY", "WORKER-HOME", "WORKER-VOLUNTEER", "STUDENT", "Others",
    "CONSUMER", "INPATIENT CLIENT", "OUTPATIENT CLIENT", "PRISONER", "IMMIGRANT-LEGAL", "IMMIGRANT-ILEGAL",
    "IMMIGRANT-REFUGEE",
    "",
};

const RoleGroup roleGroups[] = {
    {0, "FAMILIAL ROLES"},
    {6, "OTHER INTER PERSONAL ROLES"},
    {11, "OCCUPATIONAL ROLES"},
    {16, "SPECIAL LIFE SITUATION ROLES"},
};

constexpr int firstCodeOfPart2 = 11;

} // namespace

SocialFunctioningTab::SocialFunctioningTab(QWidget *parent) : QWidget(parent)
{
    auto *parts = new QTabWidget(this);
    parts->setObjectName(QStringLiteral("tabSocialFunctioning"));
    (new QVBoxLayout(this))->addWidget(parts);

    const QStringList headings{QStringLiteral("TYPE OF SOCIAL INTERACTION"), QStringLiteral("SEVERITY INDEX"),
                               QStringLiteral("DURATION INDEX"), QStringLiteral("COPING INDEX")};
    auto *part1 = new QWidget(parts);
    auto *part2 = new QWidget(parts);
    RatingPage page1(part1, headings);
    RatingPage page2(part2, headings);
    for (int code = 0; code < roleCount; ++code) {
        QWidget *part = code < firstCodeOfPart2 ? part1 : part2;
        RatingPage &page = code < firstCodeOfPart2 ? page1 : page2;
        for (const RoleGroup &group : roleGroups) {
            if (group.firstCode == code)
                page.addGroup(QString::fromLatin1(group.caption));
        }
        RoleRow &row = rows_[code];
        row.interaction = newRatingList(part, QStringLiteral("cmbSocialInteraction"), code);
        row.severity = newRatingList(part, QStringLiteral("cmbSeverityIndex"), code);
        row.duration = newRatingList(part, QStringLiteral("cmbDurationIndex"), code);
        row.coping = newRatingList(part, QStringLiteral("cmbCopingIndex"), code);
        page.addRow(QString::fromLatin1(roleCaptions[code]), {row.interaction, row.severity, row.duration, row.coping});
    }
    page2.addNote(QStringLiteral("NO SOCIAL INTERACTION PROBLEM"));
    page1.finish();
    page2.finish();
    parts->addTab(part1, QStringLiteral("PART 1"));
    parts->addTab(part2, QStringLiteral("Part 2"));
}

QComboBox *SocialFunctioningTab::cmbSocialInteraction(int code) const
{
    return rows_.at(size_t(code)).interaction;
}

QComboBox *SocialFunctioningTab::cmbSeverityIndex(int code) const
{
    return rows_.at(size_t(code)).severity;
}

QComboBox *SocialFunctioningTab::cmbDurationIndex(int code) const
{
    return rows_.at(size_t(code)).duration;
}

QComboBox *SocialFunctioningTab::cmbCopingIndex(int code) const
{
    return rows_.at(size_t(code)).coping;
}

void SocialFunctioningTab::Save_SocialFunctioning(const QString &hospNum)
{
    const RatingTables tables{QStringLiteral("pwo..tbPWORoles"), QStringLiteral("pwo..tbPWOSocialFunctioning"),
                              {QStringLiteral("Interaction"), QStringLiteral("SeverityIndex"),
                               QStringLiteral("DurationIndex"), QStringLiteral("CopingIndex")}};
    const QList<int> missing = saveRatingRows(tables, hospNum, roleCount, [this](int code) {
        const RoleRow &row = rows_[size_t(code)];
        return QStringList{storedRatingValue(*row.interaction), storedRatingValue(*row.severity),
                           storedRatingValue(*row.duration), storedRatingValue(*row.coping)};
    });
    reportMissingCodes(QStringLiteral("role"), missing);
}

void SocialFunctioningTab::setEditable(bool editable)
{
    for (const RoleRow &row : rows_) {
        for (QComboBox *list : {row.interaction, row.severity, row.duration, row.coping})
            list->setEnabled(editable);
    }
}

} // namespace pwo
