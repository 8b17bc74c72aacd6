#include "TextMeasure.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <array>
#include <memory>
#include <vector>

namespace pwo::reports {

namespace {

// Fonts are measured ten times larger on a 72-dpi image, so that the
// advances are those of the outlines and not of hinted screen pixels.
constexpr double measureScale = 10;

QImage &pointsDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(2835);  // 72 dpi: one pixel a point
        i.setDotsPerMeterY(2835);
        return i;
    }();
    return image;
}

// The advances of one style's characters, looked up once each.
class Advances {
public:
    explicit Advances(const TextStyle &style)
    {
        QFont font = reportFont(style);
        font.setPointSizeF(style.size * measureScale);
        metrics_ = std::make_unique<QFontMetricsF>(font, &pointsDevice());
        latin_.fill(-1);
    }

    double of(QChar c)
    {
        const char16_t code = c.unicode();
        if (code < latin_.size()) {
            double &known = latin_[code];
            if (known < 0)
                known = metrics_->horizontalAdvance(c) / measureScale;
            return known;
        }
        const auto found = other_.constFind(code);
        if (found != other_.constEnd())
            return *found;
        const double advance = metrics_->horizontalAdvance(c) / measureScale;
        other_.insert(code, advance);
        return advance;
    }

private:
    std::unique_ptr<QFontMetricsF> metrics_;
    std::array<double, 0x250> latin_{};
    QHash<char16_t, double> other_;
};

Advances &advancesFor(const TextStyle &style)
{
    static std::vector<std::pair<TextStyle, std::unique_ptr<Advances>>> known;
    for (auto &[s, advances] : known)
        if (s == style)
            return *advances;
    known.emplace_back(style, std::make_unique<Advances>(style));
    return *known.back().second;
}

double widthOf(QStringView text, Advances &advances)
{
    double width = 0;
    for (QChar c : text)
        width += advances.of(c);
    return width;
}

} // namespace

QString availableFamily(const QString &wanted)
{
    static QHash<QString, QString> known;
    const auto found = known.constFind(wanted);
    if (found != known.constEnd())
        return *found;
    const QString family =
        !wanted.isEmpty() && QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("DejaVu Sans");
    known.insert(wanted, family);
    return family;
}

QFont reportFont(const TextStyle &style)
{
    QFont font(availableFamily(style.family));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setPointSizeF(style.size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

double textWidth(const QString &text, const TextStyle &style)
{
    return widthOf(text, advancesFor(style));
}

TextExtent measureText(const QString &text, const TextStyle &style)
{
    Advances &advances = advancesFor(style);
    TextExtent extent;
    double word = 0;
    for (QChar c : text) {
        const double advance = advances.of(c);
        extent.width += advance;
        if (c == u' ') {
            extent.hasBlank = true;
            extent.widestWord = std::max(extent.widestWord, word);
            word = 0;
        } else {
            word += advance;
        }
    }
    extent.widestWord = std::max(extent.widestWord, word);
    return extent;
}

QStringList wrapText(const QString &text, double width, const TextStyle &style)
{
    Advances &advances = advancesFor(style);
    const double space = advances.of(u' ');
    QStringList lines;
    QString line;
    double lineWidth = 0;
    const auto flush = [&] {
        lines << line;
        line.clear();
        lineWidth = 0;
    };
    for (const QStringView paragraph : QStringView(text).split(u'\n')) {
        for (QStringView word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            double wordWidth = widthOf(word, advances);
            if (!line.isEmpty() && lineWidth + space + wordWidth > width)
                flush();
            // A word wider than a whole line is broken where the line ends.
            while (line.isEmpty() && wordWidth > width && word.size() > 1) {
                qsizetype fits = 1;
                double used = advances.of(word[0]);
                while (fits < word.size() && used + advances.of(word[fits]) <= width)
                    used += advances.of(word[fits++]);
                lines << word.left(fits).toString();
                word = word.mid(fits);
                wordWidth -= used;
            }
            if (!line.isEmpty()) {
                line += u' ';
                lineWidth += space;
            }
            line += word;
            lineWidth += wordWidth;
        }
        flush();
    }
    return lines;
}

} // namespace pwo::reports
