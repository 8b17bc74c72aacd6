#include "ReportTestSupport.h"

#include "shell/modGlobals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

ReportFolder::ReportFolder() : previous_(pwo::globals().ReportFolder)
{
    pwo::globals().ReportFolder = dir_.path() + QStringLiteral("/");
}

ReportFolder::~ReportFolder()
{
    pwo::globals().ReportFolder = previous_;
}

QString ReportFolder::write(const QString &fileName, const QString &text) const
{
    QFile file(QDir(dir_.path()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write " << qPrintable(file.fileName());
    file.write(text.toUtf8());
    return pwo::reportFilePath(QStringLiteral("\\") + fileName);
}

void whenModalShown(const QString &windowName, std::function<void(QWidget &window)> action)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, windowName, action = std::move(action)] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window->objectName() != windowName) {
            if ((*waited += 5) > 5000) {
                ADD_FAILURE() << qPrintable(windowName) << " never showed";
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        action(*window);
    });
    poll->start();
}

void clickButton(QWidget &window, const QString &buttonName)
{
    auto *button = window.findChild<QAbstractButton *>(buttonName);
    ASSERT_NE(button, nullptr) << qPrintable(buttonName);
    button->click();
}

QList<QWidget *> openViewers()
{
    QList<QWidget *> viewers;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("frmReportViewer"))
            viewers << w;
    return viewers;
}

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
        ADD_FAILURE() << "pdftotext failed on " << qPrintable(path);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
