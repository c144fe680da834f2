#include "dialogseam.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace
{

struct Script {
    bool active = false;
    QQueue<QMessageBox::StandardButton> boxAnswers;
    QQueue<QString> fileAnswers;
    QQueue<std::function<int(QDialog &)>> dialogAnswers;
    QList<DialogSeam::ShownBox> boxes;
    QStringList captions;
    QStringList directories;
    QStringList filters;
    int unexpected = 0;
};

Script &script()
{
    static Script instance;
    return instance;
}

DialogSeam::ShownBox describe(const QMessageBox &box)
{
    DialogSeam::ShownBox shown;
    shown.title = box.windowTitle();
    shown.text = box.text();
    shown.informativeText = box.informativeText();
    shown.detailedText = box.detailedText();
    shown.icon = box.icon();
    shown.buttons = box.standardButtons();
    if (QPushButton *button = box.defaultButton())
        shown.defaultButton = box.standardButton(button);
    return shown;
}

} // namespace

int DialogSeam::execMessageBox(QMessageBox &box)
{
    Script &s = script();
    if (!s.active)
        return box.exec();
    s.boxes.append(describe(box));
    if (s.boxAnswers.isEmpty()) {
        ++s.unexpected;
        return QMessageBox::Cancel;
    }
    return s.boxAnswers.dequeue();
}

void DialogSeam::showFileBox(const QString &title, const QString &text,
                             const QString &informativeText, const QString &detailedText)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setText(text);
    box.setInformativeText(informativeText);
    box.setDetailedText(detailedText);
    box.setStandardButtons(QMessageBox::Ok);
    execMessageBox(box);
}

bool DialogSeam::askReplace(QWidget *parent, const QString &title, const QString &path)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setText(
        QCoreApplication::translate("MainWindow", "%1 already exists. Do you want to replace it?")
            .arg(QFileInfo(path).fileName()));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return execMessageBox(box) == QMessageBox::Yes;
}

QString DialogSeam::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (!script().active)
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    return takeFileName(caption, dir, filter);
}

QString DialogSeam::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (!script().active)
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    return takeFileName(caption, dir, filter);
}

QString DialogSeam::takeFileName(const QString &caption, const QString &dir, const QString &filter)
{
    Script &s = script();
    s.captions.append(caption);
    s.directories.append(dir);
    s.filters.append(filter);
    if (s.fileAnswers.isEmpty()) {
        ++s.unexpected;
        return QString();
    }
    return s.fileAnswers.dequeue();
}

int DialogSeam::execDialog(QDialog &dialog)
{
    Script &s = script();
    if (!s.active)
        return dialog.exec();
    if (s.dialogAnswers.isEmpty()) {
        ++s.unexpected;
        return QDialog::Rejected;
    }
    return s.dialogAnswers.dequeue()(dialog);
}

void DialogSeam::startScripting()
{
    script().active = true;
}

void DialogSeam::stopScripting()
{
    script().active = false;
}

void DialogSeam::answerNextBox(QMessageBox::StandardButton button)
{
    script().boxAnswers.enqueue(button);
}

void DialogSeam::answerNextFileName(const QString &fileName)
{
    script().fileAnswers.enqueue(fileName);
}

void DialogSeam::answerNextDialog(int result)
{
    inspectNextDialog([result](QDialog &) { return result; });
}

void DialogSeam::inspectNextDialog(const std::function<int(QDialog &)> &answer)
{
    script().dialogAnswers.enqueue(answer);
}

const QList<DialogSeam::ShownBox> &DialogSeam::shownBoxes()
{
    return script().boxes;
}

const QStringList &DialogSeam::fileDialogCaptions()
{
    return script().captions;
}

const QStringList &DialogSeam::fileDialogDirectories()
{
    return script().directories;
}

const QStringList &DialogSeam::fileDialogFilters()
{
    return script().filters;
}

int DialogSeam::unexpectedCalls()
{
    return script().unexpected;
}

int DialogSeam::pendingAnswers()
{
    const Script &s = script();
    return s.boxAnswers.size() + s.fileAnswers.size() + s.dialogAnswers.size();
}

void DialogSeam::reset()
{
    const bool active = script().active;
    script() = Script();
    script().active = active;
}
