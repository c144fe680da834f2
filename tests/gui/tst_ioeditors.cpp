#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "support/windowtest.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;

namespace
{

struct Choice {
    const char *list;
    QString text;
};

// A setting an update changes, and the exported key that holds it.
struct Edit {
    const char *widget; // a combo box (text) or a spin box (number)
    const char *key;
    QJsonValue value;
};

// The Shutter/Blind, Digital I/O, Logic and Voltage Input pages, each with a
// valid function (first an input, then an output) on I/O of its own, so that
// all four fit in one project, and that function as exported when saved with
// the page defaults.
struct Page {
    const char *button, *list, *nameField, *info, *save, *remove;
    int toolBoxIndex;
    QString namePrefix, savedTitle, deletedTitle, heldInputText;
    QVector<Choice> choices;
    QVector<Edit> edits;
    const char *jsonArray;
    QByteArray json;
};

const QString differen = QStringLiteral(
    "Selected input is already using in another function! Please select differen input.");

// clang-format off
const QMap<QString, Page> &pages()
{
    static const QMap<QString, Page> table{
        {"Shutter", {"shutterButton", "listWidget_Shutter", "lineEditShutterName",
          "label_ShutterUI_Info", "pushButtonShutterSave", "pushButtonShutterDelete", 7,
          "Shutter-", "Shutter [", "Shutter [", differen,
          {{"comboBox_ShutterUpInput", "IN3"}, {"comboBox_ShutterUpOutput", "C5"},
           {"comboBox_ShutterDownInput", "IN4"}, {"comboBox_ShutterDownOutput", "C6"}},
          {{"comboBox_ShutterDownDebounceTime", "DownDebounceTime", "75 ms"},
           {"spinBoxShutterStepTime", "StepTime", 1500}},
          "Shutter", R"({"DownDebounceTime": "50 ms", "DownInput": "IN4", "DownOutput": "C6",
              "MoveDuration": 50, "StepTime": 2000, "UpDebounceTime": "50 ms",
              "UpInput": "IN3", "UpOutput": "C5", "name": "Shutter-1"})"}},
        {"DigitalIO", {"DigitalioButton", "listWidget_Dgitialio", "lineEditDigitalIOName",
          "label_DigitalIOUI_Info", "pushButtonDigitalIOSave", "pushButtonDigitalIODelete", 8,
          "Digital I/O-", "Digital I/O [", "Digital I/O [", differen,
          {{"comboBox_DigitalIOInput", "IN1"}, {"comboBox_DigitalIOOutput", "C2"}},
          {{"comboBox_DigitalIOContactType", "ContactType", "NC"},
           {"spinBoxDigitalIOOffDelay", "OffDelay", 7}},
          "DigitalIO", R"({"ContactType": "NO", "DebounceTime": "50 ms", "Input": "IN1",
              "OffDelay": 0, "OnDelay": 0, "Output": "C2", "name": "Digital I/O-1"})"}},
        {"Logic", {"LogicButton", "listWidget_Logic", "lineEditLogicName",
          "label_LogicUI_Info", "pushButtonLogicSave", "pushButtonLogicDelete", 9,
          "Logic-", "Logic [", "Logic [",
          "Selected input is already using in another function! Please select different input.",
          {{"comboBox_LogicInput_1", "IN5"}, {"comboBox_LogicOutput", "C3"},
           {"comboBox_LogicInput_2", "IN6"}},
          {{"comboBox_LogicInput_3_Polarity", "Input3Polarity", "Inverted"},
           {"comboBox_LogicType", "LogicType", "NXOR"}, {"spinBoxLogicOnDelay", "OnDelay", 3}},
          // No third input, yet its settings are stored.
          "Logic", R"({"Input1": "IN5", "Input1ControlType": "ON/OFF",
              "Input1DebounceTime": "50 ms", "Input1Polarity": "Normal", "Input2": "IN6",
              "Input2ControlType": "ON/OFF", "Input2DebounceTime": "50 ms",
              "Input2Polarity": "Normal", "Input3": "", "Input3ControlType": "ON/OFF",
              "Input3DebounceTime": "50 ms", "Input3Polarity": "Normal", "LogicType": "AND",
              "OffDelay": 0, "OnDelay": 0, "Output": "C3", "name": "Logic-1"})"}},
        {"VoltageInput", {"AcInputButton", "listWidget_Acinput", "lineEditACInputName",
          "label_ACInputUI_Info", "pushButtonACInputSave", "pushButtonACInputDelete", 5,
          "VoltageInput-", "Voltage Input [", "ACInput [", differen,
          {{"comboBox_ACInputInput", "CH1"}, {"comboBox_ACInputOutput", "C4"}},
          {{"comboBox_ACInputDebounceTime", "DebounceTime", "3000 ms"},
           {"spinBoxACInputOnDelay", "OnDelay", 12}},
          "VoltageInput", R"({"DebounceTime": "50 ms", "Input": "CH1", "OffDelay": 0,
              "OnDelay": 0, "Output": "C4", "name": "VoltageInput-1"})"}},
    };
    return table;
}
// clang-format on

OutputEntry *output(const QString &name)
{
    return OutputCatalogue::instance().find(name);
}

bool allCountersZero()
{
    for (const InputEntry &entry : InputCatalogue::instance().rows()) {
        if (entry.useCount != 0)
            return false;
    }
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        if (entry.useCount != 0)
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(QVector<Choice>)

class IOEditorsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedFunctionIsShownUpdatedAndDeleted_data() { addPageRows(); }
    void savedFunctionIsShownUpdatedAndDeleted();
    void refusedSaveChangesNothing_data();
    void refusedSaveChangesNothing();
    void renamedFunctionCannotTakeItsOutputsAgain_data();
    void renamedFunctionCannotTakeItsOutputsAgain();
    void givingUpAnOutputPrunesOnlyFreedOnes_data();
    void givingUpAnOutputPrunesOnlyFreedOnes();
    void smallPlatformOffersItsRows();
    void shutterOutputsStayLocked();
    void logicShowsOwnInputsRedInTheirOwnList();
    void takenChannelsCannotBeChosen();

private:
    static void addPageRows();
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QListWidget *list(const char *name) const { return child<QListWidget>(window.get(), name); }
    QString text(const char *name) const;
    // Opens the page afresh and picks the given choices.
    void fillForm(const Page &page, const QVector<Choice> &choices);
    // Saves the form; returns what the page reports.
    QString save(const Page &page);
    void deleteFirst(const Page &page);
    QString shade(const char *list, const QString &text) const;

    std::unique_ptr<MainWindow> window;
};

void IOEditorsTest::addPageRows()
{
    QTest::addColumn<QString>("key");
    for (const QString &key : pages().keys())
        QTest::newRow(qPrintable(key)) << key;
}

QString IOEditorsTest::text(const char *name) const
{
    if (auto *label = window->findChild<QLabel *>(QString::fromLatin1(name)))
        return label->text();
    return child<QLineEdit>(window.get(), name)->text();
}

void IOEditorsTest::fillForm(const Page &page, const QVector<Choice> &choices)
{
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), page.button);
    for (const Choice &choice : choices)
        WindowTest::choose(combo(choice.list), choice.text);
}

QString IOEditorsTest::save(const Page &page)
{
    WindowTest::clickChild(window.get(), page.save);
    return text(page.info);
}

void IOEditorsTest::deleteFirst(const Page &page)
{
    WindowTest::clickChild(window.get(), page.button);
    WindowTest::clickListItem(list(page.list), 0);
    WindowTest::clickChild(window.get(), page.remove);
}

// "red" for the shown record's own choice, "grey" for one held elsewhere,
// "free" otherwise, "odd" for anything inconsistent (a red entry that cannot
// be chosen).
QString IOEditorsTest::shade(const char *listName, const QString &text) const
{
    const QComboBox *shown = combo(listName);
    const int index = shown->findText(text);
    const bool enabled = shown->model()->flags(shown->model()->index(index, 0)) & Qt::ItemIsEnabled;
    const QVariant brush = shown->itemData(index, Qt::ForegroundRole);
    if (!brush.isValid())
        return QLatin1String(enabled ? "free" : "odd");
    const QColor colour = brush.value<QBrush>().color();
    if (colour == QColor(Qt::red))
        return QLatin1String(enabled ? "red" : "odd");
    return QLatin1String(colour == QColor(Qt::lightGray) && !enabled ? "grey" : "odd");
}

void IOEditorsTest::init()
{
    window = WindowTest::openWindow();
}

void IOEditorsTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

// The proposed name, the defaults as exported, the toolbox titles; the saved
// function shown again with its own choices red, updated after the
// confirmation, and deleted with every claim given back.
void IOEditorsTest::savedFunctionIsShownUpdatedAndDeleted()
{
    QFETCH(QString, key);
    const Page page = pages().value(key);
    const auto exported = [&page] {
        const QJsonObject document = buildProjectDocument("MV211", "v2.0.2", QDateTime());
        const QJsonArray saved = document.value(QLatin1String(page.jsonArray)).toArray();
        return saved.size() == 1 ? saved.first().toObject() : QJsonObject();
    };
    fillForm(page, page.choices);
    QCOMPARE(text(page.nameField), page.namePrefix + "1");
    QCOMPARE(save(page), QStringLiteral("Saved..."));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(page.toolBoxIndex),
             page.savedTitle + "1]");
    QCOMPARE(text(page.nameField), page.namePrefix + "2");
    QJsonObject expected = QJsonDocument::fromJson(page.json).object();
    QCOMPARE(exported(), expected);

    WindowTest::clickListItem(list(page.list), 0);
    for (const Choice &choice : page.choices) {
        QCOMPARE(combo(choice.list)->currentText(), choice.text);
        QCOMPARE(shade(choice.list, choice.text), QStringLiteral("red"));
    }
    for (const Edit &edit : page.edits) {
        if (auto *spinBox = window->findChild<QSpinBox *>(QString::fromLatin1(edit.widget)))
            spinBox->setValue(edit.value.toInt());
        else
            WindowTest::choose(combo(edit.widget), edit.value.toString());
        expected.insert(QLatin1String(edit.key), edit.value);
    }
    DialogSeam::answerNextBox(QMessageBox::Save);
    QCOMPARE(save(page), QStringLiteral("Saved..."));
    QCOMPARE(exported(), expected);
    QCOMPARE(InputCatalogue::instance().find(page.choices.first().text)->useCount, ClaimCount(1));

    deleteFirst(page);
    QCOMPARE(list(page.list)->count(), 0);
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(page.toolBoxIndex),
             page.deletedTitle + "0]");
    QCOMPARE(text(page.nameField), page.namePrefix + "1");
    QVERIFY(allCountersZero());
}

void IOEditorsTest::refusedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("list"); // an extra choice, or empty
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("message"); // empty: the page's text for an input held elsewhere
    const QString upDown = QStringLiteral(
        "Can not select the same input or output for up/down control input or outputs!");
    const QString different = QStringLiteral("Please select different inputs!");
    auto row = [](const QString &tag, const QString &key, const char *list, const char *choice,
                  const QString &message) {
        QTest::newRow(qPrintable(tag)) << key << QString(list) << QString(choice) << message;
    };
    for (const QString &key : pages().keys())
        row(key + " input held elsewhere", key, "", "", "");
    row("shutter inputs", "Shutter", "comboBox_ShutterDownInput", "IN3", upDown);
    row("shutter outputs", "Shutter", "comboBox_ShutterDownOutput", "C5", upDown);
    row("logic inputs 1 and 3", "Logic", "comboBox_LogicInput_3", "IN5", different);
    row("logic inputs 2 and 3", "Logic", "comboBox_LogicInput_3", "IN6", different);
}

void IOEditorsTest::refusedSaveChangesNothing()
{
    QFETCH(QString, key);
    QFETCH(QString, list);
    QFETCH(QString, choice);
    QFETCH(QString, message);
    const Page page = pages().value(key);
    fillForm(page, page.choices);
    const QString input = page.choices.first().text;
    if (list.isEmpty()) {
        message = page.heldInputText;
        ++InputCatalogue::instance().find(input)->useCount; // taken while the page is open
    } else {
        WindowTest::choose(combo(qPrintable(list)), choice);
    }
    QCOMPARE(save(page), message);
    QCOMPARE(this->list(page.list)->count(), 0);
    QCOMPARE(InputCatalogue::instance().find(input)->useCount, ClaimCount(list.isEmpty() ? 1 : 0));
}

void IOEditorsTest::renamedFunctionCannotTakeItsOutputsAgain_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVector<Choice>>("freeInputs");
    QTest::newRow("Shutter") << "Shutter"
                             << QVector<Choice>{{"comboBox_ShutterUpInput", "IN7"},
                                                {"comboBox_ShutterDownInput", "IN8"}};
    QTest::newRow("DigitalIO") << "DigitalIO"
                               << QVector<Choice>{{"comboBox_DigitalIOInput", "IN7"}};
    QTest::newRow("Logic") << "Logic"
                           << QVector<Choice>{{"comboBox_LogicInput_1", "IN7"},
                                              {"comboBox_LogicInput_2", "IN8"}};
    QTest::newRow("VoltageInput") << "VoltageInput"
                                  << QVector<Choice>{{"comboBox_ACInputInput", "CH2"}};
}

// A saved function shown again keeps its own outputs selectable; saved under
// a new name with free inputs it would be a second function on those outputs.
void IOEditorsTest::renamedFunctionCannotTakeItsOutputsAgain()
{
    QFETCH(QString, key);
    QFETCH(QVector<Choice>, freeInputs);
    const Page page = pages().value(key);
    fillForm(page, page.choices);
    QCOMPARE(save(page), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(page.list), 0);
    for (const Choice &choice : freeInputs)
        WindowTest::choose(combo(choice.list), choice.text);
    child<QLineEdit>(window.get(), page.nameField)->setText(QStringLiteral("Renamed"));
    QCOMPARE(save(page), QStringLiteral("Selected output is already using in another function! "
                                        "Please select different output."));
    QCOMPARE(list(page.list)->count(), 1);
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void IOEditorsTest::givingUpAnOutputPrunesOnlyFreedOnes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("heldTwice");
    QTest::addColumn<bool>("byUpdate"); // else by delete
    for (const QString &key : pages().keys()) {
        for (bool byUpdate : {false, true}) {
            const QString how = byUpdate ? " updated" : " deleted";
            QTest::newRow(qPrintable(key + how + " alone")) << key << false << byUpdate;
            QTest::newRow(qPrintable(key + how + " held twice")) << key << true << byUpdate;
        }
    }
}

// Master Off and Welcome stop controlling an output only once no function
// holds it any more, whether a delete or an update to another output gave it
// up; a record left with nothing to control is deleted.
void IOEditorsTest::givingUpAnOutputPrunesOnlyFreedOnes()
{
    QFETCH(QString, key);
    QFETCH(bool, heldTwice);
    QFETCH(bool, byUpdate);
    const Page page = pages().value(key);
    fillForm(page, page.choices);
    QCOMPARE(save(page), QStringLiteral("Saved..."));
    // Put in place as a hand-made file may hold them: Master Off on the
    // function's output and C8, Welcome on that output only.
    const QString pruned = page.choices.at(1).text;
    const int n = pruned.mid(1).toInt();
    MasterOffRecord masterOff;
    masterOff.name = QStringLiteral("Master Off-1");
    WelcomeRecord welcome;
    welcome.name = QStringLiteral("Welcome-1");
    for (int out = 1; out <= 8; ++out) {
        masterOff.controlOut(out) = QLatin1String(out == n || out == 8 ? "ENABLE" : "DISABLE");
        welcome.controlOut(out) = QLatin1String(out == n ? "ENABLE" : "DISABLE");
    }
    masterOffStore().add(masterOff);
    list("listWidget_MasterOff")->addItem(masterOff.name);
    welcomeStore().add(welcome);
    list("listWidget_Welcome")->addItem(welcome.name);
    if (heldTwice)
        ++output(pruned)->useCount;

    if (byUpdate) {
        WindowTest::clickListItem(list(page.list), 0);
        WindowTest::choose(combo(page.choices.at(1).list), "C7");
        DialogSeam::answerNextBox(QMessageBox::Save);
        QCOMPARE(save(page), QStringLiteral("Saved..."));
    } else {
        deleteFirst(page);
    }
    QCOMPARE(masterOffStore().find("Master Off-1")->controlOut(n),
             QLatin1String(heldTwice ? "ENABLE" : "DISABLE"));
    QCOMPARE(masterOffStore().find("Master Off-1")->controlOutC8, QStringLiteral("ENABLE"));
    QCOMPARE(welcomeStore().size(), heldTwice ? 1 : 0);
    QCOMPARE(list("listWidget_Welcome")->count(), heldTwice ? 1 : 0);
}

void IOEditorsTest::smallPlatformOffersItsRows()
{
    DialogSeam::answerNextBox(QMessageBox::Yes); // in case the change asks to clear
    combo("comboBox_PlatformType")->setCurrentIndex(0);
    DialogSeam::reset();
    const auto offered = [this](const char *page, const char *listName) {
        fillForm(pages().value(page), {});
        QStringList texts;
        for (int index = 0; index < combo(listName)->count(); ++index)
            texts << combo(listName)->itemText(index);
        return texts.join(QLatin1Char(' '));
    };
    QCOMPARE(offered("DigitalIO", "comboBox_DigitalIOInput"), QStringLiteral("IN1 IN2"));
    QCOMPARE(offered("DigitalIO", "comboBox_DigitalIOOutput"), QStringLiteral("C1"));
    QCOMPARE(offered("Logic", "comboBox_LogicInput_3"), QStringLiteral("IN1 IN2"));
    QCOMPARE(offered("Logic", "comboBox_LogicOutput"), QStringLiteral("C1"));
    QCOMPARE(offered("VoltageInput", "comboBox_ACInputInput"), QStringLiteral("CH1 CH2"));
    QCOMPARE(offered("VoltageInput", "comboBox_ACInputOutput"), QStringLiteral("C1"));
}

// Neither Master Off nor Welcome may ever control a motor output, even once
// the shutter is gone and other functions hold the output.
void IOEditorsTest::shutterOutputsStayLocked()
{
    const Page shutter = pages().value("Shutter");
    fillForm(shutter, shutter.choices);
    QCOMPARE(save(shutter), QStringLiteral("Saved..."));
    deleteFirst(shutter);
    for (const char *name : {"C5", "C6", "C7"})
        ++output(name)->useCount;

    WindowTest::clickChild(window.get(), "WelcomeButton");
    QVERIFY(!child<QWidget>(window.get(), "checkBox_WelcomeOutputC5")->isEnabled());
    QVERIFY(!child<QWidget>(window.get(), "checkBox_WelcomeOutputC6")->isEnabled());
    QVERIFY(child<QWidget>(window.get(), "checkBox_WelcomeOutputC7")->isEnabled());
    for (const char *name : {"C5", "C6"})
        QVERIFY(output(name)->masterOffLocked && output(name)->welcomeLocked);
}

void IOEditorsTest::logicShowsOwnInputsRedInTheirOwnList()
{
    ++InputCatalogue::instance().find("IN1")->useCount; // held by another function
    const Page logic = pages().value("Logic");
    fillForm(logic, logic.choices);
    QCOMPARE(save(logic), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(logic.list), 0);
    const QStringList expected[] = {{"grey", "red", "grey", "free"},
                                    {"grey", "grey", "red", "free"},
                                    {"grey", "grey", "grey", "free"}};
    const char *lists[] = {"comboBox_LogicInput_1", "comboBox_LogicInput_2",
                           "comboBox_LogicInput_3"};
    for (int k = 0; k < 3; ++k) {
        QStringList shades;
        for (const char *input : {"IN1", "IN5", "IN6", "IN7"})
            shades << shade(lists[k], input);
        QCOMPARE(shades, expected[k]);
    }
    QCOMPARE(combo("comboBox_LogicInput_3")->currentIndex(), -1);
}

void IOEditorsTest::takenChannelsCannotBeChosen()
{
    const Page voltage = pages().value("VoltageInput");
    fillForm(voltage, voltage.choices);
    QCOMPARE(save(voltage), QStringLiteral("Saved..."));
    fillForm(voltage, {{"comboBox_ACInputInput", "CH2"}, {"comboBox_ACInputOutput", "C7"}});
    QCOMPARE(save(voltage), QStringLiteral("Saved..."));
    fillForm(voltage, {{"comboBox_ACInputOutput", "C8"}});
    QCOMPARE(shade("comboBox_ACInputInput", "CH1"), QStringLiteral("grey"));
    QCOMPARE(shade("comboBox_ACInputInput", "CH2"), QStringLiteral("grey"));
    QCOMPARE(save(voltage), QStringLiteral("Please select input and output!"));
    QCOMPARE(voltageInputStore().size(), 2);
}

QTEST_MAIN(IOEditorsTest)
#include "tst_ioeditors.moc"
