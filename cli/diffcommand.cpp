#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "project/projectdiff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

QJsonObject toJson(const Difference &difference)
{
    static const char *const kinds[] = {"added", "removed", "changed", "reordered"};
    QJsonObject object{{"change", QLatin1String(kinds[int(difference.kind)])},
                       {"type", difference.type},
                       {"name", difference.name}};
    if (difference.kind == Difference::Kind::Changed) {
        object.insert(QStringLiteral("field"), difference.field);
        object.insert(QStringLiteral("before"), difference.before);
        object.insert(QStringLiteral("after"), difference.after);
    }
    return object;
}

} // namespace

DiffCommand::DiffCommand()
    : Command(QStringLiteral("diff"),
              QStringLiteral("Lists what differs between two project files, function by "
                             "function and field by field (the export time is ignored)."))
{
}

void DiffCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("The first .rccfg file."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("The second .rccfg file."));
    addJsonOption(parser);
}

int DiffCommand::run(const QCommandLineParser &parser)
{
    const QStringList paths = parser.positionalArguments();
    ProjectFileContent a, b;
    const bool readA = Cli::readProject(paths.at(0), a);
    const bool readB = Cli::readProject(paths.at(1), b);
    if (!readA || !readB)
        return Cli::Failure;
    const QVector<Difference> differences = diffProjects(a.document, b.document);
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray list;
        for (const Difference &difference : differences)
            list.append(toJson(difference));
        const QJsonObject result{{"equal", differences.isEmpty()}, {"differences", list}};
        Cli::out() << QString::fromUtf8(QJsonDocument(result).toJson());
    } else {
        for (const Difference &difference : differences)
            Cli::out() << difference.toString() << '\n';
    }
    return differences.isEmpty() ? Cli::Success : Cli::Findings;
}
