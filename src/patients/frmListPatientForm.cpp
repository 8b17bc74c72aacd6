// The window's controls and where they go; what they do is in frmListPatient.cpp.

#include "frmListPatient.h"

#include "LinkLabel.h"
#include "ListSplitterLayout.h"
#include "PatientListColumns.h"
#include "PatientListModel.h"

#include "shell/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace pwo {

namespace {

// The window's design, in twips.
constexpr int margin = 60;
constexpr int initialSplitterX = 4500;
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

QLineEdit *newSearchBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

frmListPatient::frmListPatient(QWidget *parent)
    : QWidget(parent),
      txtHospNum(newSearchBox("txtHospNum", this)),
      txtIDNum(newSearchBox("txtIDNum", this)),
      txtLastname(newSearchBox("txtLastname", this)),
      txtFirstname(newSearchBox("txtFirstname", this)),
      txtMiddleName(newSearchBox("txtMiddleName", this)),
      model_(new PatientListModel(this)),
      splitterX_(initialSplitterX)
{
    setObjectName(QStringLiteral("frmListPatient"));
    setWindowTitle(QStringLiteral("Patient List"));
    buildSearchFrame();
    buildPatientTypeFrame();
    buildPanel();
    buildList();
    connectHandlers();
    SizeControls(splitterX_);
}

frmListPatient::~frmListPatient() = default;

void frmListPatient::buildSearchFrame()
{
    fraSearch = new QGroupBox(QStringLiteral("Search"), this);
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
        label->setGeometry(pixelRect(searchBoxLeft, top, 2400, labelHeight));
        label->setBuddy(box);
        box->setParent(fraSearch);
        box->move(twipsToPixelsX(searchBoxLeft, this), twipsToPixelsY(top + labelHeight, this));
        box->installEventFilter(this);
        top += searchRowHeight;
    }
    cmdSearch = new QPushButton(QStringLiteral("&Search"), fraSearch);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
}

void frmListPatient::buildPatientTypeFrame()
{
    fraPatientType = new QGroupBox(QStringLiteral("Patient Type"), this);
    fraPatientType->setObjectName(QStringLiteral("fraPatientType"));
    const std::array<const char *, 4> captions{"In Patient", "Out Patient", "All Patients", "ER Patients"};
    for (int i = 0; i < int(captions.size()); ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[size_t(i)]), fraPatientType);
        option->setObjectName(QStringLiteral("optPatientType_%1").arg(i));
        option->setGeometry(pixelRect(searchBoxLeft, frameCaptionHeight + i * optionHeight, 2400, optionHeight));
        optPatientType[size_t(i)] = option;
    }
    optPatientType[0]->setChecked(true);
}

void frmListPatient::buildPanel()
{
    picPanel = new QFrame(this);
    picPanel->setObjectName(QStringLiteral("picPanel"));
    picPanel->setAutoFillBackground(true);
    QPalette colours = picPanel->palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 64));
    colours.setColor(QPalette::WindowText, Qt::white);
    picPanel->setPalette(colours);

    lblPWO = new LinkLabel(QStringLiteral("PWO Patients"), picPanel);
    lblPWO->setObjectName(QStringLiteral("lblPWO"));
    lblPWO->setGeometry(pixelRect(120, 120, 1500, 300));
    cmdClose = new QPushButton(QStringLiteral("&Close"), picPanel);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(pixelRect(120, 540, buttonWidth, buttonHeight));
    lblRecCount = new QLabel(QStringLiteral("Total Number of Records : _"), picPanel);
    lblRecCount->setObjectName(QStringLiteral("lblRecCount"));
    pbProgress = new QProgressBar(picPanel);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->hide();
}

void frmListPatient::buildList()
{
    fraList = new QGroupBox(this);
    fraList->setObjectName(QStringLiteral("fraList"));
    lvwSearchPatient = new QTreeView(fraList);
    lvwSearchPatient->setObjectName(QStringLiteral("lvwSearchPatient"));
    lvwSearchPatient->setModel(model_);
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
    const QFontMetrics captions(header->font());
    const int pictureAndPadding = 12 + 4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < int(patientListColumns.size()); ++c) {
        const PatientListColumn &column = patientListColumns[size_t(c)];
        header->resizeSection(c, std::max(twipsToPixelsX(column.widthTwips, this),
                                          captions.horizontalAdvance(QString::fromLatin1(column.header)) +
                                              pictureAndPadding));
    }
    lvwSearchPatient->setEnabled(false);
    lvwSearchPatient->installEventFilter(this);
    lvwSearchPatient->viewport()->installEventFilter(this);

    imgSplitter = new QFrame(this);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SplitHCursor);
    imgSplitter->installEventFilter(this);
    picSplitter = new QFrame(this);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setAutoFillBackground(true);
    QPalette colours = picSplitter->palette();
    colours.setColor(QPalette::Window, QColor(64, 64, 64));
    picSplitter->setPalette(colours);
    picSplitter->hide();
}

QRect frmListPatient::pixelRect(int left, int top, int width, int height) const
{
    return QRect(twipsToPixelsX(left, this), twipsToPixelsY(top, this), twipsToPixelsX(std::max(0, width), this),
                 twipsToPixelsY(std::max(0, height), this));
}

void frmListPatient::SizeControls(int x)
{
    // The position asked for is kept, so that a window shown small for a
    // moment gets its splitter back when it grows.
    splitterX_ = x;
    const ListSplitterLayout layout = listSplitterLayout(pixelsToTwipsX(width(), this), x);
    fraSearch->setGeometry(pixelRect(margin, margin, layout.searchWidth, searchFrameHeight));
    fraPatientType->setGeometry(
        pixelRect(margin, margin + searchFrameHeight + margin, layout.searchWidth, patientTypeFrameHeight));
    for (QLineEdit *box : {txtLastname, txtHospNum, txtIDNum, txtFirstname, txtMiddleName})
        box->resize(twipsToPixelsX(std::max(0, layout.searchBoxWidth), this), twipsToPixelsY(boxHeight, this));
    cmdSearch->setGeometry(pixelRect(layout.cmdSearchLeft, frameCaptionHeight + 5 * searchRowHeight + 60, buttonWidth,
                                     buttonHeight));

    // The heights fill the window, whatever its size.
    const int bottomGap = twipsToPixelsY(margin, this);
    QRect panel = pixelRect(margin, panelTop, layout.searchWidth, 0);
    panel.setHeight(std::max(0, height() - panel.top() - bottomGap));
    picPanel->setGeometry(panel);
    const int panelInnerWidth = layout.searchWidth - 240;
    lblRecCount->setGeometry(pixelRect(120, 1020, panelInnerWidth, labelHeight));
    pbProgress->setGeometry(pixelRect(120, 1320, panelInnerWidth, labelHeight));

    QRect listFrame = pixelRect(layout.listFrameLeft, margin, layout.listFrameWidth, 0);
    listFrame.setHeight(std::max(0, height() - listFrame.top() - bottomGap));
    fraList->setGeometry(listFrame);
    QRect list = pixelRect(listLeftInFrame, listTopInFrame, layout.listWidth, 0);
    list.setHeight(std::max(0, listFrame.height() - twipsToPixelsY(300, this)));
    lvwSearchPatient->setGeometry(list);
    QRect splitter = pixelRect(layout.splitterLeft, margin, splitterWidth, 0);
    splitter.setHeight(listFrame.height());
    imgSplitter->setGeometry(splitter);
}

void frmListPatient::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SizeControls(splitterX_);
}

} // namespace pwo
