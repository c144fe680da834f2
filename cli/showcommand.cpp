#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"

#include <QJsonDocument>

ShowCommand::ShowCommand()
    : Command(QStringLiteral("show"), QStringLiteral("Prints a project file deciphered."))
{
}

void ShowCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    parser.addOption({QStringLiteral("raw"),
                      QStringLiteral("Prints the one-line text as stored, without padding.")});
}

namespace
{

// Deciphered bytes as text up to their first NUL, as Qt 5 converts a byte
// array; Qt 6 would go on through the NULs of a damaged file's garbage.
QString textBeforeNul(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.constData(),
                             int(qstrnlen(bytes.constData(), size_t(bytes.size()))));
}

} // namespace

// A file the window would refuse is still shown as far as it can be read, so
// that it can be mended: the document of another version, the deciphered text
// of a damaged file (--raw). The status says it was refused.
int ShowCommand::run(const QCommandLineParser &parser)
{
    ProjectFileContent content;
    const bool accepted = Cli::readProject(parser.positionalArguments().first(), content);
    if (parser.isSet(QStringLiteral("raw"))) {
        QByteArray text = content.text;
        while (text.endsWith(' '))
            text.chop(1);
        if (!text.isEmpty())
            Cli::out() << textBeforeNul(text) << '\n';
    } else if (content.hasDocument()) {
        Cli::out() << QString::fromUtf8(QJsonDocument(content.document).toJson());
    }
    return accepted ? Cli::Success : Cli::Failure;
}
