#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/version.h"
#include "project/exportcheck.h"
#include "project/projectanalysis.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace
{

// The offset of the character the parser stumbled on. Qt reports the offset
// just past it, except for garbage after the document and a byte that is no
// UTF-8, which it reports where they begin.
int offendingOffset(const QByteArray &text, const QJsonParseError &error)
{
    const bool atIt = error.error == QJsonParseError::GarbageAtEnd ||
                      error.error == QJsonParseError::IllegalUTF8String;
    return qBound(0, atIt ? error.offset : error.offset - 1, int(text.size()));
}

// "3:14": line and column of a byte offset, both counted from 1, the column
// in characters, as editors and compilers name a place in a text.
QString position(const QByteArray &text, int offset)
{
    const QByteArray before = text.left(offset);
    const int lineStart = before.lastIndexOf('\n') + 1;
    const int column = QString::fromUtf8(before.mid(lineStart)).toUcs4().size() + 1;
    return QString::number(before.count('\n') + 1) + QLatin1Char(':') + QString::number(column);
}

// The document, or nothing after saying on standard error why the text is none.
bool parseDocument(const QString &path, const QByteArray &bytes, QJsonObject &document)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        Cli::err() << Cli::shownPath(path) << ':' << position(bytes, offendingOffset(bytes, error))
                   << ": not JSON: " << error.errorString() << '\n';
        return false;
    }
    if (!json.isObject()) {
        Cli::err() << Cli::shownPath(path) << ": a JSON " << (json.isArray() ? "array" : "value")
                   << ", not an object\n";
        return false;
    }
    document = json.object();
    return true;
}

} // namespace

PackCommand::PackCommand()
    : Command(QStringLiteral("pack"),
              QStringLiteral("Checks a JSON document as check does and writes it as a project "
                             "file."))
{
}

void PackCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("JSON"), QStringLiteral("The JSON document."));
    addOutputOption(parser, QStringLiteral("The .rccfg file to write."));
    addForceOption(parser);
}

// Only a document with no findings goes to a controller, written in the exact
// text form that export writes, and only when it reads back as itself.
int PackCommand::run(const QCommandLineParser &parser)
{
    const QString output = parser.value(QStringLiteral("output"));
    const QString path = parser.positionalArguments().first();
    QByteArray bytes;
    QJsonObject document;
    if (!Cli::readWholeFile(path, bytes))
        return Cli::Failure;
    bytes = withoutByteOrderMark(bytes);
    if (!parseDocument(path, bytes, document))
        return Cli::Failure;
    const ProjectFileContent content = checkProjectDocument(document, programVersion());
    if (content.check != ProjectCheck::Accepted) {
        Cli::reportRefusal(path, content);
        return Cli::Failure;
    }
    QStringList findings;
    for (const Finding &finding : analyzeProject(bytes, content.document, content.platformType))
        findings << finding.toString();
    CheckedExport checked;
    if (findings.isEmpty()) {
        checked = checkExport(content.document);
        findings = checked.changes;
    }
    for (const QString &finding : findings)
        Cli::out() << Cli::shownPath(path) << ": " << Cli::oneLine(finding) << '\n';
    if (!findings.isEmpty()) {
        Cli::err() << "pack: " << output << " not written\n";
        return Cli::Findings;
    }
    return Cli::writeFile(output, checked.bytes, parser.isSet(QStringLiteral("force")))
               ? Cli::Success
               : Cli::Failure;
}
