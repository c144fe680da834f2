#include "app/typeviews.h"

#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

QVector<TypeView> typeViews(Ui::MainWindow *ui)
{
    return {
        {ui->listWidget_Welcome, 0, QT_TRANSLATE_NOOP("MainWindow", "Welcome [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Welcome [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Welcome ["), &ImportedNames::welcome},
        {ui->listWidget_MasterOff, 1, QT_TRANSLATE_NOOP("MainWindow", "Master Off [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Master Off [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Master Off ["), &ImportedNames::masterOff},
        {ui->listWidgetLighting, 6, QT_TRANSLATE_NOOP("MainWindow", "Lighting [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Lighting [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Lighting ["), &ImportedNames::lighting},
        {ui->listWidget_Logic, 9, QT_TRANSLATE_NOOP("MainWindow", "Logic [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Logic [0]"), QT_TRANSLATE_NOOP("MainWindow", "Logic ["),
         &ImportedNames::logic},
        {ui->listWidget_Shutter, 7, QT_TRANSLATE_NOOP("MainWindow", "Shutter/Blind [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Shutter [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Shutter ["), &ImportedNames::shutter},
        {ui->listWidget_Acinput, 5, QT_TRANSLATE_NOOP("MainWindow", "Voltage Input [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Voltage Input [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Voltage Input ["), &ImportedNames::voltageInput},
        {ui->listWidget_AirCon, 4, QT_TRANSLATE_NOOP("MainWindow", "Air Conditioner [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Air Conditioner [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "AirCon ["), &ImportedNames::airCon},
        {ui->listWidget_CardHolder, 2, QT_TRANSLATE_NOOP("MainWindow", "Energy Saving [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Energy Saving [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Energy Saving ["), &ImportedNames::energySaving},
        {ui->listWidget_Dgitialio, 8, QT_TRANSLATE_NOOP("MainWindow", "Digital I/O [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Digital I/O [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DigitalIO ["), &ImportedNames::digitalIO},
        {ui->listWidget_DndMur, 3, QT_TRANSLATE_NOOP("MainWindow", "DND/MUR [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DND/MUR [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DND/MUR ["), &ImportedNames::dndMur},
    };
}

void emptyLists(QToolBox *toolBox, const QVector<TypeView> &views, const char *TypeView::*title)
{
    for (const TypeView &view : views) {
        view.list->clear();
        toolBox->setItemText(view.toolBoxIndex, MainWindow::tr(view.*title));
    }
}

void showSavedLists(QToolBox *toolBox, const QVector<TypeView> &views, const QStringList &titles)
{
    const std::array<QStringList, functionTypeCount> names = savedNames();
    for (const TypeView &view : views) {
        view.list->clear();
        view.list->addItems(names.at(view.toolBoxIndex));
        toolBox->setItemText(view.toolBoxIndex, titles.value(view.toolBoxIndex));
    }
}

QStringList typeTitles(const QToolBox *toolBox)
{
    QStringList titles;
    for (int index = 0; index < functionTypeCount; ++index)
        titles << toolBox->itemText(index);
    return titles;
}
