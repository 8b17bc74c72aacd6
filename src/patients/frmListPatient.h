#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace pwo {

class Connection;
class LinkLabel;
class PatientListModel;

// The patient list, where a social worker finds a patient and makes him the
// current patient. A child window of the frame.
class frmListPatient : public QWidget {
    Q_OBJECT
public:
    explicit frmListPatient(QWidget *parent = nullptr);
    ~frmListPatient() override;

    // The frame's File menu, popped up by a right click on the list, and its
    // "Patient Datasheet" item, enabled only while the chosen patient's
    // IDNUM is numeric.
    void attachFrame(QMenu *fileMenu, QAction *patientDatasheet);

    // Lays the window out with the splitter at x (twips).
    void SizeControls(int x);

    QLineEdit *txtHospNum;
    QLineEdit *txtIDNum;
    QLineEdit *txtLastname;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSearchFrame();
    void buildPatientTypeFrame();
    void buildPanel();
    void buildList();
    void connectHandlers();
    QRect pixelRect(int left, int top, int width, int height) const;

    void Form_Load();
    void SearchPatients(const QString &hospitalNumber, const QString &lastName, const QString &admissionNumber,
                        const QString &firstName, const QString &middleName);
    void LoadPwoPatients(const QString &hospitalNumber, const QString &lastName, const QString &admissionNumber,
                         const QString &firstName, const QString &middleName);
    void loadList(const QString &procedure, const QStringList &arguments, Connection &connection, int filledColumns);
    void SelectCurrentPatient();
    QStringList searchTexts() const;
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

    QLineEdit *txtFirstname;
    QLineEdit *txtMiddleName;
    std::array<QRadioButton *, 4> optPatientType{};
    LinkLabel *lblPWO = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblRecCount = nullptr;
    QProgressBar *pbProgress = nullptr;
    QTreeView *lvwSearchPatient = nullptr;
    QFrame *imgSplitter = nullptr;
    QFrame *picSplitter = nullptr;
    QGroupBox *fraSearch = nullptr;
    QGroupBox *fraPatientType = nullptr;
    QFrame *picPanel = nullptr;
    QGroupBox *fraList = nullptr;

    PatientListModel *model_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int splitterX_;
    bool SplitterMoving = false;
    bool loaded_ = false;
    QPointer<QMenu> fileMenu_;
    QPointer<QAction> patientDatasheet_;
};

} // namespace pwo
