#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QPlainTextEdit;

namespace pwo {

// The ratings of problems in the patient's environment (problem codes 0 to
// 18) and the worker's assessment and recommended interventions.
class EnvironmentProblemsTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int problemCount = 19;

    explicit EnvironmentProblemsTab(QWidget *parent = nullptr);

    QComboBox *cmbPESeverityIndex(int code) const;
    QComboBox *cmbPEDurationIndex(int code) const;
    QPlainTextEdit *txtAssessment() const { return assessment_; }
    QPlainTextEdit *txtRecommendedInterventions() const { return interventions_; }

    // Writes one row a problem code for the patient, adding it when missing.
    void Save_EnvironmentProblems(const QString &hospNum);
    void setEditable(bool editable);

private:
    struct ProblemRow {
        QComboBox *severity = nullptr;
        QComboBox *duration = nullptr;
    };
    std::array<ProblemRow, problemCount> rows_{};
    QPlainTextEdit *assessment_ = nullptr;
    QPlainTextEdit *interventions_ = nullptr;
};

} // namespace pwo
