#pragma once

#include "core/Prompter.h"

#include <QList>

#include <deque>
#include <functional>

// Answers every prompt from a script and keeps what was asked. A prompt with
// no scripted answer gets the first of its buttons (OK for a plain message).
class ScriptedPrompter : public pwo::Prompter {
public:
    struct Asked {
        pwo::Prompt prompt;
        bool isInput = false;
    };

    void answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    void answerInput(const QString &text) { inputs_.push_back(text); }
    // Runs once inside the next message box, as a timer firing while the box
    // is open would.
    void whileNextBoxIsOpen(std::function<void()> action) { whileOpen_ = std::move(action); }

    QMessageBox::StandardButton ask(const pwo::Prompt &prompt) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;

    const QList<Asked> &asked() const { return asked_; }
    QStringList texts() const;
    void clear() { asked_.clear(); }

private:
    std::deque<QMessageBox::StandardButton> answers_;
    std::deque<QString> inputs_;
    QList<Asked> asked_;
    std::function<void()> whileOpen_;
};
