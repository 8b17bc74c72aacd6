#pragma once

namespace hospital::dbserver {

class ProcedureRegistry;

// The five patient-list procedures (sp_PWO_LoadInPatient, …LoadOutPatient,
// …LoadAllServicePatient, …LoadERPatient, …LoadPWOPatient): one prefix
// search over the stays each names, with its own filter.
void addPatientListProcedures(ProcedureRegistry &registry);

} // namespace hospital::dbserver
