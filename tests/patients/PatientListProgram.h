#pragma once

#include "ProgramUnderTest.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace pwo {
class frmListPatient;
}

// The program logged in as demo with the patient list open in the frame.
class PatientListProgram : public ::testing::Test {
protected:
    void SetUp() override;

    pwo::frmListPatient *list() const;
    QLineEdit *box(const char *name) const;
    QTreeView *view() const;
    QAbstractItemModel *rows() const { return view()->model(); }
    QString cell(int row, int column) const;
    QLabel *label(const char *name) const;

    void choose(int patientType) const;  // clicks optPatientType_<patientType>
    void clickSearch() const;
    void pressEnterIn(const char *boxName) const;
    void clickRow(int row) const;
    void clickHeader(int column) const;

    // The list statements sent since the test began, in order.
    QStringList listStatements() const;
    // One number from the demo database, through the program's connection.
    long countOf(const QString &select) const;

    ProgramUnderTest program;
};
