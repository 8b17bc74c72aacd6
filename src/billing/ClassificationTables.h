#pragma once

#include <QString>

#include <vector>

namespace pwo {

class Connection;

// One class of the office's classification scheme; a null code or name on
// the server reads as empty text.
struct ClassificationEntry {
    QString code;
    QString name;
};

// The discount fractions of a class (0.2 is 20 %): in-patient, then
// out-patient. There is no out-patient room fraction.
struct DiscountFractions {
    double procedures = 0;
    double supplies = 0;
    double medicines = 0;
    double room = 0;
    double procedures2 = 0;
    double supplies2 = 0;
    double medicines2 = 0;
};

// The classes sorted by code, as the assessment offers them.
std::vector<ClassificationEntry> classificationsByCode(Connection &connection);
// The classes in the order the server keeps them, as the intake sheet offers them.
std::vector<ClassificationEntry> classificationsInServerOrder(Connection &connection);
// The fractions of a class; 0 everywhere when the code has no fraction row.
// The code is sent as given: callers trim it where they should.
DiscountFractions discountFractions(Connection &connection, const QString &classificationCode);

} // namespace pwo
