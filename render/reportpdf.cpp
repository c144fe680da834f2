#include "render/reportpdf.h"

#include "project/projectsave.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace
{

// The report's 210-column lines only line up in a monospaced face; where
// "Consolas" is missing, ask the font matcher for any fixed-pitch family.
QFont reportFont()
{
    QFont font(QStringLiteral("Consolas"), 6);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// The document's own print routine keeps a 2 cm border, which leaves less
// than 210 columns of room on A4 landscape for the usual 0.6 em monospaced
// substitutes of "Consolas". So the document is laid out on the device itself,
// paginated to the page less this border, and drawn page by page.
constexpr qreal pageBorderMm = 8.0;

} // namespace

bool printReport(const QString &report, QPagedPaintDevice *device)
{
    QTextDocument document;
    document.setPlainText(report);
    document.setDefaultFont(reportFont());
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(device);
    const qreal border = device->logicalDpiX() * pageBorderMm / 25.4;
    const QRectF body(border, border, device->width() - 2 * border, device->height() - 2 * border);
    document.setPageSize(body.size());

    QPainter painter(device);
    if (!painter.isActive())
        return false;
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0)
            device->newPage();
        const qreal pageTop = page * body.height();
        painter.save();
        painter.translate(body.left(), body.top() - pageTop);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, pageTop, body.width(), body.height());
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return true;
}

namespace
{

bool writePdf(const QString &report, QPdfWriter &writer)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(QStringLiteral("ZAREN800"));
    return printReport(report, &writer);
}

} // namespace

// Made in memory, then written by the one writer: the PDF writer itself
// would not report a disk that fills up on the way.
bool writeReportPdf(const QString &report, const QString &path, QString &errorText)
{
    return ProjectSave::write(
        path, [&report](QIODevice *file) { return writeReportPdf(report, file); }, errorText);
}

bool writeReportPdf(const QString &report, QIODevice *device)
{
    QPdfWriter writer(device);
    return writePdf(report, writer);
}
