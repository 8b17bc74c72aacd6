#pragma once

#include "frmListPatientForm.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace pwo {

class Connection;
class PatientListModel;

// What the frame carries over when it reloads the list.
struct PatientSearchTexts {
    QString hospitalNumber;
    QString admissionNumber;
    QString lastName;
};

// The patient list, where a social worker finds a patient and makes him the
// current patient. A child window of the frame.
class frmListPatient : public QWidget {
    Q_OBJECT
public:
    explicit frmListPatient(QWidget *parent = nullptr);
    ~frmListPatient() override;

    // The search boxes the frame keeps across a reload, as typed.
    PatientSearchTexts searchTexts() const;
    void setSearchTexts(const PatientSearchTexts &texts);

    // Lays the window out with the splitter at x (twips).
    void SizeControls(int x);

signals:
    // A right click on the list with a patient chosen: the frame pops up its
    // File menu there.
    void fileMenuRequested(const QPoint &globalPosition);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();

    void Form_Load();
    void SearchPatients(const QString &hospitalNumber, const QString &lastName, const QString &admissionNumber,
                        const QString &firstName, const QString &middleName);
    void LoadPwoPatients(const QString &hospitalNumber, const QString &lastName, const QString &admissionNumber,
                         const QString &firstName, const QString &middleName);
    void loadList(const QString &procedure, const QStringList &arguments, Connection &connection, int filledColumns);
    void SelectCurrentPatient();
    // Widens the number and date columns to their longest value shown.
    void showWholeValues();
    // The five search texts trimmed, in the order the list procedures take them.
    QStringList searchArguments() const;
    int selectedPatientType() const;

    void cmdSearch_Click();
    void cmdClose_Click();
    void lblPWO_Click();
    void optPatientType_Click(int index);
    void searchBox_Enter(QLineEdit *box);
    bool searchBox_KeyPress(QLineEdit *box, QKeyEvent *event);
    void lvwSearchPatient_ColumnClick(int column);
    bool lvwSearchPatient_MouseDown(QMouseEvent *event);
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(int pointerX);
    void imgSplitter_MouseUp();

    PatientListModel *model_;
    frmListPatientForm ui;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int splitterX_ = initialPatientListSplitterX;
    bool SplitterMoving = false;
    bool loaded_ = false;
};

} // namespace pwo
