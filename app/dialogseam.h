#pragma once

#include <QMessageBox>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

// Every modal message box, file dialog and print dialog of the program goes
// through here. In normal use each call simply runs the dialog; a test can put
// the seam into scripted mode and pre-answer the dialogs, so that no test
// ever blocks on a modal loop.
class DialogSeam
{
public:
    struct ShownBox {
        QString title;
        QString text;
        QString informativeText;
        QString detailedText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    // Runs the box and returns the button pressed (QMessageBox::exec result).
    static int execMessageBox(QMessageBox &box);
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    // Any other modal dialog (the print dialog); returns QDialog::exec's result.
    static int execDialog(QDialog &dialog);
    // The box of a file that could not be read or written: warning icon, a
    // single OK, no parent window.
    static void showFileBox(const QString &title, const QString &text,
                            const QString &informativeText = QString(),
                            const QString &detailedText = QString());
    // Asks before a file that the save dialog did not confirm is replaced (the
    // program completed the typed name); true for Yes.
    static bool askReplace(QWidget *parent, const QString &title, const QString &path);

    // --- Test side ---
    // From now on no dialog is shown: each call takes the next queued answer.
    // A call without a queued answer is counted as unexpected and answered
    // like a cancel (Cancel button, empty file name, rejected dialog).
    static void startScripting();
    static void stopScripting();
    static void answerNextBox(QMessageBox::StandardButton button);
    static void answerNextFileName(const QString &fileName);
    static void answerNextDialog(int result);
    // The next dialog is handed to answer, which looks at it and returns its result.
    static void inspectNextDialog(const std::function<int(QDialog &)> &answer);

    // What the scripted calls were shown, oldest first.
    static const QList<ShownBox> &shownBoxes();
    static const QStringList &fileDialogCaptions();
    static const QStringList &fileDialogDirectories();
    static const QStringList &fileDialogFilters();
    static int unexpectedCalls();
    static int pendingAnswers();
    // Forget answers and records (keeps the mode).
    static void reset();

private:
    static QString takeFileName(const QString &caption, const QString &dir, const QString &filter);
};
