#pragma once

#include "core/SiblingComponents.h"

namespace hospital::components {

// Accepts the configuration start-up gives it and keeps it; the client's
// windows search no codes through it.
class CodeSearch final : public pwo::CodeSearchComponent {
public:
    void setMTS_Server(const QString &host) override { mtsServer_ = host; }
    void setSearchMode(bool on) override { searchMode_ = on; }
    void Initialize_Classes() override { initialized_ = true; }
    void setCompanyName(const QString &name) override { companyName_ = name; }
    void setSearchTitle(const QString &title) override { searchTitle_ = title; }
    void setConnection(std::shared_ptr<pwo::Connection> connection) override { connection_ = std::move(connection); }

    QString mtsServer() const { return mtsServer_; }
    bool searchMode() const { return searchMode_; }
    bool initialized() const { return initialized_; }
    QString companyName() const { return companyName_; }
    QString searchTitle() const { return searchTitle_; }
    std::shared_ptr<pwo::Connection> connection() const { return connection_; }

private:
    QString mtsServer_;
    bool searchMode_ = false;
    bool initialized_ = false;
    QString companyName_;
    QString searchTitle_;
    std::shared_ptr<pwo::Connection> connection_;
};

} // namespace hospital::components
