#include "hospital/dbserver/demo/DemoAddresses.h"

#include <QStringList>

namespace hospital::dbserver::demo {

namespace {

struct Town {
    const char *municipality;
    const char *province;
};

// The first towns are the hospital's catchment and are drawn far more often.
constexpr Town homeTowns[] = {
    {"CABANATUAN CITY", "NUEVA ECIJA"}, {"SANTA ROSA", "NUEVA ECIJA"},   {"SAN LEONARDO", "NUEVA ECIJA"},
    {"JAEN", "NUEVA ECIJA"},            {"PEÑARANDA", "NUEVA ECIJA"},    {"GAPAN CITY", "NUEVA ECIJA"},
    {"TALAVERA", "NUEVA ECIJA"},        {"SCIENCE CITY OF MUÑOZ", "NUEVA ECIJA"},
    {"ALIAGA", "NUEVA ECIJA"},          {"ZARAGOZA", "NUEVA ECIJA"},     {"GENERAL TINIO", "NUEVA ECIJA"},
    {"LAUR", "NUEVA ECIJA"},
};
constexpr Town otherTowns[] = {
    {"SAN MIGUEL", "BULACAN"},  {"SAN ILDEFONSO", "BULACAN"}, {"TARLAC CITY", "TARLAC"},
    {"PANIQUI", "TARLAC"},      {"CANDABA", "PAMPANGA"},      {"ARAYAT", "PAMPANGA"},
    {"BALER", "AURORA"},        {"QUEZON CITY", "METRO MANILA"},
};

const QStringList &barangays()
{
    static const QStringList names{
        QStringLiteral("POBLACION"),     QStringLiteral("SAN ROQUE"),     QStringLiteral("SANTO NIÑO"),
        QStringLiteral("BAGONG SILANG"), QStringLiteral("SAN ISIDRO"),    QStringLiteral("SAN JOSE"),
        QStringLiteral("SAN VICENTE"),   QStringLiteral("MABINI"),        QStringLiteral("RIZAL"),
        QStringLiteral("BONIFACIO"),     QStringLiteral("MALIGAYA"),      QStringLiteral("BURGOS"),
        QStringLiteral("SAN ANTONIO"),   QStringLiteral("SANTA CRUZ"),    QStringLiteral("MAPALAD"),
        QStringLiteral("BAGUMBAYAN"),    QStringLiteral("CAMIAS"),        QStringLiteral("MALAYA"),
        QStringLiteral("SAPANG BATO"),   QStringLiteral("LIPUNAN"),       QStringLiteral("PAG-ASA"),
        QStringLiteral("DOÑA JOSEFA"),   QStringLiteral("SAN MARIANO"),   QStringLiteral("VILLA PAZ"),
    };
    return names;
}

const QStringList &streets()
{
    static const QStringList names{
        QStringLiteral("RIZAL ST."),      QStringLiteral("MABINI ST."),      QStringLiteral("BONIFACIO ST."),
        QStringLiteral("LUNA ST."),       QStringLiteral("MAHARLIKA HWY."),  QStringLiteral("DEL PILAR ST."),
        QStringLiteral("BURGOS AVE."),    QStringLiteral("AGUINALDO ST."),   QStringLiteral("QUEZON BLVD."),
        QStringLiteral("SAMPAGUITA ST."), QStringLiteral("NARRA ST."),       QStringLiteral("ACACIA LANE"),
    };
    return names;
}

const QStringList &adultOccupations()
{
    static const QStringList names{
        QStringLiteral("FARMER"),          QStringLiteral("HOUSEWIFE"),         QStringLiteral("VENDOR"),
        QStringLiteral("TRICYCLE DRIVER"), QStringLiteral("JEEPNEY DRIVER"),    QStringLiteral("LABORER"),
        QStringLiteral("CONSTRUCTION WORKER"), QStringLiteral("CARPENTER"),     QStringLiteral("FISHERMAN"),
        QStringLiteral("SECURITY GUARD"),  QStringLiteral("FACTORY WORKER"),    QStringLiteral("TEACHER"),
        QStringLiteral("GOVERNMENT EMPLOYEE"), QStringLiteral("DRESSMAKER"),    QStringLiteral("SARI-SARI STORE OWNER"),
        QStringLiteral("OFW"),             QStringLiteral("CALL CENTER AGENT"), QStringLiteral("NONE"),
    };
    return names;
}

// Occupations that come with a named employer.
const QStringList &employedOccupations()
{
    static const QStringList names{
        QStringLiteral("SECURITY GUARD"), QStringLiteral("FACTORY WORKER"), QStringLiteral("TEACHER"),
        QStringLiteral("GOVERNMENT EMPLOYEE"), QStringLiteral("CALL CENTER AGENT"),
        QStringLiteral("CONSTRUCTION WORKER"),
    };
    return names;
}

const QStringList &employers()
{
    static const QStringList names{
        QStringLiteral("DEPARTMENT OF EDUCATION"),      QStringLiteral("PROVINCIAL GOVERNMENT"),
        QStringLiteral("BAYANIHAN RICE MILLS INC."),    QStringLiteral("GITNANG LUZON BUILDERS CORP."),
        QStringLiteral("TALA SECURITY AGENCY"),         QStringLiteral("MABUHAY GARMENTS INC."),
        QStringLiteral("HIYAS CONTACT SOLUTIONS INC."), QStringLiteral("MUNICIPAL GOVERNMENT"),
    };
    return names;
}

template<std::size_t N>
const Town &pickTown(DemoRandom &random, const Town (&towns)[N])
{
    return towns[random.below(static_cast<int>(N))];
}

const Town &randomTown(DemoRandom &random)
{
    return random.percent(85) ? pickTown(random, homeTowns) : pickTown(random, otherTowns);
}

QString randomHouseStreet(DemoRandom &random)
{
    switch (random.below(3)) {
    case 0:
        return QStringLiteral("%1 %2").arg(random.between(1, 999)).arg(random.pick(streets()));
    case 1:
        return QStringLiteral("PUROK %1").arg(random.between(1, 7));
    default:
        return QStringLiteral("BLK %1 LOT %2").arg(random.between(1, 40)).arg(random.between(1, 30));
    }
}

} // namespace

Address randomAddress(DemoRandom &random)
{
    const Town &town = randomTown(random);
    Address address;
    address.houseStreet = randomHouseStreet(random);
    address.barangay = random.pick(barangays());
    address.municipality = QString::fromUtf8(town.municipality);
    address.province = QString::fromUtf8(town.province);
    return address;
}

QString randomBirthPlace(DemoRandom &random)
{
    const Town &town = randomTown(random);
    return QStringLiteral("%1, %2").arg(QString::fromUtf8(town.municipality), QString::fromUtf8(town.province));
}

QString randomOccupation(DemoRandom &random, int ageYears)
{
    if (ageYears < 5)
        return {};
    if (ageYears < 22)
        return random.percent(85) ? QStringLiteral("STUDENT") : random.pick(adultOccupations());
    if (ageYears >= 65 && random.percent(60))
        return random.percent(50) ? QStringLiteral("RETIRED") : QStringLiteral("NONE");
    return random.pick(adultOccupations());
}

QString randomEmployer(DemoRandom &random, const QString &occupation)
{
    if (!employedOccupations().contains(occupation))
        return {};
    return random.pick(employers());
}

QString randomTelephone(DemoRandom &random)
{
    if (random.percent(20))
        return {};
    return QStringLiteral("09%1%2")
        .arg(random.between(10, 99))
        .arg(random.between(0, 9999999), 7, 10, QLatin1Char('0'));
}

} // namespace hospital::dbserver::demo
