#pragma once

#include <QList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace pwo {

// The controls of the assessment and referral window.
struct frmARRForm {
    static constexpr int documentCount = 18;

    QLabel *lblStatus = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label7 = nullptr;

    QLineEdit *txtHospNum = nullptr;
    QLineEdit *txtLastname = nullptr;
    QLineEdit *txtFirstname = nullptr;
    QLineEdit *txtMiddleName = nullptr;
    QLineEdit *mskIntake = nullptr;
    QLineEdit *mskRange1 = nullptr;
    QComboBox *cboactive = nullptr;
    QCheckBox *chkActive = nullptr;
    QLineEdit *txtPWONum = nullptr;
    QLineEdit *txtIDNum = nullptr;
    QLineEdit *txtRoomID = nullptr;
    QComboBox *cboClassification = nullptr;
    QComboBox *cboReferring = nullptr;
    QLabel *lblCode = nullptr;
    QLineEdit *txtDoctor = nullptr;

    QTabWidget *SSTab1 = nullptr;
    QListWidget *lstParentCategory = nullptr;
    QListWidget *lstCategory = nullptr;
    QGroupBox *fmeService = nullptr;
    QListWidget *lstServices = nullptr;
    QPushButton *cmdService = nullptr;
    QPushButton *cmdCloseServices = nullptr;
    QPlainTextEdit *txtRemarks = nullptr;
    QLineEdit *txtNC = nullptr;
    QLineEdit *txtPWOW = nullptr;
    QPushButton *cmdSearch = nullptr;
    QCheckBox *chkPCSO = nullptr;
    QCheckBox *chkSponsor = nullptr;
    QCheckBox *chkSpecial = nullptr;
    QList<QRadioButton *> optPCSO;
    QButtonGroup *pcsoTypes = nullptr;

    QList<QCheckBox *> chkdoc;
    QGroupBox *frmactivity = nullptr;
    QListWidget *lstactivity = nullptr;
    QPushButton *cmdAddActivity = nullptr;
    QPushButton *cmdCloseActivity = nullptr;

    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdRePrint = nullptr;
    QPushButton *cmdTrans = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdViewCDF = nullptr;
    QPushButton *cmdClose = nullptr;
    QTimer *tmrCDF = nullptr;

    void setupUi(QDialog *window);

private:
    QWidget *buildPatientFrame(QDialog *window);
    QWidget *buildCategoryTab(QWidget *tabs);
    QWidget *buildTaggingFrame(QWidget *parent);
    QWidget *buildDocumentationTab(QWidget *tabs);
    QWidget *buildHints(QDialog *window);
};

} // namespace pwo
