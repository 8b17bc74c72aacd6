#include "ReportTestSupport.h"

#include "core/modGlobals.h"

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
