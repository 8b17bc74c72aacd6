#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// The small parts of the registry objects, each holding one text.

class CodeName final : public pwo::RegistryCode {
public:
    CodeName() = default;
    explicit CodeName(QString description) : description_(std::move(description)) {}
    QString Description() const override { return description_; }

private:
    QString description_;
};

class AdmissionRoom final : public pwo::RegistryRoom {
public:
    AdmissionRoom() = default;
    explicit AdmissionRoom(QString roomId) : roomId_(std::move(roomId)) {}
    QString RoomID() const override { return roomId_; }

private:
    QString roomId_;
};

class AdmissionHistory final : public pwo::RegistryHistory {
public:
    AdmissionHistory() = default;
    explicit AdmissionHistory(QString admittingDiagnosis) : admittingDiagnosis_(std::move(admittingDiagnosis)) {}
    QString AdmittingDiagnosis() const override { return admittingDiagnosis_; }

private:
    QString admittingDiagnosis_;
};

} // namespace hospital::components
