#include "ForwardingComponents.h"
#include "LoggedInProgram.h"

#include "core/modGlobals.h"
#include "patients/clsPatientSearch.h"

#include <gtest/gtest.h>

using namespace pwo;

namespace {

// What the program asked of the registry component.
struct RegistryCalls {
    QStringList createdOnHosts;
    QStringList openedAdmissions;
};

class RecordingAdmission : public AdmissionObject {
public:
    explicit RecordingAdmission(RegistryCalls &calls) : calls_(calls) {}
    void OpenAdmission(const QString &admissionNumber) override { calls_.openedAdmissions << admissionNumber; }
    QDate AdmissionDate() const override { return {}; }
    const RegistryRoom &Room() const override { throw std::logic_error("not used here"); }
    QString ReferringDoctor() const override { return {}; }
    const RegistryHistory &History() const override { throw std::logic_error("not used here"); }

private:
    RegistryCalls &calls_;
};

class RecordingRegistry : public PatientRegistryComponent {
public:
    explicit RecordingRegistry(RegistryCalls &calls) : calls_(calls) {}
    void OpenConnection(const QString &connectionString) override { active_ = connectionString; }
    QString ActiveConnection() const override { return active_; }
    std::shared_ptr<AdmissionObject> clsAdmission() override { return std::make_shared<RecordingAdmission>(calls_); }
    std::shared_ptr<PatientMasterObject> clsPatientMaster() override { return nullptr; }

private:
    RegistryCalls &calls_;
    QString active_;
};

// The logged-in program's components, but for a registry that records.
class RecordingComponents : public ForwardingComponents {
public:
    RecordingComponents(ComponentFactory &real, RegistryCalls &calls) : ForwardingComponents(real), calls_(calls) {}
    std::unique_ptr<PatientRegistryComponent> createPatientRegistry(const QString &host) override
    {
        calls_.createdOnHosts << host;
        return std::make_unique<RecordingRegistry>(calls_);
    }

private:
    RegistryCalls &calls_;
};

class PatientSearch : public LoggedInProgram {
protected:
    void SetUp() override
    {
        LoggedInProgram::SetUp();
        real_ = globals().Components;
        components_ = std::make_unique<RecordingComponents>(*real_, calls);
        globals().Components = components_.get();
        connectionString = globals().Connection->ConnectionString();
    }
    void TearDown() override { globals().Components = real_; }

    int lookupsSent() const
    {
        int n = 0;
        for (const QString &text : sent())
            n += text.startsWith(QLatin1String("Patient_Data..sp_Adm_LoadInPatient")) ? 1 : 0;
        return n;
    }

    RegistryCalls calls;
    QString connectionString;
    const QString admitted = QStringLiteral("260000001");

private:
    ComponentFactory *real_ = nullptr;
    std::unique_ptr<RecordingComponents> components_;
};

} // namespace

TEST_F(PatientSearch, ConnectionChecks)
{
    clsPatientSearch search;
    program.prompter().clear();
    EXPECT_FALSE(search.InitConnection(QString(), QStringLiteral("host")));
    EXPECT_TRUE(calls.createdOnHosts.isEmpty());
    EXPECT_EQ(program.prompter().texts(), QStringList{QStringLiteral("Unable to stablish a connection...")});

    EXPECT_TRUE(search.InitConnection(connectionString, QStringLiteral("   ")));
    EXPECT_EQ(calls.createdOnHosts, QStringList{QString()});  // blank: the registry runs locally
}

TEST_F(PatientSearch, AdmissionsAreValidatedTrimmedAndOpenedOnceAsPassed)
{
    clsPatientSearch search;
    ASSERT_TRUE(search.InitConnection(connectionString, QString()));

    EXPECT_FALSE(search.ValidateAdmission(QStringLiteral("   ")));
    EXPECT_EQ(lookupsSent(), 0);

    // no admission validated yet: the object is handed out unloaded
    EXPECT_FALSE(search.ValidateAdmission(QStringLiteral("999")));
    search.Admission();
    EXPECT_TRUE(calls.openedAdmissions.isEmpty());

    ASSERT_TRUE(search.ValidateAdmission(QLatin1Char(' ') + admitted));
    EXPECT_TRUE(sent().contains(QStringLiteral("Patient_Data..sp_Adm_LoadInPatient '") + admitted + "',''"));
    search.Admission();
    search.Admission();
    EXPECT_EQ(calls.openedAdmissions, QStringList{QLatin1Char(' ') + admitted});

    // a number without an admission keeps the one loaded before
    EXPECT_FALSE(search.ValidateAdmission(QStringLiteral("999")));
    search.Admission();
    EXPECT_EQ(calls.openedAdmissions.size(), 1);
}
