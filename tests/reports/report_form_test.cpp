#include "LayoutTestSupport.h"
#include "ProgramUnderTest.h"
#include "TestPrinters.h"

#include "reports/DefinitionError.h"
#include "reports/DefinitionParser.h"
#include "reports/Report.h"
#include "reports/ReportLayout.h"
#include "core/modGlobals.h"
#include "data/Connection.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pwo;
using namespace pwo::reports;

namespace {

constexpr double mm = 72.0 / 25.4;
const double margin = 12 * mm;  // the page's left and top edge of the body

// A definition read from a folder of its own, which also holds a small picture.
class FormFolder {
public:
    FormFolder()
    {
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        logo.save(dir_.filePath(QStringLiteral("logo.png")));
    }
    ReportDefinition parse(const QString &text) const
    {
        return parseDefinition(text, dir_.filePath(QStringLiteral("Form.rpt")));
    }

private:
    QTemporaryDir dir_;
};

const PageItem *textItem(const LaidOutReport &report, const QString &text, size_t *page = nullptr)
{
    for (size_t p = 0; p < report.pages.size(); ++p)
        for (const PageItem &item : report.pages[p].items)
            if (item.kind == PageItem::Kind::Text && item.text == text) {
                if (page)
                    *page = p;
                return &item;
            }
    return nullptr;
}

std::vector<QRectF> itemsOfKind(const LaidOutPage &page, PageItem::Kind kind)
{
    std::vector<QRectF> rects;
    for (const PageItem &item : page.items)
        if (item.kind == kind)
            rects.push_back(item.rect);
    return rects;
}

bool hasRule(const LaidOutPage &page, const QRectF &wanted)
{
    for (const QRectF &rect : itemsOfKind(page, PageItem::Kind::Rule))
        if (std::abs(rect.left() - wanted.left()) < 0.01 && std::abs(rect.top() - wanted.top()) < 0.01 &&
            std::abs(rect.width() - wanted.width()) < 0.01 && std::abs(rect.height() - wanted.height()) < 0.01)
            return true;
    return false;
}

ReportRows rowsOf(const QStringList &columns, std::initializer_list<std::vector<Value>> rows)
{
    ReportRows r;
    r.columns = columns;
    r.rows = rows;
    return r;
}

int faultLine(const QString &text, QString *reason = nullptr)
{
    try {
        FormFolder().parse(text);
    } catch (const DefinitionError &error) {
        if (reason)
            *reason = error.reason();
        return error.line();
    }
    return 0;
}

} // namespace

TEST(ReportForm, ItemsStandWhereTheyAreDeclaredInMillimetresOrTwips)
{
    const FormFolder folder;
    const ReportDefinition d = folder.parse(QStringLiteral(R"([report]
[query]
SELECT name FROM t
[band]
height = 40
label = 10, 5, 60, 5 | bold | Name:
field = 30, 5, 60, 5 | upper(name)
box   = 0, 12, 100, 20 | 1
line  = 0, 35, 190, 35
line  = 95, 12, 95, 32
image = 150, 0, 40, 10 | logo.png
[band]
unit = twips
height = 1440
label = 1440, 720, 2880, 288 | Below, in twips
)"));
    const LaidOutReport report = layOut(d, rowsOf({QStringLiteral("name")}, {{Value("Cruz")}}), {});
    ASSERT_EQ(report.pages.size(), 1u);
    const LaidOutPage &page = report.pages.front();

    const PageItem *label = textItem(report, QStringLiteral("Name:"));
    ASSERT_TRUE(label);
    EXPECT_NEAR(label->rect.left(), margin + 10 * mm, 0.01);
    EXPECT_NEAR(label->rect.top(), margin + 5 * mm, 0.01);
    EXPECT_TRUE(label->style.bold);
    const PageItem *field = textItem(report, QStringLiteral("CRUZ"));
    ASSERT_TRUE(field);
    EXPECT_NEAR(field->rect.left(), margin + 30 * mm, 0.01);

    // The box's four sides, one point thick as asked; the lines half a point.
    EXPECT_TRUE(hasRule(page, QRectF(margin, margin + 12 * mm, 100 * mm + 1, 1)));
    EXPECT_TRUE(hasRule(page, QRectF(margin, margin + 32 * mm, 100 * mm + 1, 1)));
    EXPECT_TRUE(hasRule(page, QRectF(margin + 100 * mm, margin + 12 * mm, 1, 20 * mm)));
    EXPECT_TRUE(hasRule(page, QRectF(margin, margin + 35 * mm, 190 * mm, 0.5)));
    EXPECT_TRUE(hasRule(page, QRectF(margin + 95 * mm, margin + 12 * mm, 0.5, 20 * mm)));

    // The picture keeps its shape, centred in its place: 20 x 10 mm of the 40 x 10.
    const std::vector<QRectF> images = itemsOfKind(page, PageItem::Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NEAR(images[0].left(), margin + 160 * mm, 0.01);
    EXPECT_NEAR(images[0].width(), 20 * mm, 0.01);
    EXPECT_NEAR(images[0].height(), 10 * mm, 0.01);

    // The second band begins below the first's 40 mm; 1440 twips are an inch.
    const PageItem *twips = textItem(report, QStringLiteral("Below, in twips"));
    ASSERT_TRUE(twips);
    EXPECT_NEAR(twips->rect.left(), margin + 72, 0.01);
    EXPECT_NEAR(twips->rect.top(), margin + 40 * mm + 36, 0.01);
}

TEST(ReportForm, CheckBoxesTickFromAFlagOrFromOneCharacterOfAFlagString)
{
    const FormFolder folder;
    const ReportDefinition d = folder.parse(QStringLiteral(R"([report]
[query]
SELECT flag, docs FROM t
[band]
height = 10
check = 0, 0, 4 | flag
check = 10, 0, 4 | char 3 | docs
)"));
    const auto ticks = [&](const Value &flag, const Value &docs) {
        const LaidOutReport report =
            layOut(d, rowsOf({QStringLiteral("flag"), QStringLiteral("docs")}, {{flag, docs}}), {});
        QString marks;
        for (const PageItem &item : report.pages.front().items)
            if (item.kind == PageItem::Kind::Text && item.text == u"X")
                marks += item.rect.left() < margin + 5 * mm ? QStringLiteral("flag ") : QStringLiteral("char ");
        return marks.trimmed();
    };
    // The third character of "1|0|1|..." is the second flag.
    EXPECT_EQ(ticks(Value("Y"), Value("1|0|0")), QStringLiteral("flag"));
    EXPECT_EQ(ticks(Value(1), Value("0|1|0")), QStringLiteral("flag char"));
    // Flags written N, No, F, False or 0 are not set, whatever their case.
    EXPECT_EQ(ticks(Value("N"), Value("0|Y|0")), QStringLiteral("char"));
    EXPECT_EQ(ticks(Value("no"), Value("1|n|1")), QString());
    EXPECT_EQ(ticks(Value(0), Value::null()), QString());
    EXPECT_EQ(ticks(Value::null(), Value("1")), QString());  // a string too short has no third character
    EXPECT_EQ(ticks(Value(" "), Value("0|1|0")), QStringLiteral("char"));
    // An empty box is drawn all the same: its four sides.
    const LaidOutReport empty =
        layOut(d, rowsOf({QStringLiteral("flag"), QStringLiteral("docs")}, {{Value("N"), Value("")}}), {});
    EXPECT_TRUE(hasRule(empty.pages.front(), QRectF(margin, margin, 4 * mm + 0.5, 0.5)));
}

TEST(ReportForm, AnImageIsReadWithTheFileAndAMissingOneIsReportedWithItsLine)
{
    QString reason;
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nheight = 10\n\nimage = 0, 0, 10, 10 | crest.png\n"), &reason),
              5);
    EXPECT_TRUE(reason.contains(QStringLiteral("crest.png"))) << reason.toStdString();
    // Pictures come from the report's own folder only.
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nimage = 0, 0, 10, 10 | ../logo.png\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nimage = 0, 0, 10, 10 | /etc/passwd\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nimage = 0, 0, 10, 10 | logo.png\n")), 0);
}

TEST(ReportForm, FaultsOfABandAreReportedWithLineAndColumnBeforeAnyQuery)
{
    QString reason;
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[parameters]\nx = text\n[band]\nfield = 0, 0, 50, 5 | x +\n"),
                        &reason),
              5);
    EXPECT_TRUE(reason.contains(QStringLiteral("column"))) << reason.toStdString();
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nfield = 0, 0, 50, 5 | nobody\n"), &reason), 3);
    EXPECT_TRUE(reason.contains(QStringLiteral("nobody"))) << reason.toStdString();
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[parameters]\nx = text\n[band]\ncheck = 0, 0, 4 | x * 2\n"), &reason),
              5);
    EXPECT_TRUE(reason.contains(QStringLiteral("column 19"))) << reason.toStdString();
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nline = 0, 0, 10, 10\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\ncheck = 0, 0, 4 | char 0 | x\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nlabel = 0, 0, 10, 5 | a\nunit = twips\n")), 4);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nsticker = 0, 0, 10, 5 | a\n")), 3);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nsubreport = 0, 0, 100 | Nowhere\n")), 3);
    // A placed subreport's parameter must find a value of its name where it is placed.
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[band]\nsubreport = 0, 0, 100 | Inner\n"
                                       "[subreport Inner]\n[parameters]\nhospNum = text\n"),
                        &reason),
              3);
    EXPECT_TRUE(reason.contains(QStringLiteral("hospNum"))) << reason.toStdString();
    // Nothing places itself, nor a part that places it.
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[subreport A]\n[band]\nsubreport = 0, 0, 100 | A\n")), 4);
    EXPECT_EQ(faultLine(QStringLiteral("[report]\n[query]\nSELECT 1 a\n[columns]\na | A | 10\n[band]\n")), 6);
}

TEST(ReportForm, AWrappedNarrativeGrowsItsBoxAndMovesWhatLiesBelow)
{
    const FormFolder folder;
    const ReportDefinition d = folder.parse(QStringLiteral(R"([report]
[query]
SELECT narrative FROM t
[band]
height = 30
box   = 0, 0, 100, 15
field = 2, 2, 96, 5 | narrative
label = 0, 20, 50, 5 | Signed
)"));
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("word%1").arg(i);
    const LaidOutReport report = layOut(d, rowsOf({QStringLiteral("narrative")}, {{Value(words.join(u' '))}}), {});
    const LaidOutPage &page = report.pages.front();
    double lastLine = 0;
    QStringList printed;
    for (const PageItem &item : page.items)
        if (item.kind == PageItem::Kind::Text && item.text.startsWith(u"word")) {
            printed << item.text;
            EXPECT_LE(item.rect.width(), 96 * mm + 0.01);
            lastLine = std::max(lastLine, item.rect.bottom());
        }
    ASSERT_GT(printed.size(), 2);
    EXPECT_EQ(printed.join(u' '), words.join(u' '));
    const double growth = lastLine - (margin + 7 * mm);
    ASSERT_GT(growth, 0);
    // The box's bottom and the label below moved down as far as the text grew.
    EXPECT_TRUE(hasRule(page, QRectF(margin, margin + 15 * mm + growth, 100 * mm + 0.5, 0.5)));
    const PageItem *signedLabel = textItem(report, QStringLiteral("Signed"));
    ASSERT_TRUE(signedLabel);
    EXPECT_NEAR(signedLabel->rect.top(), margin + 20 * mm + growth, 0.01);
}

TEST(ReportForm, ABandTallerThanAPageGoesOnOverPagesWithItsTextWholeAndInOrder)
{
    const FormFolder folder;
    const ReportDefinition d = folder.parse(QStringLiteral(R"([report]
[query]
SELECT narrative FROM t
[band]
height = 20
label = 0, 0, 50, 5 | Assessment
box   = 0, 6, 190, 10
field = 2, 8, 186, 5 | narrative
label = 0, 18, 50, 5 | Signed
)"));
    QStringList words;
    for (int i = 0; i < 2000; ++i)
        words << QStringLiteral("w%1").arg(i);
    const LaidOutReport report = layOut(d, rowsOf({QStringLiteral("narrative")}, {{Value(words.join(u' '))}}), {});
    ASSERT_GT(report.pages.size(), 1u);
    QStringList printed;
    for (const LaidOutPage &page : report.pages) {
        double textTop = report.sizePoints.height(), textBottom = 0, sideTop = textTop, sideBottom = 0;
        for (const PageItem &item : page.items) {
            EXPECT_LE(item.rect.bottom(), report.sizePoints.height() - margin);
            if (item.kind == PageItem::Kind::Text && item.text.startsWith(u'w')) {
                printed << item.text;
                textTop = std::min(textTop, item.rect.top());
                textBottom = std::max(textBottom, item.rect.bottom());
            }
            if (item.kind == PageItem::Kind::Rule && item.rect.height() > item.rect.width()) {
                sideTop = std::min(sideTop, item.rect.top());
                sideBottom = std::max(sideBottom, item.rect.bottom());
            }
        }
        // The box goes on down every page the text does.
        if (textBottom > 0) {
            EXPECT_LE(sideTop, textTop);
            EXPECT_GE(sideBottom, textBottom);
        }
    }
    EXPECT_EQ(printed.join(u' '), words.join(u' '));
    size_t signedPage = 0;
    ASSERT_TRUE(textItem(report, QStringLiteral("Signed"), &signedPage));
    EXPECT_EQ(signedPage, report.pages.size() - 1);
}

// The form and the list share a small demo: two patients, each with stays of their own.
class FormOnTheDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        program_.startAs();
        program_.database().sqlite(QStringLiteral(
            "INSERT INTO PATIENT_DATA.tbMaster (HospNum, LastName, FirstName, Sex) VALUES "
            "('F0000001', 'FORMA', 'ANA', 'F'), ('F0000002', 'FORMB', 'BEN', 'M');"
            "INSERT INTO PATIENT_DATA.tbPatient2 (IdNum, HospNum, AdmDate, AdmittingDiagnosis) VALUES "
            "('FA1', 'F0000001', '2026-01-05 00:00:00', 'FEVER OF ANA'),"
            "('FA2', 'F0000001', '2026-02-05 00:00:00', 'COUGH OF ANA'),"
            "('FB1', 'F0000002', '2026-03-05 00:00:00', 'FRACTURE OF BEN');"));
    }

    LaidOutReport render(const QString &text)
    {
        Report report(parseDefinition(text, QStringLiteral("Form.rpt")));
        return report.render(*globals().Connection, QStringLiteral("ANA"));
    }

    QStringList statementsWith(const QString &part) const { return program_.statementTexts().filter(part); }

    ProgramUnderTest program_;
};

// The texts of each page joined, to see what printed with what.
QStringList pageTexts(const LaidOutReport &report)
{
    QStringList pages;
    for (const LaidOutPage &page : report.pages) {
        QStringList texts;
        for (const PageItem &item : page.items)
            if (item.kind == PageItem::Kind::Text)
                texts << item.text;
        pages << texts.join(u'|');
    }
    return pages;
}

TEST_F(FormOnTheDemo, ASubTableRunsItsQueryWithEachRowsValuesAndEachFormGetsItsOwnRows)
{
    const LaidOutReport report = render(QStringLiteral(R"([report]
[query]
SELECT HospNum, LastName FROM PATIENT_DATA..tbMaster WHERE HospNum LIKE 'F000000%' ORDER BY HospNum
[band]
new page = yes
height = 40
field = 0, 0, 100, 5 | LastName
subreport = 0, 10, 150, 10 | Stays
label = 0, 30, 50, 5 | Signed
[subreport Stays]
[parameters]
HospNum = text
[query]
SELECT IdNum, AdmittingDiagnosis [Diagnosis] FROM PATIENT_DATA..tbPatient2 WHERE HospNum = @HospNum ORDER BY AdmDate
[columns]
IdNum     | No.       | 20
Diagnosis | Diagnosis | 100
# Inside a band a subreport breaks where the band does, whatever it asks.
[group IdNum]
header = | Stay
new page = yes
)"));
    EXPECT_EQ(statementsWith(QStringLiteral("FROM PATIENT_DATA..tbPatient2")),
              (QStringList{"SELECT IdNum, AdmittingDiagnosis [Diagnosis] FROM PATIENT_DATA..tbPatient2 WHERE HospNum = "
                           "'F0000001' ORDER BY AdmDate",
                           "SELECT IdNum, AdmittingDiagnosis [Diagnosis] FROM PATIENT_DATA..tbPatient2 WHERE HospNum = "
                           "'F0000002' ORDER BY AdmDate"}));
    const QStringList pages = pageTexts(report);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("FORMA|No.|Diagnosis|Stay|FA1|FEVER OF ANA|Stay|FA2|COUGH OF ANA|Signed")))
        << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains(QStringLiteral("BEN")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("FORMB|No.|Diagnosis|Stay|FB1|FRACTURE OF BEN|Signed")))
        << pages[1].toStdString();
    EXPECT_FALSE(pages[1].contains(QStringLiteral("OF ANA")));
    // The table's place grew for Ana's two stays; the label below went with it.
    EXPECT_GT(textItem(report, QStringLiteral("Signed"))->rect.top(), margin + 30 * mm);
    EXPECT_FALSE(globals().Connection->inTransaction());
}

TEST_F(FormOnTheDemo, ASubreportInAGroupPrintsAtTheGroupsEndBoundToItsRow)
{
    const LaidOutReport report = render(QStringLiteral(R"([report]
[query]
SELECT m.HospNum, m.LastName, p.IdNum FROM PATIENT_DATA..tbMaster m
  JOIN PATIENT_DATA..tbPatient2 p ON p.HospNum = m.HospNum
 WHERE m.HospNum LIKE 'F000000%' ORDER BY m.HospNum, p.IdNum
[columns]
IdNum | Stay | 30
[group LastName]
subreport = Count
footer text = | End of {LastName}
[subreport Count]
[parameters]
HospNum = text
[query]
SELECT count(*) [Stays] FROM PATIENT_DATA..tbPatient2 WHERE HospNum = @HospNum
[header]
| {HospNum} has {Stays} stay(s)
)"));
    const QString texts = pageTexts(report).join(u'|');
    EXPECT_TRUE(texts.contains(QStringLiteral("FORMA|FA1|FA2|F0000001 has 2 stay(s)|End of FORMA|FORMB|FB1|"
                                              "F0000002 has 1 stay(s)|End of FORMB")))
        << texts.toStdString();
    EXPECT_EQ(statementsWith(QStringLiteral("SELECT count(*) [Stays]")).size(), 2);
}

// The page of the assessment and referral form for one stay, as the window prints it.
class AssessmentFormOnTheDemo : public FormOnTheDemo {
protected:
    void SetUp() override
    {
        FormOnTheDemo::SetUp();
        program_.database().sqlite(QStringLiteral(
            "INSERT INTO PWO.tbPWOAssessment (IDNUM, HospNum, PWONum, Code, PWODiscountValidity, PWODiscountExpiry, "
            "CaseCategory, ReferringPartyID, PWOW, casestatus, Active, REMARKS, NC, IsPCSO, IsCDF, IsSpecial, pcsotype, "
            "serviceid, activityid, docs, DateAssessed) VALUES ('FA1', 'F0000001', '2026-55555', 'C2', "
            "'2026-01-06 00:00:00', '2026-07-05 00:00:00', '02', '4', '10002', 'O', 'Y', '%1', 1500.5, '1', '', "
            "'True', 'G', '1.2|1.1|', '1.1.1|', '0|1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1|', '2026-01-06 09:00:00');")
                                       .arg(remarks));
    }

    LaidOutReport renderForm()
    {
        const std::shared_ptr<Report> form =
            Report::open(QDir(QStringLiteral(PWO_REPORTS_SOURCE)).filePath(QStringLiteral("ARR_New.rpt")));
        form->setParameterValues({}, {Value("F0000001"), Value("FA1"), Value("JUANA CRUZ"), Value("RSW-0042"),
                                      Value("DR. SANTOS")});
        return form->render(*globals().Connection, QStringLiteral("ANA"));
    }

    const QString remarks = QStringLiteral(
        "The watcher asked for help with the medicines and the bill; a home visit was agreed to confirm the "
        "household income, and a guarantee letter was prepared for the balance.");
};

// Whether the check box just left of the text holds its X.
bool tickedBeside(const LaidOutReport &report, const QString &text)
{
    const PageItem *label = textItem(report, text);
    if (!label)
        return false;
    for (const PageItem &item : report.pages.front().items)
        if (item.kind == PageItem::Kind::Text && item.text == u"X" && item.rect.right() <= label->rect.left() &&
            label->rect.left() - item.rect.right() < 3 * mm && item.rect.top() < label->rect.bottom() &&
            item.rect.bottom() > label->rect.top())
            return true;
    return false;
}

TEST_F(AssessmentFormOnTheDemo, PrintsTheStaysCaseServicesRemarksAndTicksOnOnePage)
{
    const LaidOutReport report = renderForm();
    ASSERT_EQ(report.pages.size(), 1u);
    const QStringList texts = report.texts();
    for (const char *expected : {"FORMA, ANA", "2026-55555", "C2 - Financially limited (50% discount)",
                                 "07/05/2026 11:59 PM", "Old Case (follow-up)", "1,500.50", "Licence No. RSW-0042",
                                 "JUANA CRUZ", "Interview of the Patient"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(expected))) << expected;
    // The services in the order the worker picked them, from their code string.
    const qsizetype discount = texts.indexOf(QStringLiteral("Discount on Hospital Bill"));
    ASSERT_GE(discount, 0);
    EXPECT_GT(texts.indexOf(QStringLiteral("Counseling")), discount);
    EXPECT_TRUE(texts.join(u' ').contains(remarks));

    // The second and the last documentation flag, named from the documentation table.
    EXPECT_TRUE(tickedBeside(report, QStringLiteral("Patients Profile")));
    EXPECT_TRUE(tickedBeside(report, QStringLiteral("Others")));
    EXPECT_FALSE(tickedBeside(report, QStringLiteral("Intake Sheet")));
    EXPECT_FALSE(tickedBeside(report, QStringLiteral("Registration Logbook")));
    // The tags as the window reads the stored flags: "1" and "True" are set, empty is not.
    EXPECT_TRUE(tickedBeside(report, QStringLiteral("c/o PCSO (Guarantee Letter)")));
    EXPECT_FALSE(tickedBeside(report, QStringLiteral("c/o Sponsor / CDF")));
    EXPECT_TRUE(tickedBeside(report, QStringLiteral("Special")));
}

// The intake sheet of one patient as Save/Print prints it: a household typed
// out of alphabetical order, one rated role, and an assessment of 3 000 characters.
class IntakeSheetOnTheDemo : public FormOnTheDemo {
protected:
    void SetUp() override
    {
        FormOnTheDemo::SetUp();
        while (assessment.size() < 3000)
            assessment += QStringLiteral("The family of %1 depends on the harvest and on relatives for the bill. ")
                              .arg(assessment.size());
        assessment = assessment.trimmed();
        program_.database().sqlite(QStringLiteral(
            "INSERT INTO PWO.tbPWOIntakeSheet (HospNum, LastName, FirstName, MiddleName, Sex, SenCitizen, brgyOfficial, "
            "BHW, PWD, Indigenous, PWONumber) VALUES ('F0000001', 'FORMA', 'ANA', 'REYES', 'Female', '0', '0', '0', "
            "'1', '0', '2026-77777');"
            "INSERT INTO PWO.tbPWOOtherPatientInfo (HospNum, Assessment, RecommendedInterventions) VALUES "
            "('F0000001', '%1', 'Home visit after discharge.');"
            "INSERT INTO PWO.tbPWOMonthlyExpenses (HospNum, Food, TotalMonthlyExpenditure) VALUES "
            "('F0000001', '4000', '4850.50');"
            "INSERT INTO PWO.tbPWOFamilyComposition (Number, HospNum, FamilyMember, Relationship, Income, TotalIncome) "
            "VALUES (900001, 'F0000001', 'PEDRO FORMA', 'Husband', 9000, 9000), "
            "(900002, 'F0000001', 'CARLA FORMA', 'Daughter', 0, 9000), "
            "(900003, 'F0000001', 'BRUNO FORMA', 'Son', 0, 9000);"
            "INSERT INTO PWO.tbPWOSocialFunctioning (HospNum, Description, Interaction, SeverityIndex, DurationIndex, "
            "CopingIndex) SELECT 'F0000001', ID, '7', '5', '', '' FROM PWO.tbPWORoles WHERE Role = 'SPOUSE';"
            "INSERT INTO PWO.tbPWOSocialFunctioning (HospNum, Description, Interaction, SeverityIndex, DurationIndex, "
            "CopingIndex) SELECT 'F0000001', ID, '', '', '', '' FROM PWO.tbPWORoles WHERE Role = 'CHILD';")
                                       .arg(assessment));
    }

    LaidOutReport renderSheet()
    {
        const std::shared_ptr<Report> sheet =
            Report::open(QDir(QStringLiteral(PWO_REPORTS_SOURCE)).filePath(QStringLiteral("AssessmentTool.rpt")));
        sheet->setParameterValues({}, {Value("PATIENT WELFARE OFFICE"), Value("Rizal Avenue, Cabanatuan City"),
                                       Value("F0000001"), Value("F0000001")});
        return sheet->render(*globals().Connection, QStringLiteral("ANA"));
    }

    QString assessment;
};

TEST_F(IntakeSheetOnTheDemo, PrintsTheFamilyInTypedOrderTheRatingsGivenAndTheWholeAssessment)
{
    const LaidOutReport report = renderSheet();
    EXPECT_LE(report.pages.size(), 3u);
    const QStringList texts = report.texts();
    for (const char *expected : {"FORMA, ANA REYES", "PATIENT WELFARE OFFICE", "INTAKE SHEET", "4850.50", "9,000.00",
                                 "FAMILIAL ROLES", "SPOUSE", "7. Victimization", "5. Very high"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(expected))) << expected;
    const qsizetype pedro = texts.indexOf(QStringLiteral("PEDRO FORMA"));
    ASSERT_GE(pedro, 0);
    EXPECT_GT(texts.indexOf(QStringLiteral("CARLA FORMA")), pedro);
    EXPECT_GT(texts.indexOf(QStringLiteral("BRUNO FORMA")), texts.indexOf(QStringLiteral("CARLA FORMA")));
    // A role left unrated is not printed.
    EXPECT_FALSE(texts.contains(QStringLiteral("CHILD")));
    EXPECT_TRUE(texts.join(u' ').contains(assessment));

    EXPECT_TRUE(tickedBeside(report, QStringLiteral("PWD")));
    EXPECT_FALSE(tickedBeside(report, QStringLiteral("Senior Citizen")));
    EXPECT_FALSE(tickedBeside(report, QStringLiteral("BHW")));
    EXPECT_FALSE(globals().Connection->inTransaction());
}
