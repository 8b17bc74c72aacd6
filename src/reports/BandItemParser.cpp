#include "BandItemParser.h"

#include "DefinitionError.h"
#include "DefinitionLines.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace pwo::reports {

namespace {

// The numbers before a band item's first "|", in the band's unit.
std::vector<double> measures(const QString &cell, int line, qsizetype least, qsizetype most, const char *shape)
{
    const QStringList parts = cell.split(u',');
    if (parts.size() < least || parts.size() > most)
        throw LineError(line, QStringLiteral("expected %1").arg(QLatin1String(shape)));
    std::vector<double> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        const double n = part.trimmed().toDouble(&ok);
        if (!ok || n < 0)
            throw LineError(line, QStringLiteral("\"%1\" is not a measure (%2)").arg(part.trimmed(), QLatin1String(shape)));
        numbers.push_back(n);
    }
    return numbers;
}

// An image of the report's folder, read once with the file.
QImage bandImage(const QString &name, const QString &definitionFile, int line)
{
    const QString cleaned = QDir::cleanPath(name);
    if (cleaned.isEmpty() || QDir::isAbsolutePath(cleaned) || cleaned.startsWith(QStringLiteral("..")))
        throw LineError(line, QStringLiteral("image \"%1\": an image comes from the report's own folder").arg(name));
    const QString path = QFileInfo(definitionFile).absoluteDir().filePath(cleaned);
    if (!QFileInfo::exists(path))
        throw LineError(line, QStringLiteral("image \"%1\" does not exist (%2)").arg(name, displayPath(path)));
    QImage image(path);
    if (image.isNull())
        throw LineError(line, QStringLiteral("image \"%1\" cannot be read as a picture").arg(name));
    return image;
}

} // namespace

BandItem parseBandItem(const QString &kind, const QString &raw, int line, double scale, double fontSize,
                       const QString &definitionFile)
{
    const qsizetype eq = raw.indexOf(u'=');
    const qsizetype bar = raw.indexOf(u'|', eq);
    const QString geometry = raw.mid(eq + 1, bar < 0 ? -1 : bar - eq - 1);
    // The rest keeps its place in the line, so that columns of faults stay right.
    const QString rest = bar < 0 ? QString() : QString(bar + 1, u' ') + raw.mid(bar + 1);
    const QStringList cells = bar < 0 ? QStringList() : raw.mid(bar + 1).split(u'|');
    const auto inPoints = [scale](std::vector<double> numbers) {
        for (double &n : numbers)
            n *= scale;
        return numbers;
    };
    BandItem item;
    item.line = line;
    if (kind == u"label" || kind == u"field") {
        const auto n = inPoints(measures(geometry, line, 4, 4, "x, y, width, height"));
        if (n[2] <= 0)
            throw LineError(line, QStringLiteral("a %1 needs a width").arg(kind));
        item.rect = QRectF(n[0], n[1], n[2], n[3]);
        item.text = textLine(rest, line, fontSize, kind == u"field");
        if (kind == u"field" && item.text.text.isEmpty())
            throw LineError(line, QStringLiteral("a field needs an expression: field = x, y, w, h | Name"));
    } else if (kind == u"box") {
        item.kind = BandItem::Kind::Box;
        const auto n = inPoints(measures(geometry, line, 4, 4, "x, y, width, height"));
        item.rect = QRectF(n[0], n[1], n[2], n[3]);
    } else if (kind == u"line") {
        item.kind = BandItem::Kind::Line;
        const auto n = inPoints(measures(geometry, line, 4, 4, "x1, y1, x2, y2"));
        if (n[0] != n[2] && n[1] != n[3])
            throw LineError(line, QStringLiteral("a line runs across or down: x1 = x2 or y1 = y2"));
        item.rect = QRectF(QPointF(n[0], n[1]), QPointF(n[2], n[3])).normalized();
    } else if (kind == u"check") {
        item.kind = BandItem::Kind::Check;
        const auto n = inPoints(measures(geometry, line, 3, 3, "x, y, size"));
        item.rect = QRectF(n[0], n[1], n[2], n[2]);
        if (cells.size() == 2) {
            static const QRegularExpression character(QStringLiteral("^\\s*char\\s+(\\d+)\\s*$"));
            const auto m = character.match(cells[0]);
            if (!m.hasMatch() || m.captured(1).toInt() < 1)
                throw LineError(line, QStringLiteral("a check box's option is \"char N\" (N from 1), not \"%1\"")
                                          .arg(cells[0].trimmed()));
            item.flagCharacter = m.captured(1).toInt();
        } else if (cells.size() != 1) {
            throw LineError(line, QStringLiteral("a check box is: check = x, y, size [| char N] | flag"));
        }
        item.flag = Expression::parse(cells.back(), line, int(raw.lastIndexOf(u'|')) + 2);
    } else if (kind == u"image") {
        item.kind = BandItem::Kind::Image;
        const auto n = inPoints(measures(geometry, line, 4, 4, "x, y, width, height"));
        item.rect = QRectF(n[0], n[1], n[2], n[3]);
        if (cells.size() != 1 || cells[0].trimmed().isEmpty())
            throw LineError(line, QStringLiteral("an image is: image = x, y, width, height | file"));
        item.image = bandImage(cells[0].trimmed(), definitionFile, line);
    } else if (kind == u"subreport") {
        item.kind = BandItem::Kind::Subreport;
        const auto n = inPoints(measures(geometry, line, 3, 4, "x, y, width [, height]"));
        item.rect = QRectF(n[0], n[1], n[2], n.size() > 3 ? n[3] : 0);
        if (cells.size() != 1 || cells[0].trimmed().isEmpty())
            throw LineError(line, QStringLiteral("a subreport is: subreport = x, y, width | name"));
        item.subreport = cells[0].trimmed();
    } else {
        throw LineError(line, QStringLiteral("a band has height, unit, new page, label, field, box, line, check, image "
                                             "and subreport, not \"%1\"")
                                  .arg(kind));
    }
    if (item.kind == BandItem::Kind::Box || item.kind == BandItem::Kind::Line) {
        if (cells.size() > 1)
            throw LineError(line, QStringLiteral("a %1 takes only its thickness in points after the \"|\"").arg(kind));
        if (!cells.isEmpty())
            item.thickness = positiveNumber(cells[0], QStringLiteral("thickness"), line);
    }
    return item;
}

} // namespace pwo::reports
