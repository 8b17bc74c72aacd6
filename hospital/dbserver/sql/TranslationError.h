#pragma once

#include <QString>
#include <QStringView>

#include <stdexcept>

namespace hospital::dbserver {

// A statement the stand-in server does not understand. The message always
// quotes the whole statement so a developer can see what the client sent.
class TranslationError : public std::runtime_error {
public:
    TranslationError(const QString &reason, QStringView statement);

    QString message() const { return message_; }
    QString reason() const { return reason_; }
    QString statement() const { return statement_; }

private:
    QString reason_;
    QString statement_;
    QString message_;
};

} // namespace hospital::dbserver
