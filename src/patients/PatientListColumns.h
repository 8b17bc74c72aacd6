#pragma once

#include "TextRows.h"

#include <QString>

#include <array>
#include <functional>

namespace pwo {

class Recordset;

struct PatientListColumn {
    const char *header;
    int widthTwips;
    const char *resultColumn;
    // Numbers and dates are never cut: the column grows to its longest value.
    bool wholeValue;
};

// The list's columns in order: the admission number as the item text, then
// columns 1 to 11.
inline constexpr std::array<PatientListColumn, 12> patientListColumns{{
    {" Adm. No.", 1000, "IDNUM", true},
    {" Hosp.No.", 1050, "HospNum", true},
    {" Adm.Date", 1900, "AdmDate", true},
    {" Last Name", 1550, "LastName", false},
    {" First Name", 1550, "FirstName", false},
    {" Middle Name", 1550, "MiddleName", false},
    {" Room No.", 1000, "RoomID", true},
    {" PWO  ", 1350, "PWO", true},
    {" Address", 2300, "Address", false},
    {" Dcr.Date", 2500, "dcrdate", true},
    {" BillingDate", 2500, "BillingDate", true},
    {" Er", 1000, "ERNum", true},
}};

namespace PatientListColumnIndex {
constexpr int IdNum = 0;
constexpr int HospNum = 1;
constexpr int LastName = 3;
constexpr int FirstName = 4;
constexpr int MiddleName = 5;
constexpr int Pwo = 7;
constexpr int ErNum = 11;
} // namespace PatientListColumnIndex

// The department-patient list fills the item text and columns 1 to 9 only.
inline constexpr int departmentListFilledColumns = 10;

// The rows of an open result as the list shows them: every value read as
// "" & value, the columns past `filledColumns` left empty. `rowRead` is
// called after each row. A result without one of the list's columns is a
// DatabaseError, raised before any row is read.
TextRows readPatientListRows(const Recordset &result, int filledColumns, const std::function<void(int)> &rowRead);

} // namespace pwo
