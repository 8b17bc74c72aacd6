#include "IntakeLists.h"

#include "EnvironmentProblemsTab.h"
#include "SocialFunctioningTab.h"
#include "frmIntakeSheetForm.h"

#include "core/ProgramState.h"
#include "data/Recordset.h"

#include <QComboBox>

namespace pwo {

namespace {

const QString interactionItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(types,'') ) [InteractionProb] FROM build_File..tbcoPWOTypesSocialInteract order by cast(id as varchar(2)) asc");
const QString severityItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWOSeverityIndex order by cast(id as varchar(2)) asc");
const QString durationItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWODurationIndex order by cast(id as varchar(2)) asc");
const QString copingItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWOCopingIndex order by cast(id as varchar(2)) asc");

// Appends the column of every row, keeping the list's shown text; the
// item's data is the row's `dataColumn`, when one is named.
void append(QComboBox &list, const QString &statement, const QString &column, const QString &dataColumn = {})
{
    Recordset rows;
    rows.OpenReadOnly(statement, *globals().CurrentUser->sqlconnection());
    if (rows.RecordCount() > 0) {
        const QString shown = list.currentText();
        for (; !rows.Eof(); rows.MoveNext())
            list.addItem(rows.value(column).text(),
                         dataColumn.isEmpty() ? QVariant() : QVariant(rows.value(dataColumn).text()));
        list.setCurrentText(shown);
    }
    rows.Close();
}

} // namespace

void FillLists(frmIntakeSheetForm &form)
{
    const QString category = QStringLiteral("category");
    const QString description = QStringLiteral("Description");
    const QString type = QStringLiteral("Type");
    append(*form.cmbCategory, QStringLiteral("select category from tbPwoCaseCategory"), category);
    append(*form.cboClassCode,
           QStringLiteral("SELECT isnull(Code,'') [Code], isnull(Classification,'') [Classification] FROM PWO..tbPWOClassificationScheme"),
           QStringLiteral("Code"));
    append(*form.cboReferringParty,
           QStringLiteral("SELECT isnull(Code,'') [Code], isnull(ReferringParty,'') [ReferringParty] FROM PWO..tbPWOReferringParty ORDER BY Code"),
           QStringLiteral("ReferringParty"), QStringLiteral("Code"));
    append(*form.cboReligion,
           QStringLiteral("SELECT  isnull(Religion,'') [Religion] FROM build_File..tbCoReligion ORDER BY religionid"),
           QStringLiteral("Religion"));
    append(*form.cboRelationship,
           QStringLiteral("SELECT  isnull(Relationship,'') [Relationship] FROM build_File..tbCoRelationship"),
           QStringLiteral("Relationship"));
    append(*form.cboCivilStatus,
           QStringLiteral("SELECT  isnull(CivilStatus,'') [CivilStatus] FROM build_File..tbCoCivilStatus ORDER BY CivilStatusID"),
           QStringLiteral("CivilStatus"));
    SocialFunctioningTab &social = *form.socialTab;
    for (int code = 0; code < SocialFunctioningTab::roleCount; ++code)
        append(*social.cmbSocialInteraction(code), interactionItems, QStringLiteral("InteractionProb"));
    for (int code = 0; code < SocialFunctioningTab::roleCount; ++code)
        append(*social.cmbSeverityIndex(code), severityItems, type);
    for (int code = 0; code < SocialFunctioningTab::roleCount; ++code)
        append(*social.cmbDurationIndex(code), durationItems, type);
    for (int code = 0; code < SocialFunctioningTab::roleCount; ++code)
        append(*social.cmbCopingIndex(code), copingItems, type);
    EnvironmentProblemsTab &environment = *form.environmentTab;
    for (int code = 0; code < EnvironmentProblemsTab::problemCount; ++code)
        append(*environment.cmbPESeverityIndex(code), severityItems, type);
    for (int code = 0; code < EnvironmentProblemsTab::problemCount; ++code)
        append(*environment.cmbPEDurationIndex(code), durationItems, type);
    append(*form.cboLivingArrangement,
           QStringLiteral("SELECT  isnull(Description,'') [Description] FROM PWO..tbPWOLivingArrangement ORDER BY code "),
           description);
    append(*form.cboPhilhealthType,
           QStringLiteral("SELECT  isnull(Description,'') [Description] FROM PWO..tbPWOPhilhealthType ORDER BY code "),
           description);
    append(*form.cboCategoryType,
           QStringLiteral("SELECT  isnull(Description,'') [Description] FROM PWO..tbPWOCategoryType ORDER BY code "),
           description);
    append(*form.cboAccomodation,
           QStringLiteral("SELECT  isnull(Description,'') [Description] FROM PWO..tbPWOAccomodation ORDER BY code "),
           description);
}

} // namespace pwo
