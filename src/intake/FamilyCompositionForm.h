#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace pwo {

// The named controls of the family composition page.
struct FamilyCompositionForm {
    QLabel *lblCaption = nullptr;
    QTableWidget *FCFlexGrid = nullptr;
    QLineEdit *txtFlxg = nullptr;
    QComboBox *cmbFlx = nullptr;
    QLabel *lblTotFamIncome = nullptr;
    QLineEdit *txtTotFamIncome = nullptr;
    QPushButton *cmdAdd = nullptr;

    void setupUi(QWidget *page);
};

} // namespace pwo
