#include "hospital/dbserver/demo/FilipinoNames.h"

#include <QStringList>

namespace hospital::dbserver::demo {

namespace {

// The surnames met most often in a Philippine registry, drawn more often.
const QStringList &commonSurnames()
{
    static const QStringList names{
        QStringLiteral("DELA CRUZ"), QStringLiteral("SANTOS"),  QStringLiteral("REYES"),
        QStringLiteral("GARCIA"),    QStringLiteral("BAUTISTA"), QStringLiteral("MENDOZA"),
        QStringLiteral("RAMOS"),     QStringLiteral("AQUINO"),  QStringLiteral("CRUZ"),
        QStringLiteral("VILLANUEVA"), QStringLiteral("CASTILLO"), QStringLiteral("FLORES"),
        QStringLiteral("GONZALES"),  QStringLiteral("TORRES"),  QStringLiteral("DE LEON"),
        QStringLiteral("DEL ROSARIO"), QStringLiteral("PASCUAL"), QStringLiteral("DOMINGO"),
        QStringLiteral("SANTIAGO"),  QStringLiteral("DE GUZMAN"),
    };
    return names;
}

const QStringList &otherSurnames()
{
    static const QStringList names{
        QStringLiteral("PEÑA"),       QStringLiteral("IBAÑEZ"),     QStringLiteral("MUÑOZ"),
        QStringLiteral("NUÑEZ"),      QStringLiteral("ORDOÑEZ"),    QStringLiteral("CASTAÑEDA"),
        QStringLiteral("PATIÑO"),     QStringLiteral("DUEÑAS"),     QStringLiteral("MAÑALAC"),
        QStringLiteral("BAÑAGA"),     QStringLiteral("FERNANDEZ"),  QStringLiteral("LOPEZ"),
        QStringLiteral("SORIANO"),    QStringLiteral("NAVARRO"),    QStringLiteral("MERCADO"),
        QStringLiteral("AGUILAR"),    QStringLiteral("SALVADOR"),   QStringLiteral("MARQUEZ"),
        QStringLiteral("RIVERA"),     QStringLiteral("MANALO"),     QStringLiteral("MACARAEG"),
        QStringLiteral("PANGILINAN"), QStringLiteral("MAGBANUA"),   QStringLiteral("DIMAGIBA"),
        QStringLiteral("MACAPAGAL"),  QStringLiteral("DIZON"),      QStringLiteral("TOLENTINO"),
        QStringLiteral("VALDEZ"),     QStringLiteral("ESPIRITU"),   QStringLiteral("GATCHALIAN"),
        QStringLiteral("LACSON"),     QStringLiteral("LIM"),        QStringLiteral("TAN"),
        QStringLiteral("GO"),         QStringLiteral("SY"),         QStringLiteral("CABRERA"),
        QStringLiteral("SAMSON"),     QStringLiteral("MANALANG"),   QStringLiteral("DAVID"),
        QStringLiteral("CORPUZ"),     QStringLiteral("SARMIENTO"),  QStringLiteral("GUEVARRA"),
        QStringLiteral("ROXAS"),      QStringLiteral("LAGMAN"),     QStringLiteral("MALLARI"),
        QStringLiteral("TANGLAO"),    QStringLiteral("PUNZALAN"),   QStringLiteral("SISON"),
        QStringLiteral("ABAD"),       QStringLiteral("ALCANTARA"),  QStringLiteral("BALTAZAR"),
        QStringLiteral("CAPULONG"),   QStringLiteral("DELOS SANTOS"), QStringLiteral("DE JESUS"),
        QStringLiteral("ESGUERRA"),   QStringLiteral("FAJARDO"),    QStringLiteral("GALANG"),
        QStringLiteral("HERNANDEZ"),  QStringLiteral("JAVIER"),     QStringLiteral("LEGASPI"),
        QStringLiteral("MAGSAYSAY"),  QStringLiteral("NATIVIDAD"),  QStringLiteral("OCAMPO"),
        QStringLiteral("PADILLA"),    QStringLiteral("QUIAMBAO"),   QStringLiteral("ROQUE"),
        QStringLiteral("SALAZAR"),    QStringLiteral("TRINIDAD"),   QStringLiteral("UMALI"),
        QStringLiteral("VERGARA"),    QStringLiteral("YAP"),        QStringLiteral("ZAMORA"),
        QStringLiteral("BUENAVENTURA"), QStringLiteral("CALAGUAS"), QStringLiteral("DIMACULANGAN"),
        QStringLiteral("ENRIQUEZ"),   QStringLiteral("FRANCISCO"),  QStringLiteral("GUTIERREZ"),
        QStringLiteral("ILAGAN"),     QStringLiteral("LUCERO"),     QStringLiteral("MAGTANGGOL"),
        QStringLiteral("PAGUIO"),     QStringLiteral("SUNGA"),      QStringLiteral("TIMBOL"),
    };
    return names;
}

const QStringList &maleGivenNames()
{
    static const QStringList names{
        QStringLiteral("JUAN"),      QStringLiteral("JOSE"),         QStringLiteral("PEDRO"),
        QStringLiteral("ANTONIO"),   QStringLiteral("RICARDO"),      QStringLiteral("EDUARDO"),
        QStringLiteral("ROGELIO"),   QStringLiteral("ERNESTO"),      QStringLiteral("ROMEO"),
        QStringLiteral("DANILO"),    QStringLiteral("RODRIGO"),      QStringLiteral("FERDINAND"),
        QStringLiteral("JOSELITO"),  QStringLiteral("MARK ANTHONY"), QStringLiteral("JOHN PAUL"),
        QStringLiteral("JOMAR"),     QStringLiteral("JERICHO"),      QStringLiteral("ANGELO"),
        QStringLiteral("CHRISTIAN"), QStringLiteral("RENATO"),       QStringLiteral("ARNEL"),
        QStringLiteral("BIENVENIDO"), QStringLiteral("ROLANDO"),     QStringLiteral("MANUEL"),
        QStringLiteral("NIÑO"),      QStringLiteral("JUNIOR"),       QStringLiteral("RAMON"),
        QStringLiteral("ALFREDO"),   QStringLiteral("ARMANDO"),      QStringLiteral("CARLITO"),
        QStringLiteral("DIOSDADO"),  QStringLiteral("EMMANUEL"),     QStringLiteral("FELIPE"),
        QStringLiteral("GREGORIO"),  QStringLiteral("HONORIO"),      QStringLiteral("ISIDRO"),
        QStringLiteral("JAYSON"),    QStringLiteral("KENNETH"),      QStringLiteral("LEONARDO"),
        QStringLiteral("MICHAEL"),   QStringLiteral("NESTOR"),       QStringLiteral("OSCAR"),
        QStringLiteral("PATRICK"),   QStringLiteral("REYNALDO"),     QStringLiteral("SANTIAGO"),
        QStringLiteral("TEODORO"),   QStringLiteral("VIRGILIO"),     QStringLiteral("WILFREDO"),
    };
    return names;
}

const QStringList &femaleGivenNames()
{
    static const QStringList names{
        QStringLiteral("MARIA"),       QStringLiteral("MARIA CRISTINA"), QStringLiteral("ROSARIO"),
        QStringLiteral("LUZVIMINDA"),  QStringLiteral("TERESITA"),       QStringLiteral("MARILOU"),
        QStringLiteral("MA. LOURDES"), QStringLiteral("JOCELYN"),        QStringLiteral("MARICEL"),
        QStringLiteral("ROWENA"),      QStringLiteral("CHERRY"),         QStringLiteral("JENNY"),
        QStringLiteral("KRISTINE"),    QStringLiteral("ANGELICA"),       QStringLiteral("PRINCESS"),
        QStringLiteral("NORMA"),       QStringLiteral("ERLINDA"),        QStringLiteral("CORAZON"),
        QStringLiteral("REMEDIOS"),    QStringLiteral("CONCEPCION"),     QStringLiteral("NIÑA"),
        QStringLiteral("MYRNA"),       QStringLiteral("LIGAYA"),         QStringLiteral("AURORA"),
        QStringLiteral("BEATRIZ"),     QStringLiteral("CARMELITA"),      QStringLiteral("DOLORES"),
        QStringLiteral("EVANGELINE"),  QStringLiteral("FLORDELIZA"),     QStringLiteral("GLORIA"),
        QStringLiteral("IMELDA"),      QStringLiteral("JASMINE"),        QStringLiteral("LEONORA"),
        QStringLiteral("MARITES"),     QStringLiteral("NENITA"),         QStringLiteral("PERLA"),
        QStringLiteral("ROSEMARIE"),   QStringLiteral("SHIRLEY"),        QStringLiteral("VILMA"),
        QStringLiteral("ZENAIDA"),     QStringLiteral("APRIL JOY"),      QStringLiteral("MARY GRACE"),
        QStringLiteral("LIZA"),        QStringLiteral("DIANA"),          QStringLiteral("ESPERANZA"),
        QStringLiteral("IVY"),         QStringLiteral("GENEVIEVE"),      QStringLiteral("HAZEL"),
    };
    return names;
}

} // namespace

QString sexCode(Sex sex)
{
    return sex == Sex::Male ? QStringLiteral("M") : QStringLiteral("F");
}

Sex randomSex(DemoRandom &random)
{
    return random.percent(51) ? Sex::Female : Sex::Male;
}

QString randomSurname(DemoRandom &random)
{
    return random.percent(40) ? random.pick(commonSurnames()) : random.pick(otherSurnames());
}

QString randomGivenName(DemoRandom &random, Sex sex)
{
    return random.pick(sex == Sex::Male ? maleGivenNames() : femaleGivenNames());
}

PersonName randomPersonName(DemoRandom &random, Sex sex)
{
    PersonName name;
    name.last = randomSurname(random);
    name.first = randomGivenName(random, sex);
    if (random.percent(4))
        return name;
    // A mother's maiden name equal to the surname is rare; draw again.
    do
        name.middle = randomSurname(random);
    while (name.middle == name.last);
    return name;
}

} // namespace hospital::dbserver::demo
