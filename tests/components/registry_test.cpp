// The patient registry reading a demo hospital through its own connection.
#include "hospital/components/registry/PatientRegistry.h"

#include "ComponentsTestSupport.h"
#include "DemoDatabase.h"

#include "hospital/dbserver/StandInProvider.h"

#include "data/Connection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace hospital::components;

namespace {

// Completed years on `day`, counted by adding whole years to the birth date:
// another road than the component's.
int yearsOld(QDate born, QDate day)
{
    int years = 0;
    while (born.addYears(years + 1) <= day)
        ++years;
    return years;
}

class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() { registry.OpenConnection(hospital::dbserver::standInConnectionString(database.folder())); }

    DemoDatabase database;
    PatientRegistry registry;
};

TEST(RegistryConnection, ActiveConnectionIsSetOnlyWhileOpen)
{
    DemoDatabase database;
    PatientRegistry registry;
    EXPECT_EQ(registry.ActiveConnection(), QString());

    const QString good = hospital::dbserver::standInConnectionString(database.folder());
    registry.OpenConnection(good);
    EXPECT_EQ(registry.ActiveConnection(), good);

    QTemporaryDir empty;
    EXPECT_THROW(registry.OpenConnection(hospital::dbserver::standInConnectionString(empty.path())), pwo::DatabaseError);
    EXPECT_EQ(registry.ActiveConnection(), QString());
    EXPECT_THROW(registry.clsPatientMaster()->LoadPatient(QStringLiteral("00000001")), pwo::DatabaseError);
}

TEST_F(RegistryTest, ObjectsAreTheSameOnEveryReadAndOutliveTheRegistry)
{
    EXPECT_EQ(registry.clsAdmission(), registry.clsAdmission());
    EXPECT_EQ(registry.clsPatientMaster(), registry.clsPatientMaster());

    std::shared_ptr<pwo::PatientMasterObject> master;
    {
        PatientRegistry shortLived;
        shortLived.OpenConnection(hospital::dbserver::standInConnectionString(database.folder()));
        master = shortLived.clsPatientMaster();
    }
    const QString any = firstRow(database.folder(), QStringLiteral("SELECT HospNum FROM PATIENT_DATA.tbMaster LIMIT 1")).value(0);
    EXPECT_TRUE(master->LoadPatient(any));
    EXPECT_EQ(master->HospitalNumber(), any);
}

TEST_F(RegistryTest, LoadsAPatientWithAnEnyeInTheNameAndTheCodeNames)
{
    const QStringList expected = firstRow(
        database.folder(),
        QStringLiteral("SELECT m.HospNum, m.LastName, m.FirstName, ifnull(m.MiddleName, ''), m.Sex, "
                       "substr(m.BirthDate, 1, 10), ifnull(m.Occupation, ''), m.BirthPlace, ifnull(m.TelNumber, ''), "
                       "ifnull(m.Employer, ''), r.Description, c.Description "
                       "FROM PATIENT_DATA.tbMaster m "
                       "JOIN BUILD_FILE.tbCoReligion r ON r.Code = m.Religion "
                       "JOIN BUILD_FILE.tbCoCivilStatus c ON c.Code = m.CivilStatus "
                       "WHERE m.LastName LIKE '%Ñ%' ORDER BY m.HospNum LIMIT 1"));
    ASSERT_EQ(expected.size(), 12) << "the demo hospital has no patient with Ñ in the last name";

    const auto master = registry.clsPatientMaster();
    ASSERT_TRUE(master->LoadPatient(expected[0]));
    EXPECT_EQ(master->HospitalNumber(), expected[0]);
    EXPECT_EQ(master->LastName(), expected[1]);
    EXPECT_TRUE(master->LastName().contains(QStringLiteral("Ñ")));
    EXPECT_EQ(master->FirstName(), expected[2]);
    EXPECT_EQ(master->MiddleName(), expected[3]);
    EXPECT_EQ(master->Sex(), expected[4]);
    EXPECT_EQ(master->BirthDate(), QDate::fromString(expected[5], Qt::ISODate));
    EXPECT_EQ(master->Occupation(), expected[6]);
    EXPECT_EQ(master->BirthPlace(), expected[7]);
    EXPECT_EQ(master->TelNumber(), expected[8]);
    EXPECT_EQ(master->Employer(), expected[9]);
    EXPECT_EQ(master->Religion().Description(), expected[10]);
    EXPECT_EQ(master->CivilStatus().Description(), expected[11]);
    EXPECT_FALSE(master->Religion().Description().isEmpty());
    EXPECT_EQ(master->Age(), QString::number(yearsOld(master->BirthDate(), QDate::currentDate())));
}

TEST_F(RegistryTest, UnknownNumberIsNotFoundAndForgetsThePreviousPatient)
{
    const auto master = registry.clsPatientMaster();
    const QString any = firstRow(database.folder(), QStringLiteral("SELECT HospNum FROM PATIENT_DATA.tbMaster LIMIT 1")).value(0);
    ASSERT_TRUE(master->LoadPatient(any));
    EXPECT_FALSE(master->LoadPatient(QStringLiteral("99999999")));
    EXPECT_EQ(master->HospitalNumber(), QString());
    EXPECT_EQ(master->LastName(), QString());
    EXPECT_EQ(master->Age(), QString());
    EXPECT_FALSE(master->BirthDate().isValid());
    EXPECT_EQ(master->Religion().Description(), QString());
    EXPECT_FALSE(master->LoadPatient(QStringLiteral("x'y")));
}

TEST_F(RegistryTest, EmptyOrUnknownCodesAndNullsReadAsEmptyText)
{
    const QString any = firstRow(database.folder(), QStringLiteral("SELECT HospNum FROM PATIENT_DATA.tbMaster LIMIT 1")).value(0);
    database.sqlite(QStringLiteral("UPDATE PATIENT_DATA.tbMaster SET Religion = '', CivilStatus = 'ZZ', Occupation = NULL, "
                                   "MiddleName = NULL, BirthDate = NULL WHERE HospNum = '%1'")
                        .arg(any));
    const auto master = registry.clsPatientMaster();
    ASSERT_TRUE(master->LoadPatient(any));
    EXPECT_EQ(master->Religion().Description(), QString());
    EXPECT_EQ(master->CivilStatus().Description(), QString());
    EXPECT_EQ(master->Occupation(), QString());
    EXPECT_EQ(master->MiddleName(), QString());
    EXPECT_FALSE(master->BirthDate().isValid());
    EXPECT_EQ(master->Age(), QString());
}

TEST_F(RegistryTest, OpensACurrentAdmissionWithTheReferringDoctorsName)
{
    const QStringList expected = firstRow(
        database.folder(),
        QStringLiteral("SELECT a.IdNum, substr(a.AdmDate, 1, 10), a.RoomID, a.AdmittingDiagnosis, d.FirstName, d.LastName "
                       "FROM PATIENT_DATA.tbPatient2 a JOIN BUILD_FILE.tbCoDoctor d ON d.DoctorID = a.ReferringDoctor "
                       "WHERE a.DcrDate IS NULL ORDER BY a.IdNum LIMIT 1"));
    ASSERT_EQ(expected.size(), 6) << "the demo hospital has no current admission with a referring doctor";

    const auto admission = registry.clsAdmission();
    admission->OpenAdmission(expected[0]);
    EXPECT_EQ(admission->AdmissionDate(), QDate::fromString(expected[1], Qt::ISODate));
    EXPECT_EQ(admission->Room().RoomID(), expected[2]);
    EXPECT_EQ(admission->History().AdmittingDiagnosis(), expected[3]);
    EXPECT_EQ(admission->ReferringDoctor(), expected[4] + QLatin1Char(' ') + expected[5]);
    EXPECT_FALSE(admission->Room().RoomID().isEmpty());

    admission->OpenAdmission(QStringLiteral("NO-SUCH-ADM"));
    EXPECT_FALSE(admission->AdmissionDate().isValid());
    EXPECT_EQ(admission->Room().RoomID(), QString());
    EXPECT_EQ(admission->ReferringDoctor(), QString());
    EXPECT_EQ(admission->History().AdmittingDiagnosis(), QString());
}

TEST_F(RegistryTest, ReferringDoctorWrittenAsANameIsShownAsWritten)
{
    const QString idNum = firstRow(database.folder(), QStringLiteral("SELECT IdNum FROM PATIENT_DATA.tbPatient2 LIMIT 1")).value(0);
    database.sqlite(QStringLiteral("UPDATE PATIENT_DATA.tbPatient2 SET ReferringDoctor = 'DR. LUZ OUTSIDE', RoomID = NULL "
                                   "WHERE IdNum = '%1'")
                        .arg(idNum));
    const auto admission = registry.clsAdmission();
    admission->OpenAdmission(idNum);
    EXPECT_EQ(admission->ReferringDoctor(), QStringLiteral("DR. LUZ OUTSIDE"));
    EXPECT_EQ(admission->Room().RoomID(), QString());
    EXPECT_TRUE(admission->AdmissionDate().isValid());
}

} // namespace
