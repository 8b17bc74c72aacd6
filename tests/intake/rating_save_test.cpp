#include "IntakeGridsTestSupport.h"
#include "TestPrinters.h"

#include "core/modGlobals.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "intake/EnvironmentProblemsTab.h"
#include "intake/SocialFunctioningTab.h"

#include <QComboBox>
#include <QVBoxLayout>

using namespace pwo;

namespace {

// The rating lists' items as the intake window fills them.
const QString interactionItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(types,'') ) [InteractionProb] FROM "
    "build_File..tbcoPWOTypesSocialInteract order by cast(id as varchar(2)) asc");
const QString severityItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWOSeverityIndex order "
    "by cast(id as varchar(2)) asc");
const QString durationItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWODurationIndex order "
    "by cast(id as varchar(2)) asc");
const QString copingItems = QStringLiteral(
    "SELECT  (cast(id as varchar(2)) + '. ' + isnull(type,'') ) [Type] FROM build_File..tbcoPWOCopingIndex order by "
    "cast(id as varchar(2)) asc");

// The loading statements of the two rating pages, byte for byte.
QString socialFunctioningOf(const QString &hospNum, int code)
{
    return QStringList{
        QStringLiteral("Select b.Code as codeIndex,"),
        QStringLiteral("isnull(cast(c.id as varchar(3)) + '. ' + c.types,'')   as SocialInteractValue,"),
        QStringLiteral("isnull(cast(d.id as varchar(3)) + '. ' + d.type,'')   as SeverityIndexValue,"),
        QStringLiteral("isnull(cast(e.id as varchar(3)) + '. ' + e.type,'')   as DurationIndexValue,"),
        QStringLiteral("isnull(cast(f.id as varchar(3)) + '. ' + f.type,'')   as CopingIndexValue,  *"),
        QStringLiteral("from pwo..tbPWOSocialFunctioning a"),
        QStringLiteral("left outer join tbPWORoles b  on a.Description = b.ID"),
        QStringLiteral("left outer join build_file..tbcoPWOTypesSocialInteract c on  c.id = a.Interaction"),
        QStringLiteral("left outer join build_file..tbcoPWOSeverityIndex d on d.id = a.SeverityIndex"),
        QStringLiteral("left outer join build_file..tbcoPWODurationIndex e on e.id  = a.DurationIndex"),
        QStringLiteral("left outer join build_file..tbcoPWOCopingIndex f on f.id = a.CopingIndex"),
        QStringLiteral("where a.hospnum ='") + hospNum + QStringLiteral("' "),
        QStringLiteral("      and b.code = '") + QString::number(code) + QStringLiteral("'"),
        QStringLiteral("order by b.code asc"),
    }.join(QLatin1Char(' '));
}

QString environmentProblemsOf(const QString &hospNum, int code)
{
    return QStringList{
        QStringLiteral("Select b.Code as codeIndex,"),
        QStringLiteral("isnull(cast(d.id as varchar(3)) + '. ' + d.type,'')   as SeverityIndexValue,"),
        QStringLiteral("isnull(cast(e.id as varchar(3)) + '. ' + e.type,'')   as DurationIndexValue"),
        QStringLiteral("from pwo..tbPWOEnvironmentProblems a"),
        QStringLiteral("left outer join tbPWOProblems b  on a.Description = b.ID"),
        QStringLiteral("left outer join build_file..tbcoPWOSeverityIndex d on d.id = a.SeverityIndex"),
        QStringLiteral("left outer join build_file..tbcoPWODurationIndex e on e.id  = a.DurationIndex"),
        QStringLiteral("where a.hospnum ='") + hospNum + QStringLiteral("'"),
        QStringLiteral("      and b.code = '") + QString::number(code) + QStringLiteral("'"),
        QStringLiteral("order by b.code asc"),
    }.join(QLatin1Char(' '));
}

class Ratings : public IntakePageTest {
protected:
    void SetUp() override
    {
        IntakePageTest::SetUp();
        social = new SocialFunctioningTab(&host);
        environment = new EnvironmentProblemsTab(&host);
        auto *layout = new QVBoxLayout(&host);
        layout->addWidget(social);
        layout->addWidget(environment);
        for (int code = 0; code < SocialFunctioningTab::roleCount; ++code) {
            fill(*social->cmbSocialInteraction(code), interactionItems);
            fill(*social->cmbSeverityIndex(code), severityItems);
            fill(*social->cmbDurationIndex(code), durationItems);
            fill(*social->cmbCopingIndex(code), copingItems);
        }
        for (int code = 0; code < EnvironmentProblemsTab::problemCount; ++code) {
            fill(*environment->cmbPESeverityIndex(code), severityItems);
            fill(*environment->cmbPEDurationIndex(code), durationItems);
        }
        hospNum = firstValue(QStringLiteral(
            "SELECT HospNum FROM PATIENT_DATA..tbMaster WHERE HospNum NOT IN "
            "(SELECT HospNum FROM PWO..tbPWOSocialFunctioning) ORDER BY HospNum"));
        StatementTrace::instance().clear();
    }

    static void fill(QComboBox &list, const QString &items)
    {
        Recordset rows;
        rows.OpenReadOnly(items, *globals().Connection);
        for (; !rows.Eof(); rows.MoveNext())
            list.addItem(rows.valueAt(rows.currentRow(), 0).text());
    }
    static void choose(QComboBox &list, const QString &itemStart)
    {
        const int index = list.findText(itemStart, Qt::MatchStartsWith);
        ASSERT_GE(index, 0) << itemStart.toStdString();
        list.setCurrentIndex(index);
    }
    QString roleId(int code) const
    {
        return firstValue(QStringLiteral("SELECT ID FROM PWO..tbPWORoles WHERE Code = %1").arg(code));
    }
    QString storedRole(int code) const
    {
        Recordset row;
        row.OpenReadOnly(QStringLiteral("SELECT * FROM PWO..tbPWOSocialFunctioning WHERE HospNum = '%1' AND "
                                        "Description = %2")
                             .arg(hospNum, roleId(code)),
                         *globals().Connection);
        if (row.Eof())
            return QStringLiteral("(none)");
        return QStringList{row.value(QStringLiteral("Interaction")).text(),
                           row.value(QStringLiteral("SeverityIndex")).text(),
                           row.value(QStringLiteral("DurationIndex")).text(),
                           row.value(QStringLiteral("CopingIndex")).text()}
            .join(QLatin1Char('|'));
    }
    long socialRows() const
    {
        return count(QStringLiteral("SELECT count(*) FROM PWO..tbPWOSocialFunctioning WHERE HospNum = '%1'").arg(hospNum));
    }
    long environmentRows() const
    {
        return count(
            QStringLiteral("SELECT count(*) FROM PWO..tbPWOEnvironmentProblems WHERE HospNum = '%1'").arg(hospNum));
    }
    QStringList loaded(const QString &statement, const QStringList &columns) const
    {
        Recordset row;
        row.setCursorLocation(adUseClient);
        row.Open(statement, *globals().CurrentUser->sqlconnection(), adOpenDynamic, adLockReadOnly, -1);
        QStringList values;
        if (!row.Eof()) {
            for (const QString &column : columns)
                values << row.value(column).text();
        }
        return values;
    }

    SocialFunctioningTab *social = nullptr;
    EnvironmentProblemsTab *environment = nullptr;
    QString hospNum;
};

TEST_F(Ratings, EveryCodeIsStoredOnceAndASecondSaveChangesTheSameRows)
{
    ASSERT_FALSE(hospNum.isEmpty());
    choose(*social->cmbSocialInteraction(0), QStringLiteral("2. "));
    social->cmbSeverityIndex(0)->setCurrentText(QStringLiteral("3"));    // a known id typed by hand
    social->cmbDurationIndex(0)->setCurrentText(QStringLiteral("77"));   // not an id
    social->cmbCopingIndex(0)->setCurrentText(QStringLiteral("poor"));   // not an id either
    choose(*social->cmbCopingIndex(23), QStringLiteral("4. "));
    choose(*environment->cmbPESeverityIndex(18), QStringLiteral("5. "));

    social->Save_SocialFunctioning(hospNum);
    environment->Save_EnvironmentProblems(hospNum);

    EXPECT_EQ(socialRows(), 24);
    EXPECT_EQ(environmentRows(), 19);
    EXPECT_EQ(storedRole(0), QStringLiteral("2|3||"));
    EXPECT_EQ(storedRole(1), QStringLiteral("|||"));
    EXPECT_EQ(storedRole(23), QStringLiteral("|||4"));
    const QStringList statements = sent();
    EXPECT_TRUE(statements.contains(QStringLiteral("Select ID from pwo..tbPWORoles where code = '0'")));
    EXPECT_TRUE(statements.contains(QStringLiteral(" SELECT a.* FROM pwo..tbPWOSocialFunctioning a  where a.hospnum = "
                                                   "'%1'   and a.description = '%2'")
                                        .arg(hospNum, roleId(0))));
    EXPECT_TRUE(statements.contains(QStringLiteral("Select ID from pwo..tbPWOProblems where code = '18'")));
    EXPECT_FALSE(globals().Connection->inTransaction());

    // What the sheet shows when it opens again.
    const QStringList socialColumns{QStringLiteral("SocialInteractValue"), QStringLiteral("SeverityIndexValue"),
                                    QStringLiteral("DurationIndexValue"), QStringLiteral("CopingIndexValue")};
    EXPECT_EQ(loaded(socialFunctioningOf(hospNum, 0), socialColumns),
              (QStringList{social->cmbSocialInteraction(0)->currentText(),
                           social->cmbSeverityIndex(0)->itemText(2), QString(), QString()}));
    EXPECT_EQ(loaded(environmentProblemsOf(hospNum, 18),
                     {QStringLiteral("SeverityIndexValue"), QStringLiteral("DurationIndexValue")}),
              (QStringList{environment->cmbPESeverityIndex(18)->currentText(), QString()}));
    EXPECT_EQ(loaded(environmentProblemsOf(hospNum, 3), {QStringLiteral("SeverityIndexValue")}),
              QStringList{QString()});

    choose(*social->cmbSocialInteraction(0), QStringLiteral("5. "));
    social->cmbCopingIndex(23)->setCurrentText(QString());
    social->Save_SocialFunctioning(hospNum);
    environment->Save_EnvironmentProblems(hospNum);
    EXPECT_EQ(socialRows(), 24);
    EXPECT_EQ(environmentRows(), 19);
    EXPECT_EQ(storedRole(0), QStringLiteral("5|3||"));
    EXPECT_EQ(storedRole(23), QStringLiteral("|||"));
}

TEST_F(Ratings, ARoleMissingFromItsTableGetsNoRowUnderAnotherId)
{
    program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbPWORoles WHERE Code = 5"));
    choose(*social->cmbSeverityIndex(4), QStringLiteral("2. "));
    choose(*social->cmbSeverityIndex(5), QStringLiteral("6. "));

    social->Save_SocialFunctioning(hospNum);

    EXPECT_EQ(socialRows(), 23);
    EXPECT_EQ(storedRole(4), QStringLiteral("|2||"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PWO..tbPWOSocialFunctioning WHERE HospNum = '%1' AND "
                                   "SeverityIndex = '6'")
                        .arg(hospNum)),
              0);
    ASSERT_EQ(program.prompter().texts().size(), 1);
    EXPECT_TRUE(program.prompter().texts().first().contains(QStringLiteral("role code 5")));
}

TEST_F(Ratings, AFailingRowUndoesTheWholeSaveAndEndsItsTransaction)
{
    choose(*social->cmbSeverityIndex(0), QStringLiteral("2. "));
    program.failNextStatementMatching(QStringLiteral("a.description = '%1'").arg(roleId(9)), 1205,
                                      QStringLiteral("Transaction was deadlocked."));
    EXPECT_ANY_THROW(social->Save_SocialFunctioning(hospNum));
    EXPECT_FALSE(globals().Connection->inTransaction());
    EXPECT_EQ(socialRows(), 0);

    social->Save_SocialFunctioning(hospNum);
    EXPECT_EQ(socialRows(), 24);
}

} // namespace
