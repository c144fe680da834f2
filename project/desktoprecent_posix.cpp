#include "model/clock.h"
#include "project/desktoprecent.h"
#include "project/projectsave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace
{

const char *const bookmarkNamespace = "http://www.freedesktop.org/standards/desktop-bookmarks";
const char *const mimeNamespace = "http://www.freedesktop.org/standards/shared-mime-info";
const char *const programName = "zaren800-configurator";
const char *const projectMimeType = "application/x-zaren800-project";

// An empty list as the desktop's own programs begin one.
const char *const emptyList = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<xbel version=\"1.0\"\n"
                              "      xmlns:bookmark=\"http://www.freedesktop.org/standards/"
                              "desktop-bookmarks\"\n"
                              "      xmlns:mime=\"http://www.freedesktop.org/standards/"
                              "shared-mime-info\"\n"
                              ">\n"
                              "</xbel>\n";

QString listPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/recently-used.xbel");
}

// What the list held of the file before: when it was first used, and how
// often by this program.
struct Earlier {
    QString added;
    int count = 0;
};

bool isElement(const QXmlStreamReader &xml, const char *namespaceUri, const char *name)
{
    return xml.namespaceUri() == QLatin1String(namespaceUri) && xml.name() == QLatin1String(name);
}

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

// Reads the file's bookmark up to its end, noting what it held.
Earlier readBookmark(QXmlStreamReader &xml)
{
    Earlier earlier{attribute(xml, "added"), 0};
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (isElement(xml, bookmarkNamespace, "application") &&
                attribute(xml, "name") == QLatin1String(programName))
                earlier.count = attribute(xml, "count").toInt();
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return earlier;
}

void writeBookmark(QXmlStreamWriter &xml, const QString &href, const Earlier &earlier)
{
    const QString now = Clock::now().toUTC().toString(Qt::ISODateWithMs);
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), href);
    xml.writeAttribute(QStringLiteral("added"), earlier.added.isEmpty() ? now : earlier.added);
    xml.writeAttribute(QStringLiteral("modified"), now);
    xml.writeAttribute(QStringLiteral("visited"), now);
    xml.writeStartElement(QStringLiteral("info"));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    xml.writeEmptyElement(QLatin1String(mimeNamespace), QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), QLatin1String(projectMimeType));
    xml.writeStartElement(QLatin1String(bookmarkNamespace), QStringLiteral("applications"));
    xml.writeEmptyElement(QLatin1String(bookmarkNamespace), QStringLiteral("application"));
    xml.writeAttribute(QStringLiteral("name"), QLatin1String(programName));
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'%1 %f'").arg(programName));
    xml.writeAttribute(QStringLiteral("modified"), now);
    xml.writeAttribute(QStringLiteral("count"), QString::number(earlier.count + 1));
    xml.writeEndElement(); // applications
    xml.writeEndElement(); // metadata
    xml.writeEndElement(); // info
    xml.writeEndElement(); // bookmark
}

// The list copied token by token, the file's bookmark taken out and written
// anew as the list's last. False when the list does not read as XML.
bool withBookmark(const QByteArray &list, const QString &href, QByteArray &result)
{
    QXmlStreamReader reader(list);
    QXmlStreamWriter writer(&result);
    Earlier earlier;
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && isElement(reader, "", "bookmark") &&
            attribute(reader, "href") == href) {
            earlier = readBookmark(reader);
            continue;
        }
        if (reader.isStartElement())
            ++depth;
        if (reader.isEndElement() && --depth == 0)
            writeBookmark(writer, href, earlier);
        writer.writeCurrentToken(reader);
    }
    return !reader.hasError();
}

} // namespace

void DesktopRecent::add(const QString &path)
{
    const QString href = QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    const QString file = listPath();
    QByteArray list;
    if (QFileInfo::exists(file)) {
        QFile old(file);
        if (!old.open(QIODevice::ReadOnly))
            return;
        list = old.readAll();
    }
    if (list.trimmed().isEmpty())
        list = emptyList;
    QByteArray result;
    QString errorText;
    if (withBookmark(list, href, result) && QDir().mkpath(QFileInfo(file).path()))
        ProjectSave::write(file, result, errorText);
}
