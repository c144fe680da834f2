#include "app/comparewindow.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CompareWindow::CompareWindow(const QString &filePath, const QVector<Difference> &found,
                             QWidget *parent)
    : QDialog(parent), differences(groupedByType(found))
{
    const QString fileName = QFileInfo(filePath).fileName();
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Compare With %1").arg(fileName));
    resize(820, 440);

    const int count = differences.size();
    auto *summary = new QLabel(
        count == 0   ? tr("The open project and %1 hold the same configuration.").arg(fileName)
        : count == 1 ? tr("The open project and %1 differ in 1 place.").arg(fileName)
                     : tr("The open project and %1 differ in %2 places.").arg(fileName).arg(count),
        this);
    summary->setObjectName(QStringLiteral("compareSummary"));
    summary->setWordWrap(true);
    summary->setToolTip(QDir::toNativeSeparators(filePath));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyDifferences"));
    copy->setToolTip(tr("Copies the differences as text (Ctrl+C)"));
    copy->setEnabled(count > 0);
    connect(copy, &QPushButton::clicked, this, &CompareWindow::copyDifferences);
    buttons->button(QDialogButtonBox::Close)->setText(tr("C&lose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    if (count > 0) {
        QWidget *table = makeTable();
        table->setAccessibleDescription(summary->text());
        layout->addWidget(table);
        table->setFocus();
    } else {
        layout->addStretch();
        buttons->button(QDialogButtonBox::Close)->setFocus();
    }
    layout->addWidget(buttons);

    auto *copyKeys = new QAction(this);
    copyKeys->setShortcut(QKeySequence::Copy);
    copyKeys->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyKeys, &QAction::triggered, this, &CompareWindow::copyDifferences);
    addAction(copyKeys);
}

// Whole rows, read row by row; Tab leaves the table for the buttons.
QWidget *CompareWindow::makeTable()
{
    auto *table = new QTableWidget(differences.size(), 5, this);
    table->setObjectName(QStringLiteral("compareTable"));
    table->setAccessibleName(tr("Differences"));
    table->setHorizontalHeaderLabels(
        {tr("Type"), tr("Function"), tr("Field"), tr("Here"), tr("In the file")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    for (int row = 0; row < differences.size(); ++row) {
        const QStringList cells = differenceCells(differences.at(row));
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setCurrentCell(0, 0);
    return table;
}

QString CompareWindow::differencesText() const
{
    QString text;
    for (const Difference &difference : differences)
        text += difference.toString() + QLatin1Char('\n');
    return text;
}

void CompareWindow::copyDifferences() const
{
    if (!differences.isEmpty())
        QGuiApplication::clipboard()->setText(differencesText());
}
