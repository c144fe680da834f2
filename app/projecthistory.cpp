#include "app/projecthistory.h"

#include <utility>

bool sameProject(const ShownProject &a, const ShownProject &b)
{
    return a.platformIndex == b.platformIndex && a.project == b.project;
}

QList<QKeySequence> redoKeys(QList<QKeySequence> platformKeys)
{
    const QKeySequence ctrlY(QStringLiteral("Ctrl+Y"));
    if (!platformKeys.contains(ctrlY))
        platformKeys << ctrlY;
    return platformKeys;
}

ProjectStep::ProjectStep(const QString &text, ShownProject before, ShownProject after, Show show)
    : before(std::move(before)), after(std::move(after)), show(std::move(show))
{
    // The step's text, then after a line break the menu's, where an ampersand
    // shows only doubled. A name from a file may hold a line break of its own.
    const QString plain = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    setText(plain + QLatin1Char('\n') +
            QString(plain).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void ProjectStep::undo()
{
    show(before);
}

void ProjectStep::redo()
{
    if (std::exchange(alreadyDone, false))
        return;
    show(after);
}
