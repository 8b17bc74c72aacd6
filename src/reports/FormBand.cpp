#include "FormBand.h"

#include "TextMeasure.h"

#include <algorithm>

namespace pwo::reports {

namespace {

constexpr double tolerance = 0.01;

// How far down a band's declared place y is pushed by the items above it
// that grew: each grown item raises the push from its declared bottom on.
class Growth {
public:
    double at(double y) const
    {
        double push = 0;
        for (const auto &[bottom, shift] : steps_)
            if (bottom <= y + tolerance)
                push = std::max(push, shift);
        return push;
    }
    // An item declared from top to bottom that needs `needed` from its new top.
    void grow(double top, double bottom, double needed)
    {
        const double newBottom = top + at(top) + std::max(needed, bottom - top);
        steps_.emplace_back(bottom, std::max(at(bottom), newBottom - bottom));
    }

private:
    std::vector<std::pair<double, double>> steps_;
};

PageItem rule(const QRectF &rect)
{
    PageItem item;
    item.kind = PageItem::Kind::Rule;
    item.rect = rect;
    return item;
}

// The four sides of a box; each moves with the declared place it stands at.
void addBox(std::vector<PageItem> &items, const QRectF &box, double thickness)
{
    items.push_back(rule(QRectF(box.left(), box.top(), box.width() + thickness, thickness)));
    items.push_back(rule(QRectF(box.left(), box.bottom(), box.width() + thickness, thickness)));
    items.push_back(rule(QRectF(box.left(), box.top(), thickness, box.height())));
    items.push_back(rule(QRectF(box.right(), box.top(), thickness, box.height())));
}

QRectF fitted(const QSizeF &image, const QRectF &room)
{
    const QSizeF size = image.scaled(room.size(), Qt::KeepAspectRatio);
    return QRectF(room.left() + (room.width() - size.width()) / 2, room.top() + (room.height() - size.height()) / 2,
                  size.width(), size.height());
}

Value characterOf(const Value &value, int character)
{
    const QString text = value.isNull() ? QString() : value.text();
    return Value(character <= text.size() ? QString(text[character - 1]) : QString());
}

// What a growing item takes once laid out at its declared place.
struct Grown {
    const BandItem *item;
    LaidOutBand content;  // from the item's own top
};

} // namespace

bool flagIsSet(const Value &value)
{
    if (value.isNull())
        return false;
    if (value.isNumber())
        return value.toNumber() != 0;
    static const QStringList unset{QString(), QStringLiteral("0"), QStringLiteral("n"), QStringLiteral("no"),
                                   QStringLiteral("f"), QStringLiteral("false")};
    return !unset.contains(value.text().trimmed().toLower());
}

LaidOutBand layOutBand(const Band &band, double left, const EvaluationScope &scope, const BandPrinter &printer)
{
    // Texts and subreports first, top to bottom, so that each knows how far
    // those above it pushed it.
    std::vector<Grown> grown;
    for (const BandItem &item : band.items) {
        if (item.kind == BandItem::Kind::Subreport) {
            grown.push_back({&item, printer.subreport(item, scope)});
            continue;
        }
        if (item.kind != BandItem::Kind::Text)
            continue;
        if (!item.text.condition.isEmpty() && !item.text.condition.isTrue(scope))
            continue;
        TextStyle style = item.text.style;
        style.family = printer.fontFamily;
        const double h = lineHeight(style);
        LaidOutBand lines;
        for (QString &text : printer.wrap(item.text.text.expand(scope), item.rect.width(), style)) {
            lines.items.push_back({PageItem::Kind::Text, QRectF(0, lines.height, item.rect.width(), h), std::move(text),
                                   style, item.text.alignment, {}});
            lines.height += h;
        }
        grown.push_back({&item, std::move(lines)});
    }
    std::stable_sort(grown.begin(), grown.end(),
                     [](const Grown &a, const Grown &b) { return a.item->rect.bottom() < b.item->rect.bottom(); });
    Growth growth;
    for (const Grown &g : grown)
        growth.grow(g.item->rect.top(), g.item->rect.bottom(), g.content.height);

    LaidOutBand out;
    out.height = band.height + growth.at(band.height);
    const auto placed = [&](const QRectF &declared) {
        const double top = declared.top() + growth.at(declared.top());
        const double bottom = declared.bottom() + growth.at(declared.bottom());
        return QRectF(left + declared.left(), top, declared.width(), bottom - top);
    };
    for (Grown &g : grown) {
        const QPointF origin = placed(g.item->rect).topLeft();
        for (PageItem &piece : g.content.items) {
            piece.rect.translate(origin);
            out.items.push_back(std::move(piece));
        }
        out.height = std::max(out.height, origin.y() + g.content.height);
    }
    for (const BandItem &item : band.items) {
        switch (item.kind) {
        case BandItem::Kind::Box: addBox(out.items, placed(item.rect), item.thickness); break;
        case BandItem::Kind::Line: {
            QRectF line = placed(item.rect);
            // A line has no width of its own across its run; the thickness gives it one.
            if (line.height() == 0)
                line.setHeight(item.thickness);
            else
                line.setWidth(item.thickness);
            out.items.push_back(rule(line));
            break;
        }
        case BandItem::Kind::Check: {
            const QRectF box = placed(item.rect);
            addBox(out.items, box, 0.5);
            const Value flag = item.flag.evaluate(scope);
            if (flagIsSet(item.flagCharacter > 0 ? characterOf(flag, item.flagCharacter) : flag)) {
                TextStyle mark{box.height() * 0.8, true, false};
                mark.family = printer.fontFamily;
                out.items.push_back({PageItem::Kind::Text, box, QStringLiteral("X"), mark, Qt::AlignHCenter, {}});
            }
            break;
        }
        case BandItem::Kind::Image: {
            PageItem picture;
            picture.kind = PageItem::Kind::Image;
            picture.rect = fitted(item.image.size(), placed(item.rect));
            picture.image = item.image;
            out.items.push_back(std::move(picture));
            break;
        }
        case BandItem::Kind::Text:
        case BandItem::Kind::Subreport: break;
        }
        out.height = std::max(out.height, out.items.empty() ? 0 : out.items.back().rect.bottom());
    }
    return out;
}

} // namespace pwo::reports
