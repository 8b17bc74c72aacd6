#pragma once

#include <QWidget>

#include <array>

class QComboBox;

namespace pwo {

// The ratings of the patient's social roles: four lists for each role code
// 0 to 23.
class SocialFunctioningTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int roleCount = 24;

    explicit SocialFunctioningTab(QWidget *parent = nullptr);

    QComboBox *cmbSocialInteraction(int code) const;
    QComboBox *cmbSeverityIndex(int code) const;
    QComboBox *cmbDurationIndex(int code) const;
    QComboBox *cmbCopingIndex(int code) const;

    // Writes one row a role code for the patient, adding it when missing.
    void Save_SocialFunctioning(const QString &hospNum);
    void setEditable(bool editable);

private:
    struct RoleRow {
        QComboBox *interaction = nullptr;
        QComboBox *severity = nullptr;
        QComboBox *duration = nullptr;
        QComboBox *coping = nullptr;
    };
    std::array<RoleRow, roleCount> rows_{};
};

} // namespace pwo
