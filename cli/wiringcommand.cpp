#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/stores.h"
#include "model/terminals.h"
#include "render/wiringsheet.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace
{

QVector<Terminal> sheetTerminals(const QVector<Terminal> &terminals)
{
    QVector<Terminal> onSheet;
    for (const Terminal &terminal : terminals) {
        if (onWiringSheet(terminal))
            onSheet << terminal;
    }
    return onSheet;
}

// Columns as wide as their widest cell, two spaces apart.
QString textTable(const QVector<Terminal> &terminals)
{
    QVector<QStringList> lines{wiringColumns()};
    for (const Terminal &terminal : terminals) {
        for (QStringList line : wiringLines(terminal, false)) {
            for (QString &cell : line)
                cell = Cli::oneLine(cell);
            lines << line;
        }
    }
    QVector<int> widths(wiringColumns().size(), 0);
    for (const QStringList &line : lines) {
        for (int c = 0; c < line.size(); ++c)
            widths[c] = qMax(widths.at(c), int(line.at(c).size()));
    }
    QString text;
    for (const QStringList &line : lines) {
        QString row;
        for (int c = 0; c < line.size(); ++c)
            row += line.at(c).leftJustified(widths.at(c) + 2);
        while (row.endsWith(QLatin1Char(' ')))
            row.chop(1);
        text += row + QLatin1Char('\n');
    }
    return text;
}

// Quoted as RFC 4180 asks when the field holds a separator, a quote or a line break.
QString csvField(QString field)
{
    static const QRegularExpression needsQuotes(QStringLiteral("[\",\r\n]"));
    if (!field.contains(needsQuotes))
        return field;
    return QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// One line per terminal and use, every line complete, so that a spreadsheet
// can sort and filter them.
QString csvTable(const QVector<Terminal> &terminals)
{
    QVector<QStringList> lines{wiringColumns()};
    for (const Terminal &terminal : terminals)
        lines += wiringLines(terminal, true);
    QString text;
    for (const QStringList &line : lines) {
        QStringList fields;
        for (const QString &cell : line)
            fields << csvField(cell);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

// Types by their key in the project file, as the other commands' JSON names them.
QJsonObject terminalJson(const Terminal &terminal)
{
    QJsonArray uses;
    for (const TerminalUse &use : terminal.uses)
        uses.append(QJsonObject{{"type", typeLabel(use.type)},
                                {"function", use.function},
                                {"role", use.role},
                                {"debounceTime", use.debounceTime},
                                {"contactType", use.contactType},
                                {"pulse", use.pulse}});
    QJsonArray controls;
    for (const TerminalControl &control : terminal.controlledBy)
        controls.append(
            QJsonObject{{"type", typeLabel(control.type)}, {"function", control.function}});
    return QJsonObject{{"terminal", terminal.name},
                       {"direction", directionText(terminal.direction)},
                       {"state", stateText(terminal)},
                       {"uses", uses},
                       {"controlledBy", controls}};
}

QString jsonTable(const WiringSheet &sheet, const QVector<Terminal> &rows)
{
    QJsonArray terminals;
    for (const Terminal &terminal : rows)
        terminals.append(terminalJson(terminal));
    const QJsonObject document{{"file", sheet.fileName},
                               {"platform", sheet.platform},
                               {"created", sheet.created},
                               {"terminals", terminals}};
    return QString::fromUtf8(QJsonDocument(document).toJson());
}

} // namespace

WiringCommand::WiringCommand()
    : Command(QStringLiteral("wiring"),
              QStringLiteral("Prints the project terminal by terminal, or writes its wiring "
                             "sheet as a PDF."))
{
}

void WiringCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    addJsonOption(parser);
    parser.addOption({QStringLiteral("csv"), QStringLiteral("Prints the table as CSV.")});
    addOutputOption(parser, QStringLiteral("The file to write: the wiring sheet when its name "
                                           "ends in .pdf, else the table (default: standard "
                                           "output)."));
    addForceOption(parser);
}

// The terminals of what the window shows after importing the file.
int WiringCommand::run(const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    ProjectFileContent content;
    if (!Cli::importProject(path, content))
        return Cli::Failure;
    const Platform platform = platformFromType(content.platformType);
    const WiringSheet sheet{QFileInfo(Cli::shownPath(path)).fileName(), platformText(platform),
                            content.document.value(QStringLiteral("CreateTime")).toString(),
                            terminalView(platform)};
    const QVector<Terminal> rows = sheetTerminals(sheet.terminals);
    const QString table = parser.isSet(QStringLiteral("json"))  ? jsonTable(sheet, rows)
                          : parser.isSet(QStringLiteral("csv")) ? csvTable(rows)
                                                                : textTable(rows);
    const bool written = Cli::writeTextOrPdf(
        parser.value(QStringLiteral("output")), parser.isSet(QStringLiteral("force")), table,
        [&sheet](QIODevice *file) { return writeWiringSheet(sheet, file); });
    return written ? Cli::Success : Cli::Failure;
}
