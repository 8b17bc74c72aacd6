#pragma once

#include <QLineEdit>
#include <QWidget>

namespace pwo {

// The patient list, where a social worker finds a patient and makes him the
// current patient. A child window of the frame.
class frmListPatient : public QWidget {
    Q_OBJECT
public:
    explicit frmListPatient(QWidget *parent = nullptr);

    QLineEdit *txtHospNum;
    QLineEdit *txtIDNum;
    QLineEdit *txtLastname;

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace pwo
