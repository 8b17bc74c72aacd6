// The billing components and the factory that makes all six components.
#include "hospital/components/BillingConnection.h"
#include "hospital/components/BillingStatement.h"
#include "hospital/components/CodeSearch.h"
#include "hospital/components/HospitalComponents.h"
#include "hospital/components/KeyFilter.h"
#include "hospital/components/registry/PatientRegistry.h"
#include "hospital/components/user/CurrentUser.h"

#include "DemoDatabase.h"

#include "data/Connection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace hospital::components;

namespace {

TEST(BillingConnection, ReachesTheBillingDatabaseOfAStandInFolder)
{
    DemoDatabase database;
    BillingConnection billing;
    EXPECT_TRUE(billing.EstablishedConnection(database.folder(), QStringLiteral("BILLING"), QString()));
    EXPECT_EQ(billing.lastFailure(), QString());
    EXPECT_TRUE(billing.EstablishedConnection(database.folder(), QStringLiteral("billing"), QString()));
}

TEST(BillingConnection, SaysWhyItCannotReachAServer)
{
    DemoDatabase database;
    BillingConnection billing;
    EXPECT_FALSE(billing.EstablishedConnection(database.folder(), QStringLiteral("NOPE"), QString()));
    EXPECT_TRUE(billing.lastFailure().contains(QStringLiteral("Database 'NOPE' does not exist"))) << billing.lastFailure().toStdString();

    QTemporaryDir empty;
    EXPECT_FALSE(billing.EstablishedConnection(empty.path(), QStringLiteral("BILLING"), QString()));
    EXPECT_TRUE(billing.lastFailure().contains(QStringLiteral("is not a stand-in database folder")));
    EXPECT_FALSE(billing.EstablishedConnection(QStringLiteral("HOSPDB01"), QStringLiteral("BILLING"), QString()));
    EXPECT_FALSE(billing.EstablishedConnection(QString(), QStringLiteral("BILLING"), QString()));

    EXPECT_TRUE(billing.EstablishedConnection(database.folder(), QStringLiteral("BILLING"), QString()));
    EXPECT_EQ(billing.lastFailure(), QString());
}

TEST(BillingStatement, CannotShowTheStatementYet)
{
    BillingStatement statement;
    try {
        statement.ShowSOA(QStringLiteral("26000123"));
        ADD_FAILURE() << "ShowSOA did not throw";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "The summarized statement of account is not available in this version.");
    }
}

TEST(HospitalComponents, MakesEachComponentAndRecordsTheHostsAskedFor)
{
    HospitalComponents factory(QStringLiteral("/srv/demo-db"));
    EXPECT_NE(dynamic_cast<CurrentUser *>(factory.createCurrentUser().get()), nullptr);
    EXPECT_NE(dynamic_cast<KeyFilter *>(factory.createKeyFilter().get()), nullptr);
    EXPECT_NE(dynamic_cast<PatientRegistry *>(factory.createPatientRegistry(QString()).get()), nullptr);
    EXPECT_NE(dynamic_cast<CodeSearch *>(factory.createCodeSearch(QStringLiteral("MTS01")).get()), nullptr);
    EXPECT_NE(dynamic_cast<BillingConnection *>(factory.createBillingConnection(QStringLiteral("MTS02")).get()), nullptr);
    EXPECT_NE(dynamic_cast<BillingStatement *>(factory.createBillingStatement(QStringLiteral("MTS03")).get()), nullptr);
    EXPECT_EQ(factory.hostForPatientRegistry(), QString());
    EXPECT_EQ(factory.hostForCodeSearch(), QStringLiteral("MTS01"));
    EXPECT_EQ(factory.hostForBillingConnection(), QStringLiteral("MTS02"));
    EXPECT_EQ(factory.hostForBillingStatement(), QStringLiteral("MTS03"));

    factory.createPatientRegistry(QStringLiteral("REG01"));
    EXPECT_EQ(factory.hostForPatientRegistry(), QStringLiteral("REG01"));
}

TEST(HospitalComponents, EveryNewRegistryHasItsOwnObjects)
{
    HospitalComponents factory(QStringLiteral("/srv/demo-db"));
    auto first = factory.createPatientRegistry(QString());
    auto second = factory.createPatientRegistry(QString());
    EXPECT_NE(first->clsPatientMaster(), second->clsPatientMaster());
    EXPECT_NE(first->clsAdmission(), second->clsAdmission());
}

} // namespace
