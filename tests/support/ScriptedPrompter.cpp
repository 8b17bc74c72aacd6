#include "ScriptedPrompter.h"

#include <utility>

QMessageBox::StandardButton ScriptedPrompter::ask(const pwo::Prompt &prompt)
{
    asked_.push_back({prompt, false});
    if (whileOpen_)
        std::exchange(whileOpen_, {})();
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = QMessageBox::StandardButton(1u << bit);
        if (prompt.buttons.testFlag(button))
            return button;
    }
    return QMessageBox::Ok;
}

QString ScriptedPrompter::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    asked_.push_back({{prompt, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::NoIcon, title, {}}, true});
    if (inputs_.empty())
        return defaultText;
    const QString text = inputs_.front();
    inputs_.pop_front();
    return text;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList result;
    for (const Asked &a : asked_)
        result << a.prompt.text;
    return result;
}
