#pragma once

#include "model/projectsnapshot.h"

#include <QKeySequence>
#include <QList>
#include <QStringList>
#include <QUndoCommand>
#include <functional>

// The project as a step leaves it, with what the window shows of it that the
// stores cannot tell: the platform, and the toolbox titles, whose wording
// ("Shutter/Blind [0]" or "Shutter [0]") depends on how their count came about,
// and whether the title still names the file last exported or imported (Clear
// all and a platform change leave it).
struct ShownProject {
    ProjectSnapshot project;
    int platformIndex = 0;
    QStringList titles;
    bool fileLeft = false;
};

// True when the project and the platform are the same; titles alone make no step.
bool sameProject(const ShownProject &a, const ShownProject &b);

// The keys of Redo: the platform's, and Ctrl+Y as well where they lack it
// (X11, macOS), since users of every platform reach for it.
QList<QKeySequence> redoKeys(QList<QKeySequence> platformKeys);

// One user action in the history: undo shows the project as it was before,
// redo as the action left it. Pushed once the action is done, so the first
// redo, which QUndoStack::push runs, has nothing to do.
class ProjectStep : public QUndoCommand
{
public:
    using Show = std::function<void(const ShownProject &)>;

    ProjectStep(const QString &text, ShownProject before, ShownProject after, Show show);

    void undo() override;
    void redo() override;

private:
    const ShownProject before;
    const ShownProject after;
    const Show show;
    bool alreadyDone = true;
};
