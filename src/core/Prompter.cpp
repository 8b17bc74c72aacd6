#include "Prompter.h"

#include <QApplication>
#include <QInputDialog>

namespace pwo {

namespace {

class MessageBoxPrompter : public Prompter {
public:
    QMessageBox::StandardButton ask(const Prompt &prompt) override
    {
        QMessageBox box(prompt.icon, prompt.title, prompt.text, prompt.buttons, QApplication::activeWindow());
        box.setDetailedText(prompt.details);
        return QMessageBox::StandardButton(box.exec());
    }

    QString input(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                                   defaultText, &ok);
        return ok ? text : QString();
    }
};

Prompter *installed = nullptr;

} // namespace

QString programTitle()
{
    return QStringLiteral("Patient Welfare Office");
}

Prompter &Prompter::current()
{
    static MessageBoxPrompter boxes;
    return installed ? *installed : boxes;
}

void Prompter::install(Prompter *prompter)
{
    installed = prompter;
}

QMessageBox::StandardButton showMessage(const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon, const QString &title)
{
    return Prompter::current().ask({text, buttons, icon, title.isEmpty() ? programTitle() : title, {}});
}

} // namespace pwo
