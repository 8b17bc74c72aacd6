#include "hospital/dbserver/demo/DemoDiagnoses.h"

#include <QStringList>

namespace hospital::dbserver::demo {

namespace {

const QStringList &medicineDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("COMMUNITY ACQUIRED PNEUMONIA, MODERATE RISK"),
        QStringLiteral("ACUTE GASTROENTERITIS WITH MODERATE DEHYDRATION"),
        QStringLiteral("DENGUE FEVER WITH WARNING SIGNS"),
        QStringLiteral("PULMONARY TUBERCULOSIS"),
        QStringLiteral("HYPERTENSIVE URGENCY"),
        QStringLiteral("CEREBROVASCULAR DISEASE, INFARCT"),
        QStringLiteral("DIABETES MELLITUS TYPE 2, UNCONTROLLED"),
        QStringLiteral("CHRONIC KIDNEY DISEASE STAGE 5"),
        QStringLiteral("CONGESTIVE HEART FAILURE"),
        QStringLiteral("LEPTOSPIROSIS"),
        QStringLiteral("URINARY TRACT INFECTION"),
        QStringLiteral("TYPHOID FEVER"),
    };
    return entries;
}

const QStringList &surgeryDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("ACUTE APPENDICITIS"),
        QStringLiteral("CHOLELITHIASIS"),
        QStringLiteral("FRACTURE, CLOSED, FEMUR, RIGHT"),
        QStringLiteral("FRACTURE, CLOSED, RADIUS, LEFT"),
        QStringLiteral("INGUINAL HERNIA, RIGHT"),
        QStringLiteral("STAB WOUND, ABDOMEN"),
        QStringLiteral("DIABETIC FOOT, LEFT"),
        QStringLiteral("VEHICULAR ACCIDENT, MULTIPLE ABRASIONS"),
    };
    return entries;
}

const QStringList &pediatricDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("PNEUMONIA, MODERATE RISK"),
        QStringLiteral("ACUTE GASTROENTERITIS WITH SOME DEHYDRATION"),
        QStringLiteral("DENGUE FEVER WITHOUT WARNING SIGNS"),
        QStringLiteral("BRONCHIAL ASTHMA IN ACUTE EXACERBATION"),
        QStringLiteral("MEASLES"),
        QStringLiteral("FEBRILE SEIZURE"),
        QStringLiteral("SEVERE ACUTE MALNUTRITION"),
    };
    return entries;
}

const QStringList &obstetricDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("G1P0 PREGNANCY UTERINE 39 WEEKS AOG, IN LABOR"),
        QStringLiteral("G3P2 PREGNANCY UTERINE 38 WEEKS AOG, IN LABOR"),
        QStringLiteral("PREECLAMPSIA WITH SEVERE FEATURES"),
        QStringLiteral("INCOMPLETE ABORTION"),
        QStringLiteral("MYOMA UTERI"),
        QStringLiteral("POSTPARTUM HEMORRHAGE"),
    };
    return entries;
}

const QStringList &intensiveCareDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("SEPTIC SHOCK"),
        QStringLiteral("ACUTE CORONARY SYNDROME"),
        QStringLiteral("ACUTE RESPIRATORY FAILURE"),
        QStringLiteral("HEMORRHAGIC STROKE"),
        QStringLiteral("DIABETIC KETOACIDOSIS"),
    };
    return entries;
}

const QStringList &clinicDiagnoses()
{
    static const QStringList entries{
        QStringLiteral("HYPERTENSION, STAGE 1"),
        QStringLiteral("ACUTE NASOPHARYNGITIS"),
        QStringLiteral("PRENATAL CHECK-UP"),
        QStringLiteral("FOLLOW-UP CHECK-UP"),
        QStringLiteral("DIABETES MELLITUS TYPE 2"),
        QStringLiteral("ANIMAL BITE, CATEGORY II"),
        QStringLiteral("ALLERGIC DERMATITIS"),
        QStringLiteral("OSTEOARTHRITIS, KNEES"),
        QStringLiteral("WELL-BABY CHECK-UP"),
        QStringLiteral("GASTROESOPHAGEAL REFLUX DISEASE"),
    };
    return entries;
}

const QStringList &chiefComplaints()
{
    static const QStringList entries{
        QStringLiteral("FEVER"),           QStringLiteral("DIFFICULTY OF BREATHING"), QStringLiteral("ABDOMINAL PAIN"),
        QStringLiteral("CHEST PAIN"),      QStringLiteral("VEHICULAR ACCIDENT"),      QStringLiteral("DOG BITE"),
        QStringLiteral("VOMITING AND LBM"), QStringLiteral("HEADACHE"),               QStringLiteral("LABOR PAINS"),
        QStringLiteral("STAB WOUND"),      QStringLiteral("FALL FROM HEIGHT"),        QStringLiteral("SEIZURE"),
        QStringLiteral("BODY WEAKNESS"),   QStringLiteral("HIGH BLOOD PRESSURE"),
    };
    return entries;
}

} // namespace

QString randomAdmittingDiagnosis(DemoRandom &random, WardKind ward)
{
    switch (ward) {
    case WardKind::Surgery:
        return random.pick(surgeryDiagnoses());
    case WardKind::Pediatrics:
        return random.pick(pediatricDiagnoses());
    case WardKind::Obstetrics:
        return random.pick(obstetricDiagnoses());
    case WardKind::IntensiveCare:
        return random.pick(intensiveCareDiagnoses());
    case WardKind::Medicine:
    case WardKind::Private:
        break;
    }
    return random.pick(medicineDiagnoses());
}

QString randomClinicDiagnosis(DemoRandom &random)
{
    return random.pick(clinicDiagnoses());
}

QString randomChiefComplaint(DemoRandom &random)
{
    return random.pick(chiefComplaints());
}

} // namespace hospital::dbserver::demo
