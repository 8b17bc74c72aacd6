#include "frmListPatientForm.h"

#include "widgets/HeaderWidths.h"
#include "widgets/LinkLabel.h"
#include "ListSplitterLayout.h"
#include "PatientListColumns.h"

#include "core/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace pwo {

namespace {

// The window's design, in twips.
constexpr int margin = 60;
constexpr int frameCaptionHeight = 360;
constexpr int labelHeight = 240;
constexpr int boxHeight = 315;
constexpr int searchRowHeight = labelHeight + boxHeight + 120;
constexpr int buttonWidth = 820;
constexpr int buttonHeight = 375;
constexpr int searchFrameHeight = frameCaptionHeight + 5 * searchRowHeight + buttonHeight + 180;
constexpr int optionHeight = 300;
constexpr int patientTypeFrameHeight = frameCaptionHeight + 4 * optionHeight + 120;
constexpr int panelTop = margin + searchFrameHeight + margin + patientTypeFrameHeight + margin;
constexpr int splitterWidth = 80;
constexpr int listTopInFrame = 240;
constexpr int listLeftInFrame = 75;

QRect pixelRect(const QWidget *window, int left, int top, int width, int height)
{
    return QRect(twipsToPixelsX(left, window), twipsToPixelsY(top, window), twipsToPixelsX(std::max(0, width), window),
                 twipsToPixelsY(std::max(0, height), window));
}

QLineEdit *newSearchBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

void frmListPatientForm::setupUi(QWidget *window, QAbstractItemModel *patients)
{
    window->setObjectName(QStringLiteral("frmListPatient"));
    window->setWindowTitle(QStringLiteral("Patient List"));
    txtHospNum = newSearchBox("txtHospNum", window);
    txtIDNum = newSearchBox("txtIDNum", window);
    txtLastname = newSearchBox("txtLastname", window);
    txtFirstname = newSearchBox("txtFirstname", window);
    txtMiddleName = newSearchBox("txtMiddleName", window);
    buildSearchFrame(window);
    buildPatientTypeFrame(window);
    buildPanel(window);
    buildList(window, patients);
    // Tab follows the screen: the boxes top to bottom, Search, the patient
    // types, the panel, the list.
    QWidget *previous = nullptr;
    for (QWidget *stop : std::initializer_list<QWidget *>{txtLastname, txtHospNum, txtIDNum, txtFirstname, txtMiddleName,
                                                          cmdSearch, optPatientType[0], optPatientType[1],
                                                          optPatientType[2], optPatientType[3], lblPWO, cmdClose,
                                                          lvwSearchPatient}) {
        if (previous)
            QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

void frmListPatientForm::buildSearchFrame(QWidget *window)
{
    fraSearch = new QGroupBox(QStringLiteral("Search"), window);
    fraSearch->setObjectName(QStringLiteral("fraSearch"));
    const std::array<std::pair<QLineEdit *, const char *>, 5> rows{{
        {txtLastname, "Enter Lastname:"},
        {txtHospNum, "Enter Hospital Number:"},
        {txtIDNum, "Enter Admission Number:"},
        {txtFirstname, "Enter Firstname:"},
        {txtMiddleName, "Enter Middlename:"},
    }};
    int top = frameCaptionHeight;
    for (const auto &[box, caption] : rows) {
        auto *label = new QLabel(QString::fromLatin1(caption), fraSearch);
        label->setGeometry(pixelRect(window, searchBoxLeft, top, 2400, labelHeight));
        label->setBuddy(box);
        box->setParent(fraSearch);
        box->move(twipsToPixelsX(searchBoxLeft, window), twipsToPixelsY(top + labelHeight, window));
        top += searchRowHeight;
    }
    cmdSearch = new QPushButton(QStringLiteral("&Search"), fraSearch);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
}

void frmListPatientForm::buildPatientTypeFrame(QWidget *window)
{
    fraPatientType = new QGroupBox(QStringLiteral("Patient Type"), window);
    fraPatientType->setObjectName(QStringLiteral("fraPatientType"));
    const std::array<const char *, 4> captions{"In Patient", "Out Patient", "All Patients", "ER Patients"};
    for (int i = 0; i < int(captions.size()); ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[size_t(i)]), fraPatientType);
        option->setObjectName(QStringLiteral("optPatientType_%1").arg(i));
        option->setGeometry(pixelRect(window, searchBoxLeft, frameCaptionHeight + i * optionHeight, 2400, optionHeight));
        optPatientType[size_t(i)] = option;
    }
    optPatientType[0]->setChecked(true);
}

void frmListPatientForm::buildPanel(QWidget *window)
{
    picPanel = new QFrame(window);
    picPanel->setObjectName(QStringLiteral("picPanel"));
    picPanel->setAutoFillBackground(true);
    QPalette colours = picPanel->palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 64));
    colours.setColor(QPalette::WindowText, Qt::white);
    picPanel->setPalette(colours);

    lblPWO = new LinkLabel(QStringLiteral("PWO Patients"), picPanel);
    lblPWO->setObjectName(QStringLiteral("lblPWO"));
    lblPWO->setGeometry(pixelRect(window, 120, 120, 1500, 300));
    cmdClose = new QPushButton(QStringLiteral("&Close"), picPanel);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(pixelRect(window, 120, 540, buttonWidth, buttonHeight));
    lblRecCount = new QLabel(QStringLiteral("Total Number of Records : _"), picPanel);
    lblRecCount->setObjectName(QStringLiteral("lblRecCount"));
    pbProgress = new QProgressBar(picPanel);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->hide();
}

void frmListPatientForm::buildList(QWidget *window, QAbstractItemModel *patients)
{
    fraList = new QGroupBox(window);
    fraList->setObjectName(QStringLiteral("fraList"));
    lvwSearchPatient = new QTreeView(fraList);
    lvwSearchPatient->setObjectName(QStringLiteral("lvwSearchPatient"));
    lvwSearchPatient->setModel(patients);
    lvwSearchPatient->setRootIsDecorated(false);
    lvwSearchPatient->setItemsExpandable(false);
    lvwSearchPatient->setUniformRowHeights(true);  // keeps a list of many thousand rows quick
    lvwSearchPatient->setAllColumnsShowFocus(true);
    lvwSearchPatient->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwSearchPatient->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwSearchPatient->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The column widths are the office's, made for an 8-point font.
    QFont small = lvwSearchPatient->font();
    small.setPointSize(8);
    lvwSearchPatient->setFont(small);
    QHeaderView *header = lvwSearchPatient->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    // The office's widths, but never narrower than a caption with its sort picture.
    for (int c = 0; c < int(patientListColumns.size()); ++c)
        resizeSectionKeepingCaption(*header, c, twipsToPixelsX(patientListColumns[size_t(c)].widthTwips, window));
    lvwSearchPatient->setEnabled(false);

    imgSplitter = new QFrame(window);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SplitHCursor);
    picSplitter = new QFrame(window);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setAutoFillBackground(true);
    QPalette colours = picSplitter->palette();
    colours.setColor(QPalette::Window, QColor(64, 64, 64));
    picSplitter->setPalette(colours);
    picSplitter->hide();
}

void frmListPatientForm::placeControls(QWidget *window, int x)
{
    const ListSplitterLayout layout = listSplitterLayout(pixelsToTwipsX(window->width(), window), x);
    fraSearch->setGeometry(pixelRect(window, margin, margin, layout.searchWidth, searchFrameHeight));
    fraPatientType->setGeometry(
        pixelRect(window, margin, margin + searchFrameHeight + margin, layout.searchWidth, patientTypeFrameHeight));
    for (QLineEdit *box : {txtLastname, txtHospNum, txtIDNum, txtFirstname, txtMiddleName})
        box->resize(twipsToPixelsX(std::max(0, layout.searchBoxWidth), window), twipsToPixelsY(boxHeight, window));
    cmdSearch->setGeometry(pixelRect(window, layout.cmdSearchLeft, frameCaptionHeight + 5 * searchRowHeight + 60, buttonWidth,
                                     buttonHeight));

    // The heights fill the window, whatever its size.
    const int bottomGap = twipsToPixelsY(margin, window);
    QRect panel = pixelRect(window, margin, panelTop, layout.searchWidth, 0);
    panel.setHeight(std::max(0, window->height() - panel.top() - bottomGap));
    picPanel->setGeometry(panel);
    const int panelInnerWidth = layout.searchWidth - 240;
    lblRecCount->setGeometry(pixelRect(window, 120, 1020, panelInnerWidth, labelHeight));
    pbProgress->setGeometry(pixelRect(window, 120, 1320, panelInnerWidth, labelHeight));

    QRect listFrame = pixelRect(window, layout.listFrameLeft, margin, layout.listFrameWidth, 0);
    listFrame.setHeight(std::max(0, window->height() - listFrame.top() - bottomGap));
    fraList->setGeometry(listFrame);
    QRect list = pixelRect(window, listLeftInFrame, listTopInFrame, layout.listWidth, 0);
    list.setHeight(std::max(0, listFrame.height() - twipsToPixelsY(300, window)));
    lvwSearchPatient->setGeometry(list);
    QRect splitter = pixelRect(window, layout.splitterLeft, margin, splitterWidth, 0);
    splitter.setHeight(listFrame.height());
    imgSplitter->setGeometry(splitter);
}

} // namespace pwo
