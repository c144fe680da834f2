#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// One sub-command of the tool: its name, a one-line description, its
// arguments and options, and what it does.
class Command
{
public:
    Command(const QString &name, const QString &description);
    virtual ~Command();

    const QString &name() const { return commandName; }
    const QString &description() const { return commandDescription; }

    // arguments[0] is the sub-command's name. Returns the exit status; a
    // parse error prints the error and the command's help to standard error.
    int execute(const QStringList &arguments);

protected:
    // Declares positional arguments and options on the parser.
    virtual void declare(QCommandLineParser &parser) const = 0;
    // How many positional arguments the command takes (max -1: any number).
    virtual int minimumArguments() const { return 1; }
    virtual int maximumArguments() const { return 1; }
    // Whether -o FILE must be given.
    virtual bool outputRequired() const { return false; }
    virtual int run(const QCommandLineParser &parser) = 0;

    // The options most commands share.
    static void addOutputOption(QCommandLineParser &parser, const QString &what);
    static void addForceOption(QCommandLineParser &parser);
    static void addJsonOption(QCommandLineParser &parser);

private:
    QString helpText(const QCommandLineParser &parser) const;

    QString commandName;
    QString commandDescription;
};
