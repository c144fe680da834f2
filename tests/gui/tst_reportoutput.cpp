#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/stores.h"
#include "render/devicepicture.h"
#include "support/windowtest.h"

#include <QAction>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace
{

const QDateTime moment(QDate(2024, 2, 1), QTime(13, 4, 5));

// Output of one of the poppler tools, or an empty string when it cannot run.
QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString &path)
{
    // First and last page of any length, so that every page's size is listed.
    return runTool("pdfinfo", {"-f", "1", "-l", "9999", path});
}

QString pdfText(const QString &path)
{
    return runTool("pdftotext", {"-layout", path, "-"});
}

int pageCount(const QString &info)
{
    return QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
}

void addLighting(const QString &name)
{
    LightingRecord r;
    r.name = name;
    r.Input = "IN3";
    r.DebounceTime = "50 ms";
    r.ControlType = "PULSE";
    r.OutputControlPriority = "LastState";
    for (int n = 1; n <= 8; ++n)
        r.output(n) = QString("C%1").arg(n);
    lightingStore().add(r);
}

void addLogic()
{
    LogicRecord r;
    r.name = "Logic-1";
    r.Input1 = "IN1";
    r.Input1DebounceTime = "3000 ms";
    r.Input1Polarity = "Inverted";
    r.Input1ControlType = "PULSE";
    r.Input2 = "IN2";
    r.Input2DebounceTime = "3000 ms";
    r.Input2Polarity = "Inverted";
    r.Input2ControlType = "PULSE";
    r.Input3 = "IN13";
    r.Input3DebounceTime = "3000 ms";
    r.Input3Polarity = "Inverted";
    r.Input3ControlType = "ON/OFF";
    r.Output = "C8";
    r.LogicType = "NAND";
    r.OnDelay = 999999;
    r.OffDelay = 999999;
    logicStore().add(r);
}

} // namespace

class ReportOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void pdfIsTitledA4LandscapeWithTheReport();
    void longPdfKeepsFullLinesAndIsReplaced();
    void previewHasThePdfsPages_data();
    void previewHasThePdfsPages();
    void cancelledPrintDialogPrintsNothing();
    void homePageShowsTheCurrentReport();
    void homePictureAndWiringSheetShowTheProject();

private:
    bool popplerMissing() const;

    QScopedPointer<MainWindow> window;
    QTemporaryDir directory;
};

void ReportOutputTest::initTestCase()
{
    QVERIFY(directory.isValid());
    Clock::fix(moment);
    DialogSeam::startScripting();
}

void ReportOutputTest::cleanupTestCase()
{
    DialogSeam::stopScripting();
    Clock::release();
}

void ReportOutputTest::init()
{
    WindowTest::resetProject();
    DialogSeam::reset();
    window.reset(new MainWindow);
}

void ReportOutputTest::cleanup()
{
    window.reset();
    WindowTest::resetProject();
}

bool ReportOutputTest::popplerMissing() const
{
    return QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
           QStandardPaths::findExecutable("pdftotext").isEmpty();
}

void ReportOutputTest::pdfIsTitledA4LandscapeWithTheReport()
{
    if (popplerMissing())
        QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
    addLighting("Lighting-1");
    const QString path = directory.filePath("site.table.pdf");
    QString errorText;
    QVERIFY(window->writeReportPdf(path, errorText));

    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression("Title:\\s+ZAREN800\\n")), qPrintable(info));
    QCOMPARE(pageCount(info), 1);
    QVERIFY2(info.contains(QRegularExpression("size:\\s+841\\.89 x 595\\.28|842 x 595")),
             qPrintable(info));

    const QString text = pdfText(path);
    QVERIFY(text.contains("ZAREN800 Room Controller Configuration"));
    QVERIFY(text.contains(QRegularExpression("MV2\\d\\d\\s+v2\\.0\\.2\\s+01-02-2024 13:04:05")));
    QVERIFY(text.contains(QRegularExpression("\\n\\s+LIGHTING\\n")));
    QVERIFY(text.contains(
        QRegularExpression("Lighting-1\\s+IN3\\s+50 ms\\s+PULSE\\s+LastState\\s+C1 C2 C3")));
}

void ReportOutputTest::longPdfKeepsFullLinesAndIsReplaced()
{
    if (popplerMissing())
        QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
    // Enough rows for a second page; the widest section comes last.
    for (int i = 1; i <= 80; ++i)
        addLighting(QString("Lighting-%1").arg(i));
    addLogic();
    const QString path = directory.filePath("long.table.pdf");
    QString errorText;
    QVERIFY(window->writeReportPdf(path, errorText));

    const QString info = pdfInfo(path);
    QVERIFY2(pageCount(info) >= 2, qPrintable(info));
    QCOMPARE(
        info.count(QRegularExpression("Page\\s+\\d+ size:\\s+(841\\.89 x 595\\.28|842 x 595)")),
        pageCount(info));

    // pdftotext approximates runs of blanks, so only the words are matched exactly.
    // A wrapped line would break the 210-hyphen rules and the Logic row apart.
    const QString text = pdfText(path);
    QCOMPARE(text.count(QRegularExpression("^-{210}$", QRegularExpression::MultilineOption)), 2);
    QVERIFY(text.contains(QRegularExpression(
        "In3 Ctrl Typ \\| Out \\| Logic Type \\| On Delay\\s+\\| Off Delay\\n")));
    QVERIFY(text.contains(QRegularExpression("ON/OFF\\s+C8\\s+NAND\\s+999999 sec 999999 sec")));
    QVERIFY(text.contains("Lighting-80"));

    // Written again for an empty project, the same file holds only the heading.
    WindowTest::resetProject();
    QVERIFY(window->writeReportPdf(path, errorText));
    QCOMPARE(pageCount(pdfInfo(path)), 1);
    const QString rewritten = pdfText(path);
    QVERIFY(rewritten.contains("ZAREN800 Room Controller Configuration"));
    QVERIFY(!rewritten.contains("LIGHTING"));
}

void ReportOutputTest::previewHasThePdfsPages_data()
{
    QTest::addColumn<QString>("preview"); // the File menu's entry
    QTest::newRow("report") << "actionPrint_Preview";
    QTest::newRow("wiring sheet") << "actionPreview_Wiring_Sheet";
}

// Pages enough for both documents to break where their page ends; without a
// printer the preview says so beside its Print button.
void ReportOutputTest::previewHasThePdfsPages()
{
    QFETCH(QString, preview);
    if (popplerMissing())
        QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
    for (int i = 1; i <= 80; ++i)
        addLighting(QString("Lighting-%1").arg(i));
    addLogic();
    int previewPages = 0;
    bool saysNoPrinter = false;
    DialogSeam::inspectNextDialog([&](QDialog &dialog) {
        auto *pages = dialog.findChild<QPrintPreviewWidget *>();
        pages->updatePreview();
        previewPages = pages->pageCount();
        saysNoPrinter = dialog.findChild<QLabel *>("noPrinterNote") != nullptr;
        return int(QDialog::Rejected);
    });
    WindowTest::child<QAction>(window.data(), qPrintable(preview))->trigger();

    const QString pdf = directory.filePath("preview.pdf");
    QString errorText;
    if (preview == "actionPrint_Preview") {
        QVERIFY(window->writeReportPdf(pdf, errorText));
    } else {
        DialogSeam::answerNextFileName(pdf);
        WindowTest::child<QAction>(window.data(), "actionExport_Wiring_Sheet")->trigger();
    }
    QVERIFY2(previewPages >= 2, qPrintable(QString::number(previewPages)));
    QCOMPARE(previewPages, pageCount(pdfInfo(pdf)));
    QCOMPARE(saysNoPrinter, QPrinterInfo::availablePrinterNames().isEmpty());
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

void ReportOutputTest::cancelledPrintDialogPrintsNothing()
{
    addLighting("Lighting-1");
    DialogSeam::answerNextDialog(QDialog::Rejected);
    WindowTest::child<QToolButton>(window.data(), "PrintButton")->click();
    QCOMPARE(DialogSeam::pendingAnswers(), 0);

    // The menu action takes the same road.
    DialogSeam::answerNextDialog(QDialog::Rejected);
    WindowTest::child<QAction>(window.data(), "actionPrint_Project")->trigger();
    QCOMPARE(DialogSeam::pendingAnswers(), 0);

    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
    QVERIFY(DialogSeam::fileDialogCaptions().isEmpty());
    QCOMPARE(lightingStore().size(), 1);
    // Where Windows would have shown no dialog, the status bar says why.
    QCOMPARE(window->statusBar()->currentMessage() == "No printer is installed",
             QPrinterInfo::availablePrinterNames().isEmpty());
}

void ReportOutputTest::homePageShowsTheCurrentReport()
{
    auto *textEdit = WindowTest::child<QTextEdit>(window.data(), "textEdit");
    auto *home = WindowTest::child<QToolButton>(window.data(), "HomeButton");
    auto *pages = WindowTest::child<QStackedWidget>(window.data(), "stackedWidget");

    addLighting("Lighting-1");
    home->click();
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(textEdit->toPlainText(), window->buildConfigurationReport());
    QVERIFY(textEdit->toPlainText().contains("Lighting-1"));

    // Coming back from another page shows what changed meanwhile.
    pages->setCurrentIndex(11);
    addLogic();
    home->click();
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(textEdit->toPlainText(), window->buildConfigurationReport());
    QVERIFY(textEdit->toPlainText().contains("Logic-1"));
}

// Each terminal of the picture has its own tooltip; the File menu writes the sheet.
void ReportOutputTest::homePictureAndWiringSheetShowTheProject()
{
    auto *picture = WindowTest::child<QToolButton>(window.data(), "toolButton_DevPic_2");
    addLighting("Lighting-1");
    WindowTest::clickChild(window.data(), "HomeButton");
    // The picture fills the button, so both share their coordinates.
    QCOMPARE(picture->iconSize(), picture->size());
    const Terminal c3{3, "C3", TerminalDirection::Output, true, TerminalState::Held, {}, {}};
    const QPoint at = DevicePicture::terminalArea(c3).center().toPoint();
    QHelpEvent hover(QEvent::ToolTip, at, picture->mapToGlobal(at));
    QApplication::sendEvent(picture, &hover);
    QCOMPARE(QToolTip::text(),
             QString::fromUtf8("C3 \u2014 output, held\nLighting \"Lighting-1\" (PULSE): output"));

    if (popplerMissing())
        QSKIP("poppler-utils (pdfinfo, pdftotext) are not installed");
    DialogSeam::answerNextFileName(directory.filePath("room"));
    WindowTest::child<QAction>(window.data(), "actionExport_Wiring_Sheet")->trigger();
    const QString text = pdfText(directory.filePath("room.pdf"));
    QVERIFY2(text.contains("ZAREN800 Wiring Sheet: room.pdf"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("\\n\\s*C3\\s+output\\s+held\\s+Lighting-1")));

    // The name the dialog confirmed had no ".pdf": replacing that file is asked first.
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        QFile precious(directory.filePath("precious.pdf"));
        QVERIFY(precious.open(QIODevice::WriteOnly) && precious.write("precious") == 8);
        precious.close();
        DialogSeam::reset();
        DialogSeam::answerNextFileName(directory.filePath("precious"));
        DialogSeam::answerNextBox(answer);
        WindowTest::child<QAction>(window.data(), "actionExport_Wiring_Sheet")->trigger();
        QCOMPARE(DialogSeam::shownBoxes().size(), 1);
        QCOMPARE(DialogSeam::shownBoxes().first().text,
                 "precious.pdf already exists. Do you want to replace it?");
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll().startsWith("%PDF"), answer == QMessageBox::Yes);
    }
}

QTEST_MAIN(ReportOutputTest)
#include "tst_reportoutput.moc"
