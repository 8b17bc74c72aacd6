#include "ModalWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int pollMilliseconds = 5;
constexpr int patienceMilliseconds = 5000;

QWidget *visibleWindow(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == name)
            return top;
    return nullptr;
}

} // namespace

void whenShown(const QString &windowName, std::function<void(QWidget &window)> action)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(pollMilliseconds);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, windowName, action = std::move(action)] {
        QWidget *window = visibleWindow(windowName);
        if (!window) {
            *waited += pollMilliseconds;
            if (*waited > patienceMilliseconds) {
                ADD_FAILURE() << qPrintable(windowName) << " never showed";
                poll->deleteLater();
                poll->stop();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        try {
            action(*window);
        } catch (const std::exception &failure) {
            ADD_FAILURE() << "while working " << qPrintable(windowName) << ": " << failure.what();
        }
        if (window->isVisible())
            window->close();
    });
    poll->start();
}

void click(QWidget &window, const QString &buttonName)
{
    child<QAbstractButton>(window, buttonName).click();
}

QString textOf(QWidget &window, const QString &name)
{
    if (auto *box = window.findChild<QLineEdit *>(name))
        return box->text();
    if (auto *list = window.findChild<QComboBox *>(name))
        return list->currentText();
    if (auto *label = window.findChild<QLabel *>(name))
        return label->text();
    return child<QPlainTextEdit>(window, name).toPlainText();
}

void setTextOf(QWidget &window, const QString &name, const QString &text)
{
    if (auto *box = window.findChild<QLineEdit *>(name))
        box->setText(text);
    else if (auto *list = window.findChild<QComboBox *>(name))
        list->setCurrentText(text);
    else
        child<QPlainTextEdit>(window, name).setPlainText(text);
}
