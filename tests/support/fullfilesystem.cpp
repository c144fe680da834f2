#include "support/fullfilesystem.h"

#include <QFile>

void FullFileSystem::fillLeaving(qint64 bytes) const
{
    QFile filler(filePath(QStringLiteral("filler")));
    filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.resize(qMax<qint64>(0, filler.size() - bytes));
}
