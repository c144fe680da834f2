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

// A setting changed by an update: a combo box text or a spin box value, and
// the exported key that holds it.
struct Edit {
    const char *widget;
    QString value;
    const char *key;
};

// The Shutter/Blind, Digital I/O, Logic and Voltage Input pages, each with a
// valid function on I/O of its own (so that all four fit in one project;
// first an input, then an output) as it is exported when saved with the page
// defaults.
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

const QMap<QString, Page> &pages()
{
    static const QMap<QString, Page> table{
        {"Shutter",
         {"shutterButton",
          "listWidget_Shutter",
          "lineEditShutterName",
          "label_ShutterUI_Info",
          "pushButtonShutterSave",
          "pushButtonShutterDelete",
          7,
          "Shutter-",
          "Shutter [",
          "Shutter [",
          differen,
          {{"comboBox_ShutterUpInput", "IN3"},
           {"comboBox_ShutterUpOutput", "C5"},
           {"comboBox_ShutterDownInput", "IN4"},
           {"comboBox_ShutterDownOutput", "C6"}},
          {{"comboBox_ShutterDownDebounceTime", "75 ms", "DownDebounceTime"},
           {"spinBoxShutterStepTime", "1500", "StepTime"}},
          "Shutter",
          R"({"DownDebounceTime": "50 ms", "DownInput": "IN4", "DownOutput": "C6",
              "MoveDuration": 50, "StepTime": 2000, "UpDebounceTime": "50 ms",
              "UpInput": "IN3", "UpOutput": "C5", "name": "Shutter-1"})"}},
        {"DigitalIO",
         {"DigitalioButton",
          "listWidget_Dgitialio",
          "lineEditDigitalIOName",
          "label_DigitalIOUI_Info",
          "pushButtonDigitalIOSave",
          "pushButtonDigitalIODelete",
          8,
          "Digital I/O-",
          "Digital I/O [",
          "Digital I/O [",
          differen,
          {{"comboBox_DigitalIOInput", "IN1"}, {"comboBox_DigitalIOOutput", "C2"}},
          {{"comboBox_DigitalIOContactType", "NC", "ContactType"},
           {"spinBoxDigitalIOOffDelay", "7", "OffDelay"}},
          "DigitalIO",
          R"({"ContactType": "NO", "DebounceTime": "50 ms", "Input": "IN1", "OffDelay": 0,
              "OnDelay": 0, "Output": "C2", "name": "Digital I/O-1"})"}},
        {"Logic",
         {"LogicButton",
          "listWidget_Logic",
          "lineEditLogicName",
          "label_LogicUI_Info",
          "pushButtonLogicSave",
          "pushButtonLogicDelete",
          9,
          "Logic-",
          "Logic [",
          "Logic [",
          "Selected input is already using in another function! Please select different input.",
          {{"comboBox_LogicInput_1", "IN5"},
           {"comboBox_LogicOutput", "C3"},
           {"comboBox_LogicInput_2", "IN6"}},
          {{"comboBox_LogicInput_3_Polarity", "Inverted", "Input3Polarity"},
           {"comboBox_LogicType", "NXOR", "LogicType"},
           {"spinBoxLogicOnDelay", "3", "OnDelay"}},
          "Logic",
          // No third input, yet its settings are stored.
          R"({"Input1": "IN5", "Input1ControlType": "ON/OFF", "Input1DebounceTime": "50 ms",
              "Input1Polarity": "Normal", "Input2": "IN6", "Input2ControlType": "ON/OFF",
              "Input2DebounceTime": "50 ms", "Input2Polarity": "Normal", "Input3": "",
              "Input3ControlType": "ON/OFF", "Input3DebounceTime": "50 ms",
              "Input3Polarity": "Normal", "LogicType": "AND", "OffDelay": 0, "OnDelay": 0,
              "Output": "C3", "name": "Logic-1"})"}},
        {"VoltageInput",
         {"AcInputButton",
          "listWidget_Acinput",
          "lineEditACInputName",
          "label_ACInputUI_Info",
          "pushButtonACInputSave",
          "pushButtonACInputDelete",
          5,
          "VoltageInput-",
          "Voltage Input [",
          "ACInput [",
          differen,
          {{"comboBox_ACInputInput", "CH1"}, {"comboBox_ACInputOutput", "C4"}},
          {{"comboBox_ACInputDebounceTime", "3000 ms", "DebounceTime"},
           {"spinBoxACInputOnDelay", "12", "OnDelay"}},
          "VoltageInput",
          R"({"DebounceTime": "50 ms", "Input": "CH1", "OffDelay": 0, "OnDelay": 0,
              "Output": "C4", "name": "VoltageInput-1"})"}},
    };
    return table;
}

ClaimCount inputUse(const QString &name)
{
    return InputCatalogue::instance().find(name)->useCount;
}

OutputEntry *output(const QString &name)
{
    return OutputCatalogue::instance().find(name);
}

} // namespace

class IOEditorsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedFunctionIsExported_data() { addPageRows(); }
    void savedFunctionIsExported();
    void updateKeepingOwnChoicesPasses_data() { addPageRows(); }
    void updateKeepingOwnChoicesPasses();
    void inputHeldElsewhereIsRefused_data() { addPageRows(); }
    void inputHeldElsewhereIsRefused();
    void sameChoiceTwiceIsRefused_data();
    void sameChoiceTwiceIsRefused();
    void deletePrunesOnlyFreedOutputs_data();
    void deletePrunesOnlyFreedOutputs();
    void smallPlatformOffersItsRows_data();
    void smallPlatformOffersItsRows();
    void deletingEverythingFreesEveryCounter();
    void shutterOutputsStayLocked();
    void logicShowsOwnInputsRedInTheirOwnList();
    void takenChannelsCannotBeChosen();

private:
    static void addPageRows();
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QString info(const Page &page) const { return child<QLabel>(window.get(), page.info)->text(); }
    QListWidget *list(const char *name) const { return child<QListWidget>(window.get(), name); }
    QString title(int index) const
    {
        return child<QToolBox>(window.get(), "toolBox")->itemText(index);
    }
    // Opens the page and saves the given choices as a new function; returns the info text.
    QString saveFunction(const Page &page, const QVector<Choice> &choices);
    void setValue(const Edit &edit);
    QString shownValue(const Edit &edit) const;
    QString shade(QComboBox *list, const QString &text) const;
    void addControlOf(const QString &output, const char *listName);

    std::unique_ptr<MainWindow> window;
};

void IOEditorsTest::addPageRows()
{
    QTest::addColumn<QString>("key");
    for (const QString &key : pages().keys())
        QTest::newRow(qPrintable(key)) << key;
}

QString IOEditorsTest::saveFunction(const Page &page, const QVector<Choice> &choices)
{
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), page.button);
    for (const Choice &choice : choices)
        WindowTest::choose(combo(choice.list), choice.text);
    WindowTest::clickChild(window.get(), page.save);
    return info(page);
}

void IOEditorsTest::setValue(const Edit &edit)
{
    if (auto *spinBox = window->findChild<QSpinBox *>(QString::fromLatin1(edit.widget)))
        spinBox->setValue(edit.value.toInt());
    else
        WindowTest::choose(combo(edit.widget), edit.value);
}

QString IOEditorsTest::shownValue(const Edit &edit) const
{
    if (auto *spinBox = window->findChild<QSpinBox *>(QString::fromLatin1(edit.widget)))
        return QString::number(spinBox->value());
    return combo(edit.widget)->currentText();
}

// "red" for the shown record's own choice, "grey" for one held elsewhere,
// "free" otherwise; anything inconsistent (a red entry that cannot be chosen) is "odd".
QString IOEditorsTest::shade(QComboBox *list, const QString &text) const
{
    const int index = list->findText(text);
    const bool enabled = list->model()->flags(list->model()->index(index, 0)) & Qt::ItemIsEnabled;
    const QVariant brush = list->itemData(index, Qt::ForegroundRole);
    if (!brush.isValid())
        return QLatin1String(enabled ? "free" : "odd");
    const QColor colour = brush.value<QBrush>().color();
    if (colour == QColor(Qt::red) && enabled)
        return QStringLiteral("red");
    return QLatin1String(colour == QColor(Qt::lightGray) && !enabled ? "grey" : "odd");
}

// A Master Off or Welcome function controlling only the given output, as a
// hand-made file may hold it.
void IOEditorsTest::addControlOf(const QString &outputName, const char *listName)
{
    const QString name = QString::fromLatin1(listName) + QLatin1Char('-') + outputName;
    auto control = [&](auto &record) {
        record.name = name;
        for (int n = 1; n <= 8; ++n)
            record.controlOut(n) = QStringLiteral("C%1").arg(n) == outputName
                                       ? QStringLiteral("ENABLE")
                                       : QStringLiteral("DISABLE");
    };
    if (QLatin1String(listName) == QLatin1String("listWidget_Welcome")) {
        WelcomeRecord record;
        control(record);
        welcomeStore().add(record);
    } else {
        MasterOffRecord record;
        control(record);
        record.controlOutC8 = QStringLiteral("ENABLE");
        masterOffStore().add(record);
    }
    list(listName)->addItem(name);
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

void IOEditorsTest::savedFunctionIsExported()
{
    QFETCH(QString, key);
    const Page &page = pages()[key];
    WindowTest::clickChild(window.get(), page.button);
    QCOMPARE(child<QLineEdit>(window.get(), page.nameField)->text(), page.namePrefix + "1");

    QCOMPARE(saveFunction(page, page.choices), QStringLiteral("Saved..."));
    QCOMPARE(title(page.toolBoxIndex), page.savedTitle + "1]");
    QCOMPARE(child<QLineEdit>(window.get(), page.nameField)->text(), page.namePrefix + "2");
    const QJsonObject document = buildProjectDocument("MV211", "v2.0.2", QDateTime());
    const QJsonArray saved = document.value(QLatin1String(page.jsonArray)).toArray();
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().toObject(), QJsonDocument::fromJson(page.json).object());
}

void IOEditorsTest::updateKeepingOwnChoicesPasses()
{
    QFETCH(QString, key);
    const Page &page = pages()[key];
    QCOMPARE(saveFunction(page, page.choices), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(page.list), 0);
    for (const Choice &choice : page.choices) {
        QCOMPARE(combo(choice.list)->currentText(), choice.text);
        QCOMPARE(shade(combo(choice.list), choice.text), QStringLiteral("red"));
    }
    for (const Edit &edit : page.edits)
        setValue(edit);

    DialogSeam::answerNextBox(QMessageBox::Save);
    WindowTest::clickChild(window.get(), page.save);
    QCOMPARE(info(page), QStringLiteral("Saved..."));
    QCOMPARE(list(page.list)->count(), 1);
    QJsonObject expected = QJsonDocument::fromJson(page.json).object();
    WindowTest::clickListItem(list(page.list), 0);
    for (const Edit &edit : page.edits) {
        QCOMPARE(shownValue(edit), edit.value);
        const QJsonValue old = expected.value(QLatin1String(edit.key));
        expected.insert(QLatin1String(edit.key),
                        old.isDouble() ? QJsonValue(edit.value.toInt()) : QJsonValue(edit.value));
    }
    const QJsonObject document = buildProjectDocument("MV211", "v2.0.2", QDateTime());
    QCOMPARE(document.value(QLatin1String(page.jsonArray)).toArray().first().toObject(), expected);
    for (const Choice &choice : page.choices) {
        const InputEntry *input = InputCatalogue::instance().find(choice.text);
        QCOMPARE(input ? input->useCount : output(choice.text)->useCount, ClaimCount(1));
    }
}

void IOEditorsTest::inputHeldElsewhereIsRefused()
{
    QFETCH(QString, key);
    const Page &page = pages()[key];
    WindowTest::clickChild(window.get(), page.button);
    for (const Choice &choice : page.choices)
        WindowTest::choose(combo(choice.list), choice.text);
    // Another function takes the input while the page is open.
    ++InputCatalogue::instance().find(page.choices.first().text)->useCount;
    WindowTest::clickChild(window.get(), page.save);
    QCOMPARE(info(page), page.heldInputText);
    QCOMPARE(list(page.list)->count(), 0);
    QCOMPARE(inputUse(page.choices.first().text), ClaimCount(1));
}

void IOEditorsTest::sameChoiceTwiceIsRefused_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString upDown = QStringLiteral(
        "Can not select the same input or output for up/down control input or outputs!");
    QTest::newRow("shutter inputs") << "Shutter"
                                    << "comboBox_ShutterDownInput"
                                    << "IN3" << upDown;
    QTest::newRow("shutter outputs") << "Shutter"
                                     << "comboBox_ShutterDownOutput"
                                     << "C5" << upDown;
    QTest::newRow("logic inputs 1 and 3") << "Logic"
                                          << "comboBox_LogicInput_3"
                                          << "IN5"
                                          << "Please select different inputs!";
    QTest::newRow("logic inputs 2 and 3") << "Logic"
                                          << "comboBox_LogicInput_3"
                                          << "IN6"
                                          << "Please select different inputs!";
}

void IOEditorsTest::sameChoiceTwiceIsRefused()
{
    QFETCH(QString, key);
    QFETCH(QString, list);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Page &page = pages()[key];
    const QByteArray listName = list.toLatin1();
    QVector<Choice> choices = page.choices;
    choices.append({listName.constData(), text});
    QCOMPARE(saveFunction(page, choices), message);
    QCOMPARE(this->list(page.list)->count(), 0);
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, ClaimCount(0));
}

void IOEditorsTest::deletePrunesOnlyFreedOutputs_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("heldTwice");
    for (const QString &key : pages().keys()) {
        QTest::newRow(qPrintable(key + " alone")) << key << false;
        QTest::newRow(qPrintable(key + " held twice")) << key << true;
    }
}

// Master Off and Welcome stop controlling an output only once no function
// holds it any more; a record left with nothing to control is deleted.
void IOEditorsTest::deletePrunesOnlyFreedOutputs()
{
    QFETCH(QString, key);
    QFETCH(bool, heldTwice);
    const Page &page = pages()[key];
    QCOMPARE(saveFunction(page, page.choices), QStringLiteral("Saved..."));
    const QString pruned = page.choices.at(1).text;
    addControlOf(pruned, "listWidget_MasterOff");
    addControlOf(pruned, "listWidget_Welcome");
    if (heldTwice)
        ++output(pruned)->useCount; // a hand-made file gave it a second holder

    WindowTest::clickListItem(list(page.list), 0);
    WindowTest::clickChild(window.get(), page.remove);
    QCOMPARE(list(page.list)->count(), 0);
    const QString expected = QLatin1String(heldTwice ? "ENABLE" : "DISABLE");
    const int n = pruned.mid(1).toInt();
    QCOMPARE(masterOffStore().records().first().controlOut(n), expected);
    QCOMPARE(masterOffStore().records().first().controlOutC8, QStringLiteral("ENABLE"));
    QCOMPARE(welcomeStore().size(), heldTwice ? 1 : 0);
    QCOMPARE(list("listWidget_Welcome")->count(), heldTwice ? 1 : 0);
}

void IOEditorsTest::smallPlatformOffersItsRows_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("rows");
    const QStringList in{"IN1", "IN2"}, out{"C1"}, channels{"CH1", "CH2"};
    QTest::newRow("digital input") << "DigitalIO"
                                   << "comboBox_DigitalIOInput" << in;
    QTest::newRow("digital output") << "DigitalIO"
                                    << "comboBox_DigitalIOOutput" << out;
    QTest::newRow("logic input 3") << "Logic"
                                   << "comboBox_LogicInput_3" << in;
    QTest::newRow("logic output") << "Logic"
                                  << "comboBox_LogicOutput" << out;
    QTest::newRow("voltage channel") << "VoltageInput"
                                     << "comboBox_ACInputInput" << channels;
    QTest::newRow("voltage output") << "VoltageInput"
                                    << "comboBox_ACInputOutput" << out;
}

void IOEditorsTest::smallPlatformOffersItsRows()
{
    QFETCH(QString, key);
    QFETCH(QString, list);
    QFETCH(QStringList, rows);
    DialogSeam::answerNextBox(QMessageBox::Yes); // in case the change asks to clear
    combo("comboBox_PlatformType")->setCurrentIndex(0);
    DialogSeam::reset();
    WindowTest::clickChild(window.get(), pages()[key].button);
    QComboBox *shown = combo(qPrintable(list));
    QStringList items;
    for (int index = 0; index < shown->count(); ++index)
        items << shown->itemText(index);
    QCOMPARE(items, rows);
}

void IOEditorsTest::deletingEverythingFreesEveryCounter()
{
    for (const Page &page : pages())
        QCOMPARE(saveFunction(page, page.choices), QStringLiteral("Saved..."));
    for (const Page &page : pages()) {
        WindowTest::clickChild(window.get(), page.button);
        WindowTest::clickListItem(list(page.list), 0);
        WindowTest::clickChild(window.get(), page.remove);
        QCOMPARE(title(page.toolBoxIndex), page.deletedTitle + "0]");
        QCOMPARE(child<QLineEdit>(window.get(), page.nameField)->text(), page.namePrefix + "1");
    }
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, ClaimCount(0));
    for (const OutputEntry &entry : OutputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, ClaimCount(0));
}

// Neither Master Off nor Welcome may ever control a motor output, even once
// the shutter is gone and other functions hold the output.
void IOEditorsTest::shutterOutputsStayLocked()
{
    const Page &shutter = pages()["Shutter"];
    QCOMPARE(saveFunction(shutter, shutter.choices), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(shutter.list), 0);
    WindowTest::clickChild(window.get(), shutter.remove);
    for (const char *name : {"C5", "C6", "C7"})
        ++output(name)->useCount;

    WindowTest::clickChild(window.get(), "WelcomeButton");
    QVERIFY(!child<QWidget>(window.get(), "checkBox_WelcomeOutputC5")->isEnabled());
    QVERIFY(!child<QWidget>(window.get(), "checkBox_WelcomeOutputC6")->isEnabled());
    QVERIFY(child<QWidget>(window.get(), "checkBox_WelcomeOutputC7")->isEnabled());
    for (const char *name : {"C5", "C6"}) {
        QCOMPARE(int(output(name)->masterOffLocked), 1);
        QCOMPARE(int(output(name)->welcomeLocked), 1);
    }
}

void IOEditorsTest::logicShowsOwnInputsRedInTheirOwnList()
{
    ++InputCatalogue::instance().find("IN1")->useCount; // held by another function
    const Page &logic = pages()["Logic"];
    QCOMPARE(saveFunction(logic, logic.choices), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(logic.list), 0);
    const QVector<QStringList> expected{{"grey", "red", "grey", "free"},
                                        {"grey", "grey", "red", "free"},
                                        {"grey", "grey", "grey", "free"}};
    const char *lists[] = {"comboBox_LogicInput_1", "comboBox_LogicInput_2",
                           "comboBox_LogicInput_3"};
    for (int k = 0; k < 3; ++k) {
        QStringList shades;
        for (const char *input : {"IN1", "IN5", "IN6", "IN7"})
            shades << shade(combo(lists[k]), input);
        QCOMPARE(shades, expected[k]);
    }
    QCOMPARE(combo("comboBox_LogicInput_3")->currentIndex(), -1);
}

void IOEditorsTest::takenChannelsCannotBeChosen()
{
    const Page &voltage = pages()["VoltageInput"];
    QCOMPARE(saveFunction(voltage, voltage.choices), QStringLiteral("Saved..."));
    QCOMPARE(
        saveFunction(voltage, {{"comboBox_ACInputInput", "CH2"}, {"comboBox_ACInputOutput", "C7"}}),
        QStringLiteral("Saved..."));
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), voltage.button);
    QCOMPARE(shade(combo("comboBox_ACInputInput"), "CH1"), QStringLiteral("grey"));
    QCOMPARE(shade(combo("comboBox_ACInputInput"), "CH2"), QStringLiteral("grey"));
    WindowTest::choose(combo("comboBox_ACInputOutput"), "C8");
    WindowTest::clickChild(window.get(), voltage.save);
    QCOMPARE(info(voltage), QStringLiteral("Please select input and output!"));
    QCOMPARE(voltageInputStore().size(), 2);
}

QTEST_MAIN(IOEditorsTest)
#include "tst_ioeditors.moc"
