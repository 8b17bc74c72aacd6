#include "ARRHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pwo {

namespace {

const char *const helpPage = R"html(
<h3>Assessment and Referral</h3>
<p>The office's decision on one stay of the patient. Saving it changes the patient's class in the
hospital and removes the office's earlier discount lines from the bill, unless the assessment is
marked Special.</p>
<dl>
<dt>PWO NUM.</dt><dd>The office's case number of the patient. It can be typed only while the patient
has none; a number that belongs to another patient is refused.</dd>
<dt>DT of INTAKE</dt><dd>The day the classification takes effect (month/day/year).</dd>
<dt>VALIDITY</dt><dd>The day the classification expires, at 11:59 PM (month/day/year). A date more
than two years ahead is asked about.</dd>
<dt>CLASSIFICATION</dt><dd>The discount class; the save needs one. The large code at the upper
right is the class stored before this opening.</dd>
<dt>STATUS and Active</dt><dd>The state of the case and whether it is still followed.</dd>
<dt>Referring Party</dt><dd>Who sent the patient to the office.</dd>
<dt>Patient's Category</dt><dd>The kind of case; one category is chosen.</dd>
<dt>Services</dt><dd>What the office gave the patient, picked from the service tree.</dd>
<dt>REMARKS</dt><dd>Free notes on the assessment.</dd>
<dt>Neg. Counterpart</dt><dd>The amount the patient agreed to pay; numbers only.</dd>
<dt>PWOW</dt><dd>The social worker of the case, chosen with the search button.</dd>
<dt>c/o PCSO, c/o Sponsor, Special</dt><dd>Tags of the stay's funding; with c/o PCSO, the type of
allocation below it.</dd>
<dt>DOCUMENTATION</dt><dd>The documents produced on the case, and the activities carried out.</dd>
</dl>
<h4>Hints</h4>
<ol>
<li>Click the button Previous Assessments to view the history of assessments entered.</li>
<li>If the CDF Allocation button is blinking, click on it to view the fund.</li>
<li>To remove services, double-click on the list box.</li>
</ol>
)html";

} // namespace

void showAssessmentHelp(QWidget *parent)
{
    QDialog help(parent);
    help.setObjectName(QStringLiteral("frmARRHelp"));
    help.setWindowTitle(QStringLiteral("Assessment and Referral - Help"));
    auto *page = new QTextBrowser(&help);
    page->setHtml(QString::fromUtf8(helpPage));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &help);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &help, &QDialog::reject);
    auto *layout = new QVBoxLayout(&help);
    layout->addWidget(page);
    layout->addWidget(buttons);
    help.resize(560, 620);
    help.exec();
}

} // namespace pwo
