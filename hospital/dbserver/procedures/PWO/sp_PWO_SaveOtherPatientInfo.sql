-- parameters: @HospNum varchar(8), @ReferringParty varchar(50), @ReferredBy varchar(100), @ReferralAddress varchar(200), @ReferringPartyContactNo varchar(50), @InfoSource varchar(100), @CompanionUponAdmission varchar(100), @PerCapitaIncome varchar(50), @LivingArrangement varchar(50), @RelationToPatient varchar(30), @AddressOfInformant varchar(200), @AdmDiagnosis varchar(500), @FinalDiagnosis varchar(500), @ProbSympDuration varchar(100), @PrevTretmentDuration varchar(200), @PresentTreatmentPlan varchar(500), @HealthAccessibility varchar(20), @Assessment varchar(4000), @RecommendedInterventions varchar(4000), @PhilhealthType varchar(50), @CategoryType varchar(50), @Accomodation varchar(50)
-- Referral, informant, medical data and assessment of the intake sheet.
INSERT OR REPLACE INTO PWO.tbPWOOtherPatientInfo
       (HospNum, ReferringParty, ReferredBy, ReferralAddress, ReferringPartyContactNo, InfoSource,
        CompanionUponAdmission, PerCapitaIncome, LivingArrangement, RelationToPatient, AddressOfInformant,
        AdmDiagnosis, FinalDiagnosis, ProbSympDuration, PrevTretmentDuration, PresentTreatmentPlan,
        HealthAccessibility, Assessment, RecommendedInterventions, PhilhealthType, CategoryType, Accomodation)
VALUES (@HospNum, @ReferringParty, @ReferredBy, @ReferralAddress, @ReferringPartyContactNo, @InfoSource,
        @CompanionUponAdmission, @PerCapitaIncome, @LivingArrangement, @RelationToPatient, @AddressOfInformant,
        @AdmDiagnosis, @FinalDiagnosis, @ProbSympDuration, @PrevTretmentDuration, @PresentTreatmentPlan,
        @HealthAccessibility, @Assessment, @RecommendedInterventions, @PhilhealthType, @CategoryType, @Accomodation);
