#include "FolderSql.h"
#include "ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(240000))
        return {-1, {}, program + QStringLiteral(" did not finish: ") + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

ToolRun report(const QStringList &arguments)
{
    return run(QStringLiteral(PWO_REPORT_PATH), arguments);
}

QString shipped(const QString &name)
{
    return QDir(QStringLiteral(PWO_REPORTS_SOURCE)).filePath(name);
}

// One demo hospital for the whole program: 20 000 patients fill the lists.
class ReportTool : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new QTemporaryDir;
        const ToolRun made = run(QStringLiteral(PWO_DEMODB_PATH),
                                 {QStringLiteral("--patients"), QStringLiteral("20000"), QStringLiteral("--out"),
                                  folder_->filePath(QStringLiteral("db")), QStringLiteral("--today"),
                                  QStringLiteral("2026-11-30")});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        // Amounts ten times the demo's make the list's totals wider than their column.
        runSqliteOnFolder(db(), QStringLiteral("UPDATE PWO.tbPWOAssessment SET NC = NC * 10"));
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        folder_ = nullptr;
    }
    static QString db() { return folder_->filePath(QStringLiteral("db")); }
    static QString out(const QString &name) { return folder_->filePath(name); }

private:
    static QTemporaryDir *folder_;
};

QTemporaryDir *ReportTool::folder_ = nullptr;

} // namespace

TEST_F(ReportTool, AValueCountThatDoesNotMatchIsRefusedNamingTheParameters)
{
    const QString pdf = out(QStringLiteral("short.pdf"));
    const ToolRun one = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("11/01/2026")});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_TRUE(one.err.contains(QStringLiteral("2 value(s): startDate, endDate; 1 given"))) << one.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    const ToolRun three = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                  shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("11/01/2026"),
                                  QStringLiteral("11/30/2026"), QStringLiteral("extra")});
    EXPECT_EQ(three.exitCode, 1);
    EXPECT_TRUE(three.err.contains(QStringLiteral("3 given"))) << three.err.toStdString();
}

TEST_F(ReportTool, ALongListPrintsEveryNumberAndIdentifierWhole)
{
    const QString pdf = out(QStringLiteral("assessments.pdf"));
    const ToolRun made = report({QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                 shipped(QStringLiteral("ListofAssessment.rpt")), QStringLiteral("01/01/2000"),
                                 QStringLiteral("12/31/2030")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_FALSE(text.contains(QChar(0x2026))) << "a text was cut";
    EXPECT_TRUE(text.contains(QStringLiteral("Total assessments")));
    // The grand total of the counterparts, digits and cents together.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total assessments\\s+\\d{1,3}(,\\d{3})+\\.\\d\\d"))))
        << text.right(400).toStdString();
}

TEST_F(ReportTool, CheckListsEveryFaultWithItsLineAndPngWritesAPictureAPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Faulty.rpt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"([report]
[parameters]
startDate = date
[header]
| {startDate + 1}
| {HospNum} {nosuch}
[query]
SELECT HospNum, LastName FROM PATIENT_DATA..tbMaster
[columns]
HospNum  | Hosp. No. | 30
FirstNam | First     | 30
)");
    file.close();
    const ToolRun checked = report({QStringLiteral("--db"), db(), QStringLiteral("--check"), path, QStringLiteral("01/01/2026")});
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_TRUE(checked.err.contains(QStringLiteral("line 5: column 4: a date"))) << checked.err.toStdString();
    // The names of the query are known once it is bound against the database.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"([report]
[header]
| {HospNum} {nosuch}
[query]
SELECT HospNum, LastName FROM PATIENT_DATA..tbMaster
[columns]
HospNum  | Hosp. No. | 30
FirstNam | First     | 30
)");
    file.close();
    const ToolRun bound = report({QStringLiteral("--db"), db(), QStringLiteral("--check"), path});
    EXPECT_EQ(bound.exitCode, 1);
    EXPECT_TRUE(bound.err.contains(QStringLiteral("line 3: column 14: \"nosuch\""))) << bound.err.toStdString();
    EXPECT_TRUE(bound.err.contains(QStringLiteral("line 8: the query returns no field \"FirstNam\""))) << bound.err.toStdString();

    const QString images = dir.filePath(QStringLiteral("pages"));
    const ToolRun drawn = report({QStringLiteral("--db"), db(), QStringLiteral("--png"), images,
                                  shipped(QStringLiteral("ListofGrantees.rpt"))});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err.toStdString();
    const QStringList pngs = QDir(images).entryList({QStringLiteral("*.png")});
    EXPECT_GT(pngs.size(), 1);
    EXPECT_EQ(pngs.value(0), QStringLiteral("ListofGrantees-001.png"));
    const QImage first(QDir(images).filePath(pngs.value(0)));
    EXPECT_GT(first.width(), 1000);  // landscape letter at 110 dpi
}

TEST_F(ReportTool, TheSampleFormPrintsAPageAnAssessmentWithItsNarrativeWholeAndNamesAMissingLogo)
{
    const QStringList period{QStringLiteral("11/01/2026"), QStringLiteral("11/10/2026")};
    const ToolRun checked = report(QStringList{QStringLiteral("--db"), db(), QStringLiteral("--check"),
                                               shipped(QStringLiteral("SamplePatientForm.rpt"))} + period);
    EXPECT_EQ(checked.exitCode, 0) << checked.err.toStdString();

    const QString pdf = out(QStringLiteral("forms.pdf"));
    const ToolRun made = report(QStringList{QStringLiteral("--db"), db(), QStringLiteral("--out"), pdf,
                                            shipped(QStringLiteral("SamplePatientForm.rpt"))} + period);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString text = pdfText(pdf).simplified();
    const qsizetype forms = text.count(QStringLiteral("PATIENT ASSESSMENT"));
    ASSERT_GT(forms, 1);
    EXPECT_TRUE(made.out.contains(QStringLiteral(": %1 page(s)").arg(forms))) << made.out.toStdString();
    // Every narrative prints whole, its wrapped lines in order ("ffi" comes back as one ligature).
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("The patient, .+, was seen at the o\\S+ce and assessed under "
                                                           ".+ the patient was told of the services the o\\S+ce "
                                                           "gives and of the documents the case still needs\\."),
                                            QRegularExpression::InvertedGreedinessOption)),
              forms);
    EXPECT_EQ(text.count(QStringLiteral("Assessments of the patient")), forms);

    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Form.rpt"));
    ASSERT_TRUE(QFile::copy(shipped(QStringLiteral("SamplePatientForm.rpt")), copy));
    const ToolRun noLogo = report(QStringList{QStringLiteral("--db"), db(), QStringLiteral("--check"), copy} + period);
    EXPECT_EQ(noLogo.exitCode, 1);
    EXPECT_TRUE(noLogo.err.contains(QRegularExpression(QStringLiteral("Form.rpt, line \\d+: image \"HospitalLogo.png\""))))
        << noLogo.err.toStdString();
}
