#include "PatientListProgram.h"
#include "TestPrinters.h"

#include "hospital/dbserver/ProcedureRegistry.h"
#include "hospital/dbserver/SqlProcedure.h"
#include "hospital/dbserver/StandInProvider.h"

#include "core/ProgramState.h"
#include "widgets/LinkLabel.h"
#include "widgets/SortIcons.h"
#include "patients/frmListPatient.h"
#include "frame/mdiPWO.h"

#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace pwo;

namespace {

constexpr int admissionColumn = 0, hospitalNumberColumn = 1, lastNameColumn = 3, billingDateColumn = 10,
              erColumn = 11;

QImage pictureOf(const QVariant &icon)
{
    return icon.value<QIcon>().pixmap(12, 12).toImage();
}

const QString currentAdmissions = QStringLiteral("SELECT count(*) FROM PATIENT_DATA..tbPatient2 WHERE DcrDate IS NULL");

} // namespace

TEST_F(PatientListProgram, OpensWithItsControlsAndAnEmptyDisabledList)
{
    EXPECT_TRUE(list()->findChild<QRadioButton *>(QStringLiteral("optPatientType_0"))->isChecked());
    const QStringList options{"In Patient", "Out Patient", "All Patients", "ER Patients"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list()->findChild<QRadioButton *>(QStringLiteral("optPatientType_%1").arg(i))->text(), options[i]);
    for (const char *name : {"txtLastname", "txtHospNum", "txtIDNum", "txtFirstname", "txtMiddleName"})
        EXPECT_NE(box(name), nullptr) << name;
    EXPECT_EQ(label("lblPWO")->text(), QStringLiteral("PWO Patients"));
    EXPECT_EQ(list()->findChild<QPushButton *>(QStringLiteral("cmdSearch"))->text(), QStringLiteral("&Search"));
    EXPECT_EQ(list()->findChild<QPushButton *>(QStringLiteral("cmdClose"))->text(), QStringLiteral("&Close"));
    EXPECT_EQ(label("lblRecCount")->text(), QStringLiteral("Total Number of Records : _"));
    EXPECT_FALSE(list()->findChild<QProgressBar *>(QStringLiteral("pbProgress"))->isVisible());
    EXPECT_NE(list()->findChild<QWidget *>(QStringLiteral("imgSplitter")), nullptr);
    EXPECT_FALSE(list()->findChild<QWidget *>(QStringLiteral("picSplitter"))->isVisible());

    QStringList headers;
    for (int c = 0; c < rows()->columnCount(); ++c)
        headers << rows()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{" Adm. No.", " Hosp.No.", " Adm.Date", " Last Name", " First Name", " Middle Name",
                                    " Room No.", " PWO  ", " Address", " Dcr.Date", " BillingDate", " Er"}));
    EXPECT_FALSE(view()->isEnabled());
    EXPECT_EQ(rows()->rowCount(), 0);
    EXPECT_TRUE(listStatements().isEmpty());
    // the frame shows the list as a maximized child window
    EXPECT_TRUE(qobject_cast<QWidget *>(list()->parent())->isMaximized());
}

TEST_F(PatientListProgram, InPatientSearchWithEmptyBoxesListsEveryCurrentAdmission)
{
    clickSearch();
    ASSERT_EQ(listStatements(), QStringList{"PWO..sp_PWO_LoadInPatient '', '','','',''"});
    const TracedStatement &sent = program.trace().back();
    EXPECT_EQ(sent.cursorType, 2);
    EXPECT_EQ(sent.lockType, 1);

    const long admitted = countOf(currentAdmissions);
    ASSERT_GT(admitted, 0);
    EXPECT_EQ(rows()->rowCount(), admitted);
    EXPECT_TRUE(view()->isEnabled());
    EXPECT_EQ(label("lblRecCount")->text(), QStringLiteral("Total No. of Records: %1").arg(admitted));
    EXPECT_FALSE(list()->findChild<QProgressBar *>(QStringLiteral("pbProgress"))->isVisible());

    // the first row is chosen
    EXPECT_EQ(CurrentPatient().IDNUM(), cell(0, admissionColumn));
    EXPECT_EQ(CurrentPatient().HospNum(), cell(0, hospitalNumberColumn));
    EXPECT_EQ(CurrentPatient().PatientName(), cell(0, 3) + ", " + cell(0, 4) + " " + cell(0, 5));
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST_F(PatientListProgram, AllPatientsNeedsAParameterFromTheSearchButtonButNotFromEnter)
{
    CurrentPatient().setHospNum(QStringLiteral("00010003"));
    CurrentPatient().setIDNUM(QStringLiteral("260000084"));
    choose(2);
    clickSearch();
    ASSERT_EQ(program.prompter().asked().size(), 1);
    const Prompt &asked = program.prompter().asked().first().prompt;
    EXPECT_EQ(asked.text, QStringLiteral("Please specify a search parameter."));
    EXPECT_EQ(asked.icon, QMessageBox::Information);
    EXPECT_EQ(asked.title, programTitle());
    EXPECT_TRUE(listStatements().isEmpty());
    EXPECT_TRUE(CurrentPatient().HospNum().isEmpty());
    EXPECT_TRUE(CurrentPatient().IDNUM().isEmpty());

    pressEnterIn("txtFirstname");
    EXPECT_EQ(listStatements(), QStringList{"PWO..sp_PWO_LoadAllServicePatient '', '','','',''"});
    EXPECT_GT(rows()->rowCount(), 0);
}

TEST_F(PatientListProgram, TypedApostropheBecomesABacktickAndFindsOBrien)
{
    choose(1);
    QTest::keyClicks(box("txtLastname"), QStringLiteral("o'brien"));
    EXPECT_EQ(box("txtLastname")->text(), QStringLiteral("O`BRIEN"));
    pressEnterIn("txtLastname");
    EXPECT_EQ(listStatements(), QStringList{"PWO..sp_PWO_LoadOutPatient '', 'O`BRIEN','','',''"});
    ASSERT_EQ(rows()->rowCount(), 1);
    EXPECT_EQ(cell(0, lastNameColumn), QStringLiteral("O'BRIEN"));
    EXPECT_TRUE(CurrentPatient().PatientName().startsWith(QLatin1String("O'BRIEN, ")));

    // text put in without typing keeps its apostrophe, and the statement stays whole
    box("txtLastname")->setText(QStringLiteral("o'bri"));
    pressEnterIn("txtLastname");
    EXPECT_EQ(listStatements().last(), QStringLiteral("PWO..sp_PWO_LoadOutPatient '', 'o''bri','','',''"));
    EXPECT_EQ(rows()->rowCount(), 1);
    EXPECT_TRUE(program.prompter().asked().isEmpty());
}

TEST_F(PatientListProgram, TypingIsUpperCasedButShortcutsStillWork)
{
    QTest::keyClicks(box("txtFirstname"), QStringLiteral("ma 1"));
    QKeyEvent enye(QEvent::KeyPress, Qt::Key_Ntilde, Qt::NoModifier, QStringLiteral("ñ"));
    QApplication::sendEvent(box("txtFirstname"), &enye);
    EXPECT_EQ(box("txtFirstname")->text(), QStringLiteral("MA 1Ñ"));
    QTest::keyClick(box("txtFirstname"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box("txtFirstname"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtFirstname")->text(), QString());
}

TEST_F(PatientListProgram, AnEmptyResultEmptiesTheListAndKeepsTheCount)
{
    clickSearch();
    const QString countText = label("lblRecCount")->text();
    ASSERT_GT(rows()->rowCount(), 0);
    box("txtLastname")->setText(QStringLiteral("ZZZNOBODY"));
    pressEnterIn("txtLastname");
    EXPECT_EQ(rows()->rowCount(), 0);
    EXPECT_FALSE(view()->isEnabled());
    EXPECT_EQ(label("lblRecCount")->text(), countText);
}

TEST_F(PatientListProgram, EnterClearsOnlyTheIdentifiersOfItsBox)
{
    struct Case {
        const char *box;
        bool clearsHospNum;
        bool clearsIdNum;
    };
    for (const Case &c : {Case{"txtHospNum", false, true}, Case{"txtIDNum", true, false},
                          Case{"txtLastname", true, true}, Case{"txtFirstname", true, true},
                          Case{"txtMiddleName", true, true}}) {
        for (const char *name : {"txtHospNum", "txtIDNum", "txtLastname", "txtFirstname", "txtMiddleName"})
            box(name)->clear();
        box(c.box)->setText(QStringLiteral("NO SUCH"));  // finds nobody, so no row is chosen afterwards
        CurrentPatient().setHospNum(QStringLiteral("00010003"));
        CurrentPatient().setIDNUM(QStringLiteral("260000084"));
        pressEnterIn(c.box);
        EXPECT_EQ(CurrentPatient().HospNum().isEmpty(), c.clearsHospNum) << c.box;
        EXPECT_EQ(CurrentPatient().IDNUM().isEmpty(), c.clearsIdNum) << c.box;
    }
    EXPECT_EQ(listStatements().size(), 5);
}

TEST_F(PatientListProgram, PatientTypeFollowsTheOptionsAndTheDepartmentLabel)
{
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("2"));
    choose(3);
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("3"));
    EXPECT_TRUE(listStatements().isEmpty());  // an option does not search

    QTest::mouseClick(label("lblPWO"), Qt::LeftButton);
    EXPECT_EQ(listStatements(), QStringList{"PWO..sp_PWO_LoadPWOPatient '', '','','',''"});
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("5"));
    clickSearch();
    EXPECT_EQ(listStatements().last(), QStringLiteral("PWO..sp_PWO_LoadERPatient '', '','','',''"));
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("5"));
    choose(0);
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("0"));
}

TEST_F(PatientListProgram, TheDepartmentListLeavesBillingDateAndErNumberEmpty)
{
    choose(3);
    clickSearch();
    ASSERT_FALSE(CurrentPatient().ERNum().isEmpty());

    QTest::mouseClick(label("lblPWO"), Qt::LeftButton);
    ASSERT_GT(rows()->rowCount(), 0);
    bool listsAnErVisit = false;
    for (int r = 0; r < rows()->rowCount(); ++r) {
        EXPECT_EQ(cell(r, billingDateColumn), QString());
        EXPECT_EQ(cell(r, erColumn), QString());
        EXPECT_FALSE(cell(r, 7).isEmpty()) << "a department patient has a case number";
        listsAnErVisit = listsAnErVisit || cell(r, admissionColumn).startsWith(QLatin1String("ER"));
    }
    EXPECT_TRUE(listsAnErVisit);
    EXPECT_TRUE(CurrentPatient().ERNum().isEmpty());
    EXPECT_EQ(CurrentPatient().PWOID(), cell(0, 7));
}

TEST_F(PatientListProgram, ClosingClearsTheIdentifiersButKeepsErNumberAndPatientType)
{
    choose(3);
    clickSearch();
    const QString erNumber = CurrentPatient().ERNum();
    ASSERT_FALSE(erNumber.isEmpty());
    ASSERT_FALSE(CurrentPatient().HospNum().isEmpty());
    list()->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    program.settle();
    EXPECT_EQ(program.window(QStringLiteral("frmListPatient")), nullptr);
    EXPECT_TRUE(program.mainWindow()->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(CurrentPatient().HospNum().isEmpty());
    EXPECT_TRUE(CurrentPatient().IDNUM().isEmpty());
    EXPECT_TRUE(CurrentPatient().PatientName().isEmpty());
    EXPECT_TRUE(CurrentPatient().PWOID().isEmpty());
    EXPECT_EQ(CurrentPatient().ERNum(), erNumber);
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("3"));
}

TEST_F(PatientListProgram, ClickingARowChoosesItAndFocusWithoutASelectionChangesNothing)
{
    clickSearch();
    ASSERT_GT(rows()->rowCount(), 2);
    clickRow(2);
    EXPECT_EQ(CurrentPatient().IDNUM(), cell(2, admissionColumn));
    EXPECT_EQ(CurrentPatient().HospNum(), cell(2, hospitalNumberColumn));

    view()->selectionModel()->clearSelection();
    CurrentPatient().setHospNum(QStringLiteral("KEPT"));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(view(), &focusIn);
    EXPECT_EQ(CurrentPatient().HospNum(), QStringLiteral("KEPT"));
}

TEST_F(PatientListProgram, HeaderClicksFlipTheOrderEveryTime)
{
    // every caption has its picture from the start, so the first click moves no caption
    const QImage blankAtStart = pictureOf(QVariant::fromValue(sortIcon(QStringLiteral("Blank"))));
    for (int c = 0; c < rows()->columnCount(); ++c)
        EXPECT_EQ(pictureOf(rows()->headerData(c, Qt::Horizontal, Qt::DecorationRole)), blankAtStart) << c;
    clickSearch();
    const int n = rows()->rowCount();
    ASSERT_GT(n, 3);
    const auto orderedBy = [&](int column, bool ascending) {
        for (int r = 1; r < n; ++r) {
            const int c = QString::compare(cell(r - 1, column), cell(r, column), Qt::CaseInsensitive);
            if (ascending ? c > 0 : c < 0)
                return false;
        }
        return true;
    };
    const QImage up = pictureOf(QVariant::fromValue(sortIcon(QStringLiteral("ArrowUp"))));
    const QImage down = pictureOf(QVariant::fromValue(sortIcon(QStringLiteral("ArrowDown"))));
    const QImage blank = pictureOf(QVariant::fromValue(sortIcon(QStringLiteral("Blank"))));
    ASSERT_NE(up, down);
    const QString chosen = CurrentPatient().IDNUM();

    clickHeader(lastNameColumn);
    EXPECT_TRUE(orderedBy(lastNameColumn, false));
    EXPECT_EQ(pictureOf(rows()->headerData(lastNameColumn, Qt::Horizontal, Qt::DecorationRole)), down);
    EXPECT_EQ(pictureOf(rows()->headerData(0, Qt::Horizontal, Qt::DecorationRole)), blank);
    // the chosen patient's row stays the selected one
    EXPECT_EQ(cell(view()->currentIndex().row(), admissionColumn), chosen);
    EXPECT_EQ(CurrentPatient().IDNUM(), chosen);

    clickHeader(lastNameColumn);
    EXPECT_TRUE(orderedBy(lastNameColumn, true));
    EXPECT_EQ(pictureOf(rows()->headerData(lastNameColumn, Qt::Horizontal, Qt::DecorationRole)), up);

    clickHeader(hospitalNumberColumn);
    EXPECT_TRUE(orderedBy(hospitalNumberColumn, false));
    EXPECT_EQ(pictureOf(rows()->headerData(hospitalNumberColumn, Qt::Horizontal, Qt::DecorationRole)), down);
    EXPECT_EQ(pictureOf(rows()->headerData(lastNameColumn, Qt::Horizontal, Qt::DecorationRole)), blank);

    // a new search is shown in the order of the headers
    clickSearch();
    EXPECT_TRUE(orderedBy(hospitalNumberColumn, false));
    EXPECT_EQ(CurrentPatient().IDNUM(), cell(0, admissionColumn));
}

TEST_F(PatientListProgram, PatientDatasheetIsEnabledOnlyForAnAdmission)
{
    QAction *datasheet = program.mainWindow()->menuItem(QStringLiteral("mnuViewPatientDatasheet"));
    clickSearch();
    ASSERT_FALSE(CurrentPatient().IDNUM().isEmpty());
    EXPECT_TRUE(datasheet->isEnabled());
    choose(1);
    clickSearch();
    ASSERT_TRUE(CurrentPatient().IDNUM().endsWith(QLatin1Char('B')));
    EXPECT_FALSE(datasheet->isEnabled());
}

TEST_F(PatientListProgram, RightClickPopsUpTheFileMenuOnlyWithAPatientAndKeepsTheChoice)
{
    QMenu *fileMenu = program.mainWindow()->menus().mnuFile;
    clickSearch();
    const QString chosen = CurrentPatient().IDNUM();
    const QPoint onThirdRow = view()->visualRect(rows()->index(2, 1)).center();
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, onThirdRow);
    EXPECT_TRUE(fileMenu->isVisible());
    EXPECT_EQ(CurrentPatient().IDNUM(), chosen);
    EXPECT_EQ(cell(view()->currentIndex().row(), admissionColumn), chosen);
    fileMenu->hide();

    CurrentPatient().setHospNum({});
    QTest::mouseClick(view()->viewport(), Qt::RightButton, {}, onThirdRow);
    EXPECT_FALSE(fileMenu->isVisible());
}

TEST_F(PatientListProgram, ClickingTheEmptyListSaysThereIsNothingToChoose)
{
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(program.prompter().asked().size(), 1);
    EXPECT_EQ(program.prompter().asked().first().prompt.text, QStringLiteral("No records found!\nSorry you can't proceed!"));
    EXPECT_EQ(program.prompter().asked().first().prompt.icon, QMessageBox::Information);
}

TEST_F(PatientListProgram, AFailingListStatementIsReportedAndChangesNothing)
{
    hospital::dbserver::ProcedureRegistry procedures = hospital::dbserver::ProcedureRegistry::standard();
    procedures.add(QStringLiteral("PWO"), QStringLiteral("sp_PWO_LoadInPatient"),
                   std::make_unique<hospital::dbserver::SqlProcedure>(
                       QStringLiteral("sp_PWO_LoadInPatient"),
                       std::vector<hospital::dbserver::SqlProcedure::Parameter>{
                           {"@HospNum", "varchar"}, {"@LastName", "varchar"}, {"@IdNum", "varchar"},
                           {"@FirstName", "varchar"}, {"@MiddleName", "varchar"}},
                       QStringLiteral("SELECT IdNum FROM PWO.tbGone")));
    hospital::dbserver::registerStandInProvider(procedures);
    program.scriptLogin(QStringLiteral("demo"), QStringLiteral("demo"));
    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnClose"))->click();  // a new session
    program.settle();
    program.mainWindow()->showPatientList();
    ASSERT_NE(list(), nullptr);

    choose(1);
    clickSearch();
    const int shownRows = rows()->rowCount();
    ASSERT_GT(shownRows, 0);
    choose(0);
    const CurrentPatientProperties::Values before = CurrentPatient().values();
    program.prompter().clear();
    clickSearch();

    ASSERT_EQ(program.prompter().asked().size(), 1);
    EXPECT_EQ(program.prompter().asked().first().prompt.icon, QMessageBox::Critical);
    EXPECT_TRUE(program.prompter().asked().first().prompt.text.contains(QLatin1String("tbGone")));
    EXPECT_EQ(CurrentPatient().HospNum(), before.HospNum);
    EXPECT_EQ(CurrentPatient().IDNUM(), before.IDNUM);
    EXPECT_EQ(CurrentPatient().PatientName(), before.PatientName);
    EXPECT_EQ(rows()->rowCount(), shownRows);
    EXPECT_TRUE(view()->isEnabled());
    EXPECT_FALSE(list()->findChild<QProgressBar *>(QStringLiteral("pbProgress"))->isVisible());

    choose(1);
    clickSearch();
    EXPECT_EQ(program.prompter().asked().size(), 1);
    EXPECT_EQ(rows()->rowCount(), shownRows);
}

TEST_F(PatientListProgram, ListingReopensTheListAndSearchesByTheNumbers)
{
    clickSearch();
    const QString hospitalNumber = cell(1, hospitalNumberColumn);
    const QString admission = cell(1, admissionColumn);
    const QString name = cell(1, 3) + ", " + cell(1, 4) + " " + cell(1, 5);
    box("txtHospNum")->setText(hospitalNumber);
    box("txtIDNum")->setText(admission);
    box("txtLastname")->setText(QStringLiteral("WHATEVER"));
    choose(1);
    StatementTrace::instance().clear();

    program.control<QToolButton>(QStringLiteral("mdiPWO"), QStringLiteral("btnListing"))->click();
    program.settle();
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(box("txtHospNum")->text(), hospitalNumber);
    EXPECT_EQ(box("txtIDNum")->text(), admission);
    EXPECT_EQ(box("txtLastname")->text(), QStringLiteral("WHATEVER"));
    EXPECT_TRUE(list()->findChild<QRadioButton *>(QStringLiteral("optPatientType_0"))->isChecked());
    EXPECT_EQ(listStatements(),
              QStringList{QStringLiteral("PWO..sp_PWO_LoadInPatient '%1', '','%2','',''").arg(hospitalNumber, admission)});
    ASSERT_EQ(rows()->rowCount(), 1);
    EXPECT_EQ(CurrentPatient().HospNum(), hospitalNumber);
    EXPECT_EQ(CurrentPatient().IDNUM(), admission);
    EXPECT_EQ(CurrentPatient().PatientName(), name);
}

TEST_F(PatientListProgram, TheDepartmentLabelLooksLikeALink)
{
    auto *link = qobject_cast<LinkLabel *>(label("lblPWO"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_FALSE(link->font().underline());
}

TEST_F(PatientListProgram, TabFollowsTheScreenAndTheDepartmentLabelWorksFromTheKeyboard)
{
    QStringList chain;
    QWidget *stop = box("txtLastname");
    for (int i = 0; i < 13; ++i) {
        chain << stop->objectName();
        do
            stop = stop->nextInFocusChain();
        while (!(stop->focusPolicy() & Qt::TabFocus) || !stop->isVisibleTo(list()));
    }
    EXPECT_EQ(chain, (QStringList{"txtLastname", "txtHospNum", "txtIDNum", "txtFirstname", "txtMiddleName",
                                  "cmdSearch", "optPatientType_0", "optPatientType_1", "optPatientType_2",
                                  "optPatientType_3", "lblPWO", "cmdClose", "lvwSearchPatient"}));

    auto *link = qobject_cast<LinkLabel *>(label("lblPWO"));
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(CurrentPatient().PatientType(), QStringLiteral("5"));
    EXPECT_TRUE(listStatements().last().startsWith(QLatin1String("PWO..sp_PWO_LoadPWOPatient")));
}

TEST_F(PatientListProgram, NumbersAndDatesAreShownWholeAndRowsClearTheTilde)
{
    clickSearch();
    QHeaderView *header = view()->header();
    for (int c : {admissionColumn, hospitalNumberColumn, 2, 7, 9}) {
        QString longest;
        for (int r = 0; r < rows()->rowCount(); ++r)
            if (cell(r, c).size() > longest.size())
                longest = cell(r, c);
        EXPECT_GE(header->sectionSize(c), view()->fontMetrics().horizontalAdvance(longest)) << c;
    }
    EXPECT_GT(view()->visualRect(rows()->index(0, 0)).height(), view()->fontMetrics().height());
}

TEST_F(PatientListProgram, DraggingTheSplitterMovesTheListAndKeepsBothSidesInView)
{
    QWidget *splitter = list()->findChild<QWidget *>(QStringLiteral("imgSplitter"));
    QWidget *bar = list()->findChild<QWidget *>(QStringLiteral("picSplitter"));
    QWidget *listFrame = view()->parentWidget();
    const auto drag = [&](int byPixels) {
        const QPoint start(splitter->width() / 2, 10);
        QMouseEvent press(QEvent::MouseButtonPress, start, splitter->mapToGlobal(start), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(splitter, &press);
        EXPECT_TRUE(bar->isVisible());
        const QPoint to(start.x() + byPixels, 10);
        QMouseEvent move(QEvent::MouseMove, to, splitter->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(splitter, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, splitter->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(splitter, &release);
        EXPECT_FALSE(bar->isVisible());
    };
    const int frameLeft = listFrame->x();
    drag(100);
    EXPECT_GT(listFrame->x(), frameLeft + 90);
    EXPECT_LT(listFrame->x(), frameLeft + 110);
    EXPECT_LE(listFrame->geometry().right(), list()->width());

    drag(-10000);  // as far left as the splitter may go: the boxes keep a width of zero or more
    EXPECT_GE(box("txtLastname")->width(), 0);
    EXPECT_GT(listFrame->x(), 0);
    drag(10000);
    EXPECT_LT(splitter->x(), list()->width());
}
