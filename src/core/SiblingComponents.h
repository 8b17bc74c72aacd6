#pragma once

#include <QDate>
#include <QString>

#include <memory>

namespace pwo {

class Connection;

// The hospital system's components this program uses, by the members it
// calls. The hospital provides the implementations; start-up creates them
// through a ComponentFactory and keeps them in Globals.

// The user component: logs the user in and owns the user's connection.
class CurrentUserComponent {
public:
    virtual ~CurrentUserComponent() = default;
    virtual void setPasswordDeptCode(const QString &departmentCode) = 0;
    // Shows the login dialog; returns after a login or a cancel.
    virtual void ShowMain() = 0;
    virtual bool Connected() const = 0;
    // The open connection of the logged-in user; the same object on every read.
    virtual std::shared_ptr<Connection> sqlconnection() const = 0;
    virtual QString employeecode() const = 0;
    virtual QString EmployeeName() const = 0;
    virtual QString ServerName() const = 0;
    virtual QString Database() const = 0;
    virtual QString ServerPassword() const = 0;
    // The password typed at this login, kept in memory only.
    virtual QString Password() const = 0;
    virtual bool have_rights(const QString &right) const = 0;
};


// A name from one of the registry's code tables (religion, civil status).
class RegistryCode {
public:
    virtual ~RegistryCode() = default;
    virtual QString Description() const = 0;
};

class PatientMasterObject {
public:
    virtual ~PatientMasterObject() = default;
    virtual bool LoadPatient(const QString &hospitalNumber) = 0;
    virtual QString HospitalNumber() const = 0;
    virtual QString LastName() const = 0;
    virtual QString FirstName() const = 0;
    virtual QString MiddleName() const = 0;
    virtual QString Sex() const = 0;
    virtual QString Age() const = 0;
    virtual QString Occupation() const = 0;
    virtual QString BirthPlace() const = 0;
    virtual QString TelNumber() const = 0;
    virtual QString Employer() const = 0;
    virtual QDate BirthDate() const = 0;
    virtual const RegistryCode &Religion() const = 0;
    virtual const RegistryCode &CivilStatus() const = 0;
};

class RegistryRoom {
public:
    virtual ~RegistryRoom() = default;
    virtual QString RoomID() const = 0;
};

class RegistryHistory {
public:
    virtual ~RegistryHistory() = default;
    virtual QString AdmittingDiagnosis() const = 0;
};

class AdmissionObject {
public:
    virtual ~AdmissionObject() = default;
    virtual void OpenAdmission(const QString &admissionNumber) = 0;
    virtual QDate AdmissionDate() const = 0;
    virtual const RegistryRoom &Room() const = 0;
    virtual QString ReferringDoctor() const = 0;
    virtual const RegistryHistory &History() const = 0;
};

class PatientRegistryComponent {
public:
    virtual ~PatientRegistryComponent() = default;
    virtual void OpenConnection(const QString &connectionString) = 0;
    // Empty until OpenConnection succeeded.
    virtual QString ActiveConnection() const = 0;
    virtual std::shared_ptr<AdmissionObject> clsAdmission() = 0;
    virtual std::shared_ptr<PatientMasterObject> clsPatientMaster() = 0;
};

// Created and kept; nothing of it is called.
class KeyFilterComponent {
public:
    virtual ~KeyFilterComponent() = default;
};

class CodeSearchComponent {
public:
    virtual ~CodeSearchComponent() = default;
    virtual void setMTS_Server(const QString &host) = 0;
    virtual void setSearchMode(bool on) = 0;
    virtual void Initialize_Classes() = 0;
    virtual void setCompanyName(const QString &name) = 0;
    virtual void setSearchTitle(const QString &title) = 0;
    virtual void setConnection(std::shared_ptr<Connection> connection) = 0;
};

class BillingConnectionComponent {
public:
    virtual ~BillingConnectionComponent() = default;
    virtual bool EstablishedConnection(const QString &serverName, const QString &database, const QString &password) = 0;
};

class BillingStatementComponent {
public:
    virtual ~BillingStatementComponent() = default;
    virtual void setAdmissionNumber(const QString &number) = 0;
    virtual void setUserId(const QString &employeeCode) = 0;
    virtual void setHospitalNumber(const QString &number) = 0;
    virtual void setUserName(const QString &name) = 0;
    virtual void ShowSOA(const QString &admissionNumber) = 0;
};

// Creates the components; `host` names where the three remote ones run
// (empty: on this machine). A component that cannot be created throws.
class ComponentFactory {
public:
    virtual ~ComponentFactory() = default;
    virtual std::unique_ptr<CurrentUserComponent> createCurrentUser() = 0;
    virtual std::unique_ptr<KeyFilterComponent> createKeyFilter() = 0;
    virtual std::unique_ptr<PatientRegistryComponent> createPatientRegistry(const QString &host) = 0;
    virtual std::unique_ptr<CodeSearchComponent> createCodeSearch(const QString &host) = 0;
    virtual std::unique_ptr<BillingConnectionComponent> createBillingConnection(const QString &host) = 0;
    virtual std::unique_ptr<BillingStatementComponent> createBillingStatement(const QString &host) = 0;
};

} // namespace pwo
