#pragma once

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

// Runs `action` on the modal window with that object name once it shows
// (the window that the code under test is about to exec).
void whenModalShown(const QString &windowName, std::function<void(QWidget &window)> action);
void clickButton(QWidget &window, const QString &buttonName);

// The visible viewer windows, oldest first.
QList<QWidget *> openViewers();

// The text of a PDF file as pdftotext reads it.
QString pdfText(const QString &path);
