#pragma once

#include <array>

class QAbstractItemModel;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;
class QWidget;

namespace pwo {

class LinkLabel;

// The controls of the patient list and where they go, in twips.
struct frmListPatientForm {
    QGroupBox *fraSearch = nullptr;
    QLineEdit *txtLastname = nullptr;
    QLineEdit *txtHospNum = nullptr;
    QLineEdit *txtIDNum = nullptr;
    QLineEdit *txtFirstname = nullptr;
    QLineEdit *txtMiddleName = nullptr;
    QPushButton *cmdSearch = nullptr;
    QGroupBox *fraPatientType = nullptr;
    std::array<QRadioButton *, 4> optPatientType{};
    QFrame *picPanel = nullptr;
    LinkLabel *lblPWO = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblRecCount = nullptr;
    QProgressBar *pbProgress = nullptr;
    QGroupBox *fraList = nullptr;
    QTreeView *lvwSearchPatient = nullptr;
    QFrame *imgSplitter = nullptr;
    QFrame *picSplitter = nullptr;

    void setupUi(QWidget *window, QAbstractItemModel *patients);
    // Lays the controls out over the window's size with the splitter at x (twips).
    void placeControls(QWidget *window, int x);

private:
    void buildSearchFrame(QWidget *window);
    void buildPatientTypeFrame(QWidget *window);
    void buildPanel(QWidget *window);
    void buildList(QWidget *window, QAbstractItemModel *patients);
};

// Where the splitter starts, in twips.
constexpr int initialPatientListSplitterX = 4500;

} // namespace pwo
