#pragma once

#include "project/projectdiff.h"

#include <QDialog>
#include <QVector>

// How the open project differs from a project file: a table with one row per
// difference (type, function, field, here, in the file), grouped by type, or
// the sentence that both hold the same configuration. The differences can be
// copied as text in the companion tool's words (Ctrl+C or Copy); Escape or
// Close closes it.
class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    CompareWindow(const QString &filePath, const QVector<Difference> &found,
                  QWidget *parent = nullptr);

    // One line per difference, as `zaren800-cfg diff` prints it, in the table's order.
    QString differencesText() const;

private:
    QWidget *makeTable();
    void copyDifferences() const;

    QVector<Difference> differences;
};
