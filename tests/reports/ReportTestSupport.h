#pragma once

#include "ModalWindows.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>

// A folder of report definitions written by a test; it becomes the
// program's report folder while the object lives.
class ReportFolder {
public:
    ReportFolder();
    ~ReportFolder();
    // Writes NAME (with its .rpt) and returns its path as OpenReport takes it.
    QString write(const QString &fileName, const QString &text) const;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};


// The visible viewer windows, oldest first.
QList<QWidget *> openViewers();

// The text of a PDF file as pdftotext reads it.
QString pdfText(const QString &path);
