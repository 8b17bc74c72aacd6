#include "hospital/components/user/EnvironmentLogin.h"

#include <QtGlobal>

namespace hospital::components {

std::optional<EnvironmentLogin> environmentLogin()
{
    if (!qEnvironmentVariableIsSet("PWO_SERVER") || !qEnvironmentVariableIsSet("PWO_USER") ||
        !qEnvironmentVariableIsSet("PWO_PASSWORD"))
        return std::nullopt;
    return EnvironmentLogin{qEnvironmentVariable("PWO_SERVER"), qEnvironmentVariable("PWO_USER"),
                            qEnvironmentVariable("PWO_PASSWORD")};
}

} // namespace hospital::components
