#include "hospital/dbserver/demo/DemoStaff.h"

#include "hospital/dbserver/demo/DemoStatements.h"
#include "hospital/dbserver/demo/FilipinoNames.h"

#include "data/DatabaseError.h"

#include <QStringList>

#include <cstring>
#include <iterator>

#include <sodium.h>

#include <vector>

namespace hospital::dbserver::demo {

namespace {

struct Department {
    const char *code;
    const char *description;
};

constexpr Department departments[] = {
    {"PWO", "PATIENT WELFARE OFFICE"}, {"NUR", "NURSING SERVICE"},   {"BIL", "BILLING SECTION"},
    {"ADM", "ADMITTING SECTION"},      {"MRD", "MEDICAL RECORDS"},
};

struct Login {
    const char *code;  // also the password
    const char *lastName;
    const char *firstName;
    const char *middleName;
    const char *department;
    const char *position;
    const char *licence;
    const char *rights;
};

// The nurse holds right A too, so that a refusal of her can only come from
// the department check.
constexpr Login logins[] = {
    {"demo", "REYES", "ANA MARIE", "CRUZ", "PWO", "SOCIAL WELFARE OFFICER III", "0031475", "A"},
    {"clerk", "BAUTISTA", "JOSE", "MENDOZA", "PWO", "ADMINISTRATIVE AIDE IV", nullptr, ""},
    {"nurse", "VILLANUEVA", "ROSALINDA", "PEÑA", "NUR", "NURSE II", "0427718", "A"},
};

constexpr const char *socialWorkerPositions[] = {"SOCIAL WELFARE OFFICER I", "SOCIAL WELFARE OFFICER II",
                                                 "SOCIAL WELFARE OFFICER III"};
constexpr int socialWorkers = 10;

struct OtherStaff {
    const char *department;
    const char *position;
    int count;
    bool licensed;
};

constexpr OtherStaff otherStaff[] = {
    {"NUR", "NURSE I", 3, true},
    {"BIL", "BILLING CLERK", 2, false},
    {"ADM", "ADMITTING CLERK", 2, false},
    {"MRD", "MEDICAL RECORDS OFFICER", 1, false},
};

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

// OPSLIMIT_MIN and MEMLIMIT_MIN: the demo passwords are public anyway, and
// every test that logs in would otherwise spend a second per hash. The salt
// comes from the login code, so that the same demo gives the same bytes; the
// text is libsodium's own Argon2id string, which crypto_pwhash_str_verify reads.
QString passwordHash(const char *password)
{
    unsigned char salt[crypto_pwhash_SALTBYTES];
    const QByteArray saltSource = QByteArrayLiteral("PWO-DEMO|") + password;
    crypto_generichash(salt, sizeof salt, reinterpret_cast<const unsigned char *>(saltSource.constData()),
                       size_t(saltSource.size()), nullptr, 0);
    unsigned char hash[32];
    if (crypto_pwhash(hash, sizeof hash, password, std::strlen(password), salt, crypto_pwhash_OPSLIMIT_MIN,
                      crypto_pwhash_MEMLIMIT_MIN, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw pwo::DatabaseError(0, QStringLiteral("Hashing the demo password of '%1' ran out of memory")
                                        .arg(text(password)),
                                 QStringLiteral("Demo hospital"));
    const auto base64 = [](const unsigned char *bytes, size_t length) {
        std::vector<char> out(sodium_base64_encoded_len(length, sodium_base64_VARIANT_ORIGINAL_NO_PADDING));
        sodium_bin2base64(out.data(), out.size(), bytes, length, sodium_base64_VARIANT_ORIGINAL_NO_PADDING);
        return QString::fromLatin1(out.data());
    };
    return QStringLiteral("$argon2id$v=19$m=%1,t=%2,p=1$%3$%4")
        .arg(crypto_pwhash_MEMLIMIT_MIN / 1024)
        .arg(crypto_pwhash_OPSLIMIT_MIN)
        .arg(base64(salt, sizeof salt), base64(hash, sizeof hash));
}

class EmployeeWriter {
public:
    explicit EmployeeWriter(sqlite3 *db)
        : rows_(db, QStringLiteral("BUILD_FILE.tbCoEmployee"),
                {QStringLiteral("EmployeeCode"), QStringLiteral("LastName"), QStringLiteral("FirstName"),
                 QStringLiteral("MiddleName"), QStringLiteral("DeptCode"), QStringLiteral("Position"),
                 QStringLiteral("LicenseNumber")})
    {
    }

    void write(const QString &code, const PersonName &name, const char *department, const char *position,
               const QString &licence)
    {
        rows_.insert({code, name.last, name.first, textOrNull(name.middle), text(department), text(position),
                      textOrNull(licence)});
        ++count_;
    }

    int count() const { return count_; }

private:
    RowInserter rows_;
    int count_ = 0;
};

int writeLogins(sqlite3 *db, EmployeeWriter &employees)
{
    RowInserter users(db, QStringLiteral("BUILD_FILE.tbCoUser"),
                      {QStringLiteral("EmployeeCode"), QStringLiteral("PasswordHash"), QStringLiteral("Rights"),
                       QStringLiteral("Active")});
    for (const Login &login : logins) {
        employees.write(text(login.code), {text(login.lastName), text(login.firstName), text(login.middleName)},
                        login.department, login.position, text(login.licence));
        users.insert({text(login.code), passwordHash(login.code), text(login.rights), 1});
    }
    return static_cast<int>(std::size(logins));
}

QString licenceNumber(DemoRandom &random)
{
    return QStringLiteral("%1").arg(random.between(1000, 99999), 7, 10, QLatin1Char('0'));
}

} // namespace

StaffCounts writeStaff(sqlite3 *db, std::uint64_t seed)
{
    if (sodium_init() < 0)
        throw pwo::DatabaseError(0, QStringLiteral("libsodium could not be initialised"),
                                 QStringLiteral("Demo hospital"));

    StaffCounts counts;
    RowInserter departmentRows(db, QStringLiteral("BUILD_FILE.tbCoDepartment"),
                               {QStringLiteral("DeptCode"), QStringLiteral("Description")});
    for (const Department &department : departments)
        departmentRows.insert({text(department.code), text(department.description)});
    counts.departments = static_cast<int>(std::size(departments));

    DemoRandom random(seed, DemoStream::Staff);
    EmployeeWriter employees(db);
    counts.users = writeLogins(db, employees);

    int nextCode = 10001;
    for (int i = 0; i < socialWorkers; ++i) {
        const PersonName name = randomPersonName(random, randomSex(random));
        const int grade = random.below(static_cast<int>(std::size(socialWorkerPositions)));
        const char *position = socialWorkerPositions[grade];
        employees.write(QString::number(nextCode++), name, "PWO", position, licenceNumber(random));
    }
    for (const OtherStaff &staff : otherStaff) {
        for (int i = 0; i < staff.count; ++i) {
            const PersonName name = randomPersonName(random, randomSex(random));
            const QString licence = staff.licensed ? licenceNumber(random) : QString();
            employees.write(QString::number(nextCode++), name, staff.department, staff.position, licence);
        }
    }
    counts.employees = employees.count();
    return counts;
}

} // namespace hospital::dbserver::demo
