#include "TextWidths.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <stdexcept>

namespace pwo {

namespace {

// The line a worker types in: the box itself or an editable list's entry.
QLineEdit *typedLine(QWidget *control)
{
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box;
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->lineEdit();
    return nullptr;
}

QString textOf(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    if (auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    return {};
}

QWidget *listedControl(const QWidget &window, const TextWidth &entry)
{
    auto *control = window.findChild<QWidget *>(QString::fromLatin1(entry.control));
    if (!control)
        throw std::logic_error(std::string("No control ") + entry.control + " for its text width.");
    return control;
}

// 4300 as "4 300": the digits grouped as the office writes counts.
QString countText(qsizetype count)
{
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return digits;
}

void limitWhenItFits(QLineEdit &line, int width)
{
    if (line.text().size() <= width) {
        line.setMaxLength(width);
        return;
    }
    auto *watch = new QObject(&line);
    QObject::connect(&line, &QLineEdit::textChanged, watch, [&line, watch, width](const QString &text) {
        if (text.size() > width)
            return;
        line.setMaxLength(width);
        watch->deleteLater();
    });
}

} // namespace

int widthOf(std::span<const TextWidth> widths, const char *control)
{
    for (const TextWidth &entry : widths)
        if (qstrcmp(entry.control, control) == 0)
            return entry.width;
    throw std::logic_error(std::string("No text width listed for ") + control + ".");
}

void limitTextBoxes(QWidget &window, std::span<const TextWidth> widths)
{
    for (const TextWidth &entry : widths)
        if (QLineEdit *line = typedLine(listedControl(window, entry)))
            limitWhenItFits(*line, entry.width);
}

QString overlongTextsMessage(const QWidget &window, std::span<const TextWidth> widths)
{
    QStringList lines;
    for (const TextWidth &entry : widths) {
        const qsizetype length = textOf(listedControl(window, entry)).size();
        if (length > entry.width)
            lines << QStringLiteral("%1: %2 characters, at most %3 fit.")
                         .arg(QString::fromUtf8(entry.caption), countText(length), countText(entry.width));
    }
    if (lines.isEmpty())
        return {};
    if (lines.size() == 1)
        return lines.first() + QStringLiteral(" Shorten it before saving.");
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\nShorten them before saving.");
}

QLabel *charactersLeftLabel(QPlainTextEdit &box, int width, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(box.objectName() + QStringLiteral("Left"));
    label->setAlignment(Qt::AlignRight);
    const auto count = [&box, label, width] {
        const qsizetype left = width - box.toPlainText().size();
        const qsizetype shown = left >= 0 ? left : -left;
        const QString characters = shown == 1 ? QStringLiteral("character") : QStringLiteral("characters");
        label->setText(left >= 0 ? QStringLiteral("%1 %2 left").arg(countText(shown), characters)
                                 : QStringLiteral("%1 %2 too many").arg(countText(shown), characters));
    };
    QObject::connect(&box, &QPlainTextEdit::textChanged, label, count);
    count();
    return label;
}

} // namespace pwo
