-- parameters: @HospNum varchar(8)
-- The referral, informant, medical and assessment part of the intake sheet.
SELECT ReferringParty, ReferredBy, ReferringPartyContactNo, ReferralAddress, InfoSource, CompanionUponAdmission,
       PerCapitaIncome, LivingArrangement, RelationToPatient, AddressOfInformant, AdmDiagnosis, FinalDiagnosis,
       ProbSympDuration, PrevTretmentDuration, PresentTreatmentPlan, HealthAccessibility, Assessment,
       RecommendedInterventions, PhilhealthType, CategoryType, Accomodation
  FROM PWO.tbPWOOtherPatientInfo
 WHERE HospNum = @HospNum;
