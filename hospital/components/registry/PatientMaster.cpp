#include "hospital/components/registry/PatientMaster.h"

#include "hospital/components/registry/WholeYears.h"

#include "data/Recordset.h"
#include "data/SqlText.h"

namespace hospital::components {

PatientMaster::PatientMaster(std::shared_ptr<const RegistryLink> link) : link_(std::move(link)) {}

bool PatientMaster::LoadPatient(const QString &hospitalNumber)
{
    loaded_ = {};
    pwo::Recordset found;
    found.Open(QStringLiteral("PATIENT_DATA..sp_Reg_LoadPatient ") + pwo::sql::quoted(hospitalNumber),
               link_->connection(), 2, pwo::adLockReadOnly, -1);
    if (found.Eof())
        return false;
    const auto text = [&found](const char *column) { return found.value(QString::fromLatin1(column)).text(); };
    loaded_.hospitalNumber = text("HospNum");
    loaded_.lastName = text("LastName");
    loaded_.firstName = text("FirstName");
    loaded_.middleName = text("MiddleName");
    loaded_.sex = text("Sex");
    loaded_.occupation = text("Occupation");
    loaded_.birthPlace = text("BirthPlace");
    loaded_.telNumber = text("TelNumber");
    loaded_.employer = text("Employer");
    const pwo::Value birthDate = found.value(QStringLiteral("BirthDate"));
    loaded_.birthDate = birthDate.isNull() ? QDate() : birthDate.toDate();
    loaded_.religion = CodeName(text("ReligionName"));
    loaded_.civilStatus = CodeName(text("CivilStatusName"));
    return true;
}

QString PatientMaster::Age() const
{
    if (!loaded_.birthDate.isValid())
        return {};
    return QString::number(wholeYearsBetween(loaded_.birthDate, QDate::currentDate()));
}

} // namespace hospital::components
