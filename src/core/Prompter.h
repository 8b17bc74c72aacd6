#pragma once

#include <QMessageBox>
#include <QString>

namespace pwo {

// The program's title, shown by every message box without a title of its own.
QString programTitle();

struct Prompt {
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    // Shown on request below the text (a long statement an error quotes).
    QString details;
};

// Every message box, question and input box goes through here, so that
// tests can answer them and read back what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual QMessageBox::StandardButton ask(const Prompt &prompt) = 0;
    // An input box; a cancel gives empty text, as the platform's input box does.
    virtual QString input(const QString &prompt, const QString &title, const QString &defaultText) = 0;

    static Prompter &current();
    // Replaces the prompter (tests); nullptr restores the message boxes.
    static void install(Prompter *prompter);
};

// A message box through the current prompter; an empty title is the program's.
QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::Icon icon = QMessageBox::NoIcon, const QString &title = {});

} // namespace pwo
