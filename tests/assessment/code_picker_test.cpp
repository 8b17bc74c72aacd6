#include "LoggedInProgram.h"
#include "ModalWindows.h"

#include "assessment/CodeList.h"
#include "assessment/frmSearchActivity.h"
#include "assessment/frmSearchService.h"
#include "core/ErrorPolicy.h"
#include "core/ProgramState.h"
#include "data/StatementTrace.h"
#include "frame/mdiPWO.h"

#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

using namespace pwo;

namespace {

const QString servicePicker = QStringLiteral("frmSearchService");
const QString activityPicker = QStringLiteral("frmSearchActivity");
const QString blanks(100, QLatin1Char(' '));

QTreeWidget &tree(QWidget &picker)
{
    return child<QTreeWidget>(picker, QStringLiteral("tvServices"));
}

QListWidget &list(QWidget &picker)
{
    if (auto *services = picker.findChild<QListWidget *>(QStringLiteral("lstServices")))
        return *services;
    return child<QListWidget>(picker, QStringLiteral("lstactivity"));
}

QStringList entries(QWidget &picker)
{
    QStringList texts;
    for (int row = 0; row < list(picker).count(); ++row)
        texts << list(picker).item(row)->text();
    return texts;
}

QTreeWidgetItem *node(QWidget &picker, const QString &key)
{
    for (QTreeWidgetItemIterator it(&tree(picker)); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

QStringList childKeys(const QTreeWidgetItem &parent)
{
    QStringList keys;
    for (int i = 0; i < parent.childCount(); ++i)
        keys << parent.child(i)->data(0, Qt::UserRole).toString();
    return keys;
}

void doubleClickNode(QWidget &picker, const QString &key)
{
    QTreeWidgetItem *target = node(picker, key);
    if (!target)
        throw std::logic_error(("no node " + key).toStdString());
    tree(picker).scrollToItem(target);
    const QPoint at = tree(picker).visualItemRect(target).center();
    QTest::mouseClick(tree(picker).viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree(picker).viewport(), Qt::LeftButton, {}, at);
}

// The description is at the left of an entry; its code lies far to the right.
QPoint entryPoint(QWidget &picker, int row)
{
    const QRect rect = list(picker).visualItemRect(list(picker).item(row));
    return {rect.left() + 5, rect.center().y()};
}

class CodePickers : public LoggedInProgram {
protected:
    void openService(std::function<void(QWidget &)> action)
    {
        whenShown(servicePicker, std::move(action));
        frmSearchService::Show(program.mainWindow());
    }
    void openActivity(std::function<void(QWidget &)> action)
    {
        whenShown(activityPicker, std::move(action));
        frmSearchActivity::Show(program.mainWindow());
    }
};

TEST_F(CodePickers, ServicePickerOpensWithTheTreeItsPreloadedNodesAndTheCallersEntries)
{
    SearchService().ResultCode = QStringLiteral("1.2|1.6.1|");
    openService([&](QWidget &picker) {
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select Service"));
        QStringList expected{QStringLiteral("PWO..sp_PWO_GetService '0'"), QStringLiteral("PWO..sp_PWO_GetService '1.1'")};
        for (const char *code : {"1.6", "1.6.1", "1.7", "1.9", "1.10", "1.10.1", "1.11", "1.13", "1.19", "1.22", "1.23",
                                 "1.25", "1.26"})
            expected << QStringLiteral("PWO..sp_PWO_GetService '%1'").arg(QLatin1String(code));
        expected << QStringLiteral("select * from PWO..tbPWOServiceCategory WHERE CODE = '1.2'")
                 << QStringLiteral("select * from PWO..tbPWOServiceCategory WHERE CODE = '1.6.1'");
        EXPECT_EQ(sent(), expected);

        QTreeWidget &nodes = tree(picker);
        ASSERT_EQ(nodes.topLevelItemCount(), 26);
        EXPECT_EQ(nodes.topLevelItem(0)->data(0, Qt::UserRole).toString(), QStringLiteral("A1.1"));
        EXPECT_EQ(nodes.topLevelItem(0)->text(0), QStringLiteral("Counseling"));
        EXPECT_TRUE(nodes.topLevelItem(25)->isExpanded());
        EXPECT_FALSE(nodes.topLevelItem(24)->isExpanded());
        EXPECT_EQ(childKeys(*node(picker, QStringLiteral("A1.1"))),
                  (QStringList{"A1.1.1", "A1.1.2", "A1.1.3"}));
        EXPECT_EQ(childKeys(*node(picker, QStringLiteral("A1.10.1"))), (QStringList{"A1.10.1.1", "A1.10.1.2"}));
        EXPECT_EQ(node(picker, QStringLiteral("A1.2"))->childCount(), 0);

        EXPECT_EQ(entries(picker), (QStringList{"Discount on Hospital Bill" + blanks + "1.2",
                                                "Verification of Socio-economic Status" + blanks + "1.6.1"}));
    });
}

TEST_F(CodePickers, ActivityPickerReadsItsOwnTreeAndTable)
{
    SearchActivity().ResultCode = QStringLiteral("1.8.1|");
    openActivity([&](QWidget &picker) {
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Servies"));
        QStringList expected{QStringLiteral("PWO..sp_PWO_GetActivity '0'"),
                             QStringLiteral("PWO..sp_PWO_GetActivity '1.1'")};
        for (const char *code : {"1.2", "1.2.3", "1.3", "1.3.2", "1.3.5", "1.4", "1.5", "1.6", "1.7", "1.8", "1.8.1",
                                 "1.8.2", "1.8.3"})
            expected << QStringLiteral("PWO..sp_PWO_GetActivity '%1'").arg(QLatin1String(code));
        expected << QStringLiteral("select * from PWO..tbPWOActivity WHERE CODE = '1.8.1'");
        EXPECT_EQ(sent(), expected);
        EXPECT_EQ(childKeys(*node(picker, QStringLiteral("A1.2.3"))),
                  (QStringList{"A1.2.3.1", "A1.2.3.2", "A1.2.3.3"}));
        EXPECT_EQ(entries(picker), QStringList{"With the Billing Section" + blanks + "1.8.1"});
    });
}

TEST_F(CodePickers, DoubleClickOnANodeAddsItOnceAndLoadsItsChildrenOnce)
{
    openService([&](QWidget &picker) {
        StatementTrace::instance().clear();
        doubleClickNode(picker, QStringLiteral("A1.4"));
        EXPECT_EQ(sent(), QStringList{QStringLiteral("PWO..sp_PWO_GetService '1.4'")});
        EXPECT_TRUE(node(picker, QStringLiteral("A1.4"))->isExpanded());
        EXPECT_EQ(SearchService().Code, QStringLiteral("1.4"));
        EXPECT_EQ(SearchService().Description, QStringLiteral("Medicine Assistance"));
        EXPECT_TRUE(program.prompter().asked().isEmpty());

        doubleClickNode(picker, QStringLiteral("A1.4"));
        EXPECT_FALSE(node(picker, QStringLiteral("A1.4"))->isExpanded());
        EXPECT_EQ(childKeys(*node(picker, QStringLiteral("A1.4"))), (QStringList{"A1.4.1", "A1.4.2"}));
        ASSERT_EQ(program.prompter().asked().size(), 1);
        EXPECT_EQ(program.prompter().asked().first().prompt.text, QStringLiteral("Item is already added in the list."));
        EXPECT_EQ(program.prompter().asked().first().prompt.icon, QMessageBox::Information);
        EXPECT_EQ(entries(picker), QStringList{"Medicine Assistance" + blanks + "1.4"});

        // A group node and one of its leaves are both choices of their own;
        // Enter on a node adds it without closing the picker.
        tree(picker).setCurrentItem(node(picker, QStringLiteral("A1.4.2")));
        QTest::keyClick(&tree(picker), Qt::Key_Return);
        EXPECT_TRUE(picker.isVisible());
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.4|1.4.2|"));
    EXPECT_TRUE(SearchService().Selected);
}

TEST_F(CodePickers, ServicesGoByDoubleClickAndActivitiesBySingleClick)
{
    SearchService().ResultCode = QStringLiteral("1.2|1.3|1.2|");
    openService([&](QWidget &picker) {
        ASSERT_EQ(list(picker).count(), 3);
        QTest::mouseClick(list(picker).viewport(), Qt::LeftButton, {}, entryPoint(picker, 0));
        EXPECT_EQ(list(picker).count(), 3);
        QTest::mouseDClick(list(picker).viewport(), Qt::LeftButton, {}, entryPoint(picker, 0));
        EXPECT_EQ(entries(picker), QStringList{"Referral to Sponsor" + blanks + "1.3"});
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.3|"));

    SearchActivity().ResultCode = QStringLiteral("1.1|1.9|");
    openActivity([&](QWidget &picker) {
        QTest::mouseClick(list(picker).viewport(), Qt::LeftButton, {}, entryPoint(picker, 1));
        EXPECT_EQ(entries(picker), QStringList{"Interview" + blanks + "1.1"});
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchActivity().ResultCode, QStringLiteral("1.1|"));
}

TEST_F(CodePickers, CancelAfterAnEarlierOkStillReportsSelectedWithTheCallersString)
{
    openService([&](QWidget &picker) {
        doubleClickNode(picker, QStringLiteral("A1.5"));
        click(picker, QStringLiteral("cmdOK"));
    });
    ASSERT_TRUE(SearchService().Selected);

    SearchService().ResultCode = QStringLiteral("1.3|");
    openService([&](QWidget &picker) {
        doubleClickNode(picker, QStringLiteral("A1.5"));
        click(picker, QStringLiteral("cmdCancel"));
    });
    EXPECT_TRUE(SearchService().Selected);
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.3|"));
    EXPECT_FALSE(SearchActivity().Selected);
}

TEST_F(CodePickers, CodeStringsAreReadAsTheyAreWritten)
{
    // Without its final "|" the last code is not a code.
    SearchService().ResultCode = QStringLiteral("1.2|1.3");
    openService([&](QWidget &picker) {
        EXPECT_EQ(entries(picker), QStringList{"Discount on Hospital Bill" + blanks + "1.2"});
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.2|"));

    SearchService().ResultCode.clear();
    openService([&](QWidget &picker) {
        EXPECT_EQ(list(picker).count(), 0);
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchService().ResultCode, QString());

    // A node's code is its key without any capital A.
    program.database().sqlite(QStringLiteral("INSERT INTO PWO.tbPWOServiceCategory (Code, Description, ParentCode) "
                                             "VALUES ('1.1A', 'Adoption Counseling', '1.1')"));
    openService([&](QWidget &picker) {
        doubleClickNode(picker, QStringLiteral("A1.1A"));
        EXPECT_EQ(entries(picker), QStringList{"Adoption Counseling" + blanks + "1.1"});
        click(picker, QStringLiteral("cmdOK"));
    });
    EXPECT_EQ(SearchService().Code, QStringLiteral("1.1"));
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.1|"));
}

TEST_F(CodePickers, NodesWithoutTheirParentAreLeftOut)
{
    program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbPWOServiceCategory WHERE Code = '1.6'"));
    openService([&](QWidget &picker) {
        EXPECT_TRUE(sent().contains(QStringLiteral("PWO..sp_PWO_GetService '1.6.1'")));
        EXPECT_EQ(node(picker, QStringLiteral("A1.6.1")), nullptr);
        EXPECT_EQ(node(picker, QStringLiteral("A1.6.1.1")), nullptr);
        EXPECT_EQ(tree(picker).topLevelItemCount(), 25);
    });

    program.database().sqlite(QStringLiteral("DELETE FROM PWO.tbPWOActivity WHERE ParentCode = '0'"));
    openActivity([&](QWidget &picker) {
        EXPECT_EQ(tree(picker).topLevelItemCount(), 0);
        EXPECT_EQ(QTreeWidgetItemIterator(&tree(picker)).operator*(), nullptr);
    });
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST_F(CodePickers, AFailingReadAbandonsTheOpeningAndKeepsTheChoice)
{
    SearchService().ResultCode = QStringLiteral("1.2|");
    program.failNextStatementMatching(QStringLiteral("sp_PWO_GetService '1\\.7'"), 1205, QStringLiteral("Deadlock"));
    guarded([&] { frmSearchService::Show(program.mainWindow()); });
    ASSERT_EQ(program.prompter().texts().size(), 1);
    EXPECT_TRUE(program.prompter().texts().first().contains(QStringLiteral("Deadlock")));
    EXPECT_EQ(program.window(servicePicker), nullptr);
    EXPECT_EQ(SearchService().ResultCode, QStringLiteral("1.2|"));
    EXPECT_FALSE(SearchService().Selected);
}

TEST(CodeList, EntriesKeepTheirCodeInTheLastTenCharacters)
{
    EXPECT_EQ(codesOf(QStringLiteral(" 1.2 |1.10.1||")), (QStringList{"1.2", "1.10.1", ""}));
    EXPECT_EQ(codeOfEntry(entryText(QStringLiteral("Home Visit"), 150, QStringLiteral("1.6"))), QStringLiteral("1.6"));
    EXPECT_EQ(codeStringOf({entryText(QStringLiteral("A"), 100, QStringLiteral("1.1")),
                            entryText(QStringLiteral("B"), 100, QStringLiteral("1.26.2"))}),
              QStringLiteral("1.1|1.26.2|"));
}

} // namespace
