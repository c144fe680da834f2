#pragma once

#include "cli/command.h"

#include <memory>
#include <vector>

// The sub-commands, one class each.

class ShowCommand : public Command
{
public:
    ShowCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int run(const QCommandLineParser &parser) override;
};

class CheckCommand : public Command
{
public:
    CheckCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int maximumArguments() const override { return -1; }
    int run(const QCommandLineParser &parser) override;
};

class DiffCommand : public Command
{
public:
    DiffCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int minimumArguments() const override { return 2; }
    int maximumArguments() const override { return 2; }
    int run(const QCommandLineParser &parser) override;
};

class ReportCommand : public Command
{
public:
    ReportCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int run(const QCommandLineParser &parser) override;
};

class PackCommand : public Command
{
public:
    PackCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    bool outputRequired() const override { return true; }
    int run(const QCommandLineParser &parser) override;
};

class UnpackCommand : public Command
{
public:
    UnpackCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int run(const QCommandLineParser &parser) override;
};

class WiringCommand : public Command
{
public:
    WiringCommand();

protected:
    void declare(QCommandLineParser &parser) const override;
    int run(const QCommandLineParser &parser) override;
};

std::vector<std::unique_ptr<Command>> allCommands();

// The whole tool: arguments[0] is the program name. Returns the exit status.
int runTool(const QStringList &arguments);
