#include "render/wiringsheet.h"

#include "render/devicepicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace
{

// The page is laid out in points (1/72 inch) whatever the device's resolution.
constexpr qreal margin = 40;
constexpr qreal footerHeight = 16;
constexpr qreal cellPadding = 2.5;
constexpr qreal pictureWidth = 430;
// Terminal, Direction, State, Function, Type, Role, Debounce, Contact; the
// rest of the width goes to "Controlled by".
const qreal fixedColumnWidths[] = {48, 42, 32, 78, 62, 64, 46, 36};
constexpr int tableFontSize = 7;

const QColor ink(0x26, 0x37, 0x46);
const QColor rule(0xa7, 0xb1, 0xbb);
const QColor shade(0xee, 0xf2, 0xf6);

QFont sheetFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// One line of the table: a use, or a terminal without one.
struct Row {
    QStringList cells;
    int group; // the terminal's position on the sheet: shading and page breaks follow it
    qreal height;
};

struct Page {
    qreal tableTop;
    QVector<Row> rows;
};

class SheetLayout
{
public:
    SheetLayout(const WiringSheet &sheet, const QSizeF &page) : sheet(sheet), page(page)
    {
        qreal used = 0;
        for (qreal width : fixedColumnWidths) {
            columns << width;
            used += width;
        }
        columns << page.width() - 2 * margin - used;
    }

    QVector<Page> paginate() const
    {
        const QVector<Row> rows = tableRows();
        QVector<Page> pages{{firstTableTop(), {}}};
        qreal y = firstTableTop() + headerHeight();
        // A new page when height does not fit below y, unless this one is still empty.
        const auto makeRoomFor = [&](qreal height) {
            if (y + height > bottom() && !pages.last().rows.isEmpty()) {
                pages.append(Page{margin, {}});
                y = margin + headerHeight();
            }
        };
        for (int i = 0; i < rows.size();) {
            int end = i;
            qreal groupHeight = 0;
            while (end < rows.size() && rows.at(end).group == rows.at(i).group)
                groupHeight += rows.at(end++).height;
            // A terminal stays on one page unless it is longer than a page.
            makeRoomFor(groupHeight);
            for (; i < end; ++i) {
                makeRoomFor(rows.at(i).height);
                pages.last().rows.append(rows.at(i));
                y += rows.at(i).height;
            }
        }
        return pages;
    }

    void drawPage(QPainter &painter, const Page &content, int number, int count) const
    {
        if (number == 1) {
            drawHeading(painter);
            drawPicture(painter);
        }
        qreal y = content.tableTop;
        drawRow(painter, wiringColumns(), y, headerHeight(), true, false);
        y += headerHeight();
        for (const Row &row : content.rows) {
            drawRow(painter, row.cells, y, row.height, false, row.group % 2 == 1);
            y += row.height;
        }
        painter.setPen(QPen(ink, 0.8));
        painter.drawLine(QPointF(margin, y), QPointF(page.width() - margin, y));
        drawFooter(painter, number, count);
    }

private:
    qreal bottom() const { return page.height() - margin - footerHeight; }

    qreal pictureHeight() const
    {
        const QSize size = DevicePicture::size();
        return pictureWidth * size.height() / size.width();
    }

    qreal firstTableTop() const { return margin + 44 + pictureHeight() + 16; }

    qreal headerHeight() const { return cellsHeight(wiringColumns(), true); }

    QVector<Row> tableRows() const
    {
        QVector<Row> rows;
        int group = 0;
        for (const Terminal &terminal : sheet.terminals) {
            if (!onWiringSheet(terminal))
                continue;
            for (const QStringList &cells : wiringLines(terminal, false))
                rows.append({cells, group, cellsHeight(cells, false)});
            ++group;
        }
        return rows;
    }

    qreal cellsHeight(const QStringList &cells, bool bold) const
    {
        const QFontMetricsF metrics(sheetFont(tableFontSize, bold));
        qreal height = metrics.height();
        for (int c = 0; c < cells.size(); ++c) {
            const QRectF room(0, 0, columns.at(c) - 2 * cellPadding, 10000);
            height =
                qMax(height, metrics.boundingRect(room, Qt::TextWordWrap, cells.at(c)).height());
        }
        return height + 2 * cellPadding;
    }

    void drawRow(QPainter &painter, const QStringList &cells, qreal y, qreal height, bool header,
                 bool shaded) const
    {
        const qreal width = page.width() - 2 * margin;
        if (shaded)
            painter.fillRect(QRectF(margin, y, width, height), shade);
        if (header) {
            painter.setPen(QPen(ink, 0.8));
            painter.drawLine(QPointF(margin, y + height), QPointF(margin + width, y + height));
        } else if (!cells.first().isEmpty()) {
            painter.setPen(QPen(rule, 0.4));
            painter.drawLine(QPointF(margin, y), QPointF(margin + width, y));
        }
        painter.setFont(sheetFont(tableFontSize, header));
        painter.setPen(ink);
        qreal x = margin;
        for (int c = 0; c < cells.size(); ++c) {
            const QRectF cell(x + cellPadding, y + cellPadding, columns.at(c) - 2 * cellPadding,
                              height - 2 * cellPadding);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, cells.at(c));
            x += columns.at(c);
        }
    }

    void drawHeading(QPainter &painter) const
    {
        painter.setPen(ink);
        painter.setFont(sheetFont(16, true));
        painter.drawText(QRectF(margin, margin, page.width() - 2 * margin, 22),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("ZAREN800 Wiring Sheet: ") + sheet.fileName);
        painter.setFont(sheetFont(9));
        painter.drawText(
            QRectF(margin, margin + 22, page.width() - 2 * margin, 14),
            Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Platform %1    Created %2").arg(sheet.platform, sheet.created));
    }

    void drawPicture(QPainter &painter) const
    {
        painter.save();
        painter.translate((page.width() - pictureWidth) / 2, margin + 44);
        const qreal scale = pictureWidth / DevicePicture::size().width();
        painter.scale(scale, scale);
        DevicePicture::draw(painter, sheet.terminals);
        painter.restore();
    }

    void drawFooter(QPainter &painter, int number, int count) const
    {
        painter.setFont(sheetFont(8));
        painter.setPen(ink);
        const QRectF footer(margin, page.height() - margin - 10, page.width() - 2 * margin, 10);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, sheet.fileName);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Page %1 of %2").arg(number).arg(count));
    }

    const WiringSheet &sheet;
    QSizeF page;
    QVector<qreal> columns;
};

} // namespace

bool printWiringSheet(const WiringSheet &sheet, QPagedPaintDevice *device)
{
    QPainter painter(device);
    if (!painter.isActive())
        return false;
    const qreal scale = device->logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const SheetLayout layout(sheet, QSizeF(device->width() / scale, device->height() / scale));
    const QVector<Page> pages = layout.paginate();
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        layout.drawPage(painter, pages.at(i), i + 1, pages.size());
    }
    return true;
}

bool writeWiringSheet(const WiringSheet &sheet, QIODevice *device)
{
    QPdfWriter writer(device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("ZAREN800 Wiring Sheet"));
    return printWiringSheet(sheet, &writer);
}
