#pragma once

#include <QString>

#include <optional>

namespace hospital::components {

// A login given by the environment, for training set-ups and automated
// checks: PWO_SERVER (a stand-in database folder), PWO_USER, PWO_PASSWORD.
struct EnvironmentLogin {
    QString folder;
    QString employeeCode;
    QString password;
};

// nullopt unless all three variables are set.
std::optional<EnvironmentLogin> environmentLogin();

} // namespace hospital::components
