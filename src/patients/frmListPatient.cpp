#include "frmListPatient.h"

#include "CurrentPatient.h"

#include <QCloseEvent>
#include <QFormLayout>

namespace pwo {

frmListPatient::frmListPatient(QWidget *parent)
    : QWidget(parent), txtHospNum(new QLineEdit(this)), txtIDNum(new QLineEdit(this)), txtLastname(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmListPatient"));
    setWindowTitle(QStringLiteral("Patient List"));
    txtHospNum->setObjectName(QStringLiteral("txtHospNum"));
    txtIDNum->setObjectName(QStringLiteral("txtIDNum"));
    txtLastname->setObjectName(QStringLiteral("txtLastname"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Enter Lastname:"), txtLastname);
    form->addRow(QStringLiteral("Enter Hospital Number:"), txtHospNum);
    form->addRow(QStringLiteral("Enter Admission Number:"), txtIDNum);
}

void frmListPatient::closeEvent(QCloseEvent *event)
{
    CurrentPatient().clearOnListClosed();
    QWidget::closeEvent(event);
}

} // namespace pwo
