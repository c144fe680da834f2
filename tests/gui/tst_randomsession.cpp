#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/version.h"
#include "project/envelope.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using SampleProject::Snapshot;
using WindowTest::child;

namespace
{

constexpr quint32 defaultSeed = 800;
constexpr int defaultActions = 4000;
// How much of the action log a failure report shows.
constexpr int loggedActions = 50;

const char *const pageButtons[] = {"HomeButton",       "WelcomeButton",  "MasterOffButton",
                                   "CardHolderButton", "DndMurButton",   "AirConButton",
                                   "AcInputButton",    "lightingButton", "shutterButton",
                                   "DigitalioButton",  "LogicButton"};

quint32 environmentNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qgetenv(name).toUInt(&ok);
    return ok ? value : fallback;
}

QStringList shownNames(const ShownWindow &shown)
{
    QStringList names;
    for (const ShownType &type : shown)
        names << type.names.join(QLatin1Char('|'));
    return names;
}

QJsonObject projectDocument(const QString &platform)
{
    return buildProjectDocument(platform, programVersion(), Clock::now());
}

QStringList differences(const QJsonObject &before, const QJsonObject &after)
{
    QStringList lines;
    for (const Difference &difference : diffProjects(before, after))
        lines << QStringLiteral("  ") + difference.toString();
    return lines;
}

template <typename T> bool usable(const T *widget)
{
    return widget->isVisible() && widget->isEnabled();
}

bool itemEnabled(const QComboBox *combo, int index)
{
    return combo->model()->flags(combo->model()->index(index, 0)) & Qt::ItemIsEnabled;
}

} // namespace

// Thousands of random user actions on the real window. After each one the
// stores, catalogues, lists and titles must agree, and check find nothing in
// the room; a question answered with Cancel must change nothing; an exported
// file must import as the very same project; a broken file must be refused
// without a trace. The run is fixed by its seed, so a failure is replayed
// with the seed and count it reports.
class RandomSession
{
public:
    explicit RandomSession(quint32 seed) : seed(seed), random(seed) {}

    // Empty when every action went well, else the report of the first failure.
    QString run(int actions);

private:
    using Action = QStringList (RandomSession::*)();

    QStringList openPageByButton();
    QStringList openListItem();
    QStringList chooseInCombo();
    QStringList tickBox();
    QStringList setSpinBox();
    QStringList typeName();
    QStringList save();
    QStringList fillFormThenSave();
    QStringList deleteShown();
    QStringList saveSavedUnchanged();
    QStringList clearAll();
    QStringList changePlatform();
    QStringList restart();
    QStringList exportThenImport();
    QStringList importEarlierExport();
    QStringList importBrokenFile();
    QStringList undoOrRedo();
    QStringList walkHistory();

    QUndoStack *history() const { return window->findChild<QUndoStack *>(); }
    // Takes a step back or forth through the Edit menu; false when there is none.
    bool moveInHistory(const char *actionName);
    // After each action: a new step or a new history is remembered; otherwise,
    // undone, redone or left alone, the project must be the one first seen at
    // this place in the history.
    QStringList followHistory();

    // A file exported during the session, with the project it holds.
    struct Export {
        QString path;
        Snapshot records;
        QString platform;
        QJsonObject document;
    };
    // Imports it and reports where the result differs from what was exported.
    QStringList importExport(const Export &exported);

    void openWindow();
    QWidget *shownPage() const;
    template <typename T> QList<T *> usableOnPage() const;
    QAbstractButton *pageButton(const QString &suffix) const;
    QString platform() const;
    void chooseIn(QComboBox *combo);
    void tick(QCheckBox *box);
    int pick(int count) { return int(random.bounded(quint32(count))); }
    QMessageBox::StandardButton yesOr(QMessageBox::StandardButton yes)
    {
        return pick(3) ? yes : QMessageBox::Cancel;
    }
    // Runs an action that may ask questions, with the given answers queued.
    // An answer taken as Cancel must leave records and lists as they were.
    QStringList answering(const QVector<QMessageBox::StandardButton> &answers,
                          const std::function<void()> &action);
    // Lets unexported work go when asked, imports, and returns the boxes after that question.
    QList<DialogSeam::ShownBox> importFile(const QString &path, bool refusalExpected = false);
    void note(const QString &line);
    QString report(const QStringList &problems) const;

    const quint32 seed;
    QRandomGenerator random;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
    QVector<Export> exports; // the last few

    // The name each page last proposed when opened by its button.
    QHash<const QWidget *, QString> proposed;
    QStringList log; // one line per action that did something
    int loggedStep = -1;
    int step = 0;
    int actionCount = 0;
    // The export at each place in the history, as first reached.
    QVector<QJsonObject> seen;
    int seenIndex = 0;
    bool moved = false; // by undo or redo since the history was last followed
};

QString RandomSession::run(int actions)
{
    // Actions that empty the project are rare, so that projects grow between them.
    static const std::pair<Action, int> weighted[] = {{&RandomSession::openPageByButton, 150},
                                                      {&RandomSession::openListItem, 110},
                                                      {&RandomSession::chooseInCombo, 300},
                                                      {&RandomSession::tickBox, 200},
                                                      {&RandomSession::setSpinBox, 40},
                                                      {&RandomSession::typeName, 100},
                                                      {&RandomSession::save, 150},
                                                      {&RandomSession::fillFormThenSave, 200},
                                                      {&RandomSession::deleteShown, 20},
                                                      {&RandomSession::saveSavedUnchanged, 40},
                                                      {&RandomSession::clearAll, 1},
                                                      {&RandomSession::changePlatform, 1},
                                                      {&RandomSession::restart, 1},
                                                      {&RandomSession::exportThenImport, 30},
                                                      {&RandomSession::importEarlierExport, 10},
                                                      {&RandomSession::importBrokenFile, 10},
                                                      {&RandomSession::undoOrRedo, 100},
                                                      {&RandomSession::walkHistory, 5}};
    int total = 0;
    for (const auto &action : weighted)
        total += action.second;

    actionCount = actions;
    Clock::fix(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    WindowTest::resetProject();
    DialogSeam::startScripting();
    DialogSeam::reset();
    openWindow();
    for (step = 0; step < actions; ++step) {
        int draw = pick(total);
        int chosen = 0;
        while (draw >= weighted[chosen].second)
            draw -= weighted[chosen++].second;
        // Copied first: GCC's bounds sanitizer misreads a member call through an array element.
        const Action action = weighted[chosen].first;
        QStringList problems = (this->*action)();
        if (DialogSeam::unexpectedCalls() > 0)
            problems << QStringLiteral("a dialog came up that no answer was queued for") +
                            (DialogSeam::shownBoxes().isEmpty()
                                 ? QString()
                                 : QStringLiteral(": ") + DialogSeam::shownBoxes().last().text);
        problems << WindowTest::findings(window.get()) << followHistory()
                 << WindowTest::roomFindings(window.get());
        DialogSeam::reset();
        if (!problems.isEmpty())
            return report(problems);
    }
    window.reset();
    Clock::release();
    return QString();
}

void RandomSession::note(const QString &line)
{
    if (!log.isEmpty() && loggedStep == step) {
        log.last() += QStringLiteral("; ") + line;
        return;
    }
    log << QStringLiteral("#%1 %2").arg(step).arg(line);
    loggedStep = step;
    if (log.size() > 2 * loggedActions) // long runs keep only the tail
        log = log.mid(loggedActions);
}

QString RandomSession::report(const QStringList &problems) const
{
    return QStringLiteral("seed %1, action %2 of %3 failed (replay with ZAREN_RANDOM_SEED=%1 "
                          "ZAREN_RANDOM_ACTIONS=%4):\n%5\nlast actions:\n%6")
        .arg(seed)
        .arg(step)
        .arg(actionCount)
        .arg(step + 1)
        .arg(problems.join(QLatin1Char('\n')), log.mid(log.size() - loggedActions).join('\n'));
}

void RandomSession::openWindow()
{
    window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not exposed");
}

QWidget *RandomSession::shownPage() const
{
    return child<QStackedWidget>(window.get(), "stackedWidget")->currentWidget();
}

template <typename T> QList<T *> RandomSession::usableOnPage() const
{
    QList<T *> found;
    for (T *widget : shownPage()->findChildren<T *>()) {
        if (usable(widget))
            found << widget;
    }
    return found;
}

// The Save or Delete button of the page shown, if it has one.
QAbstractButton *RandomSession::pageButton(const QString &suffix) const
{
    for (QPushButton *button : usableOnPage<QPushButton>()) {
        if (button->objectName().endsWith(suffix))
            return button;
    }
    return nullptr;
}

QString RandomSession::platform() const
{
    return child<QComboBox>(window.get(), "comboBox_PlatformType")->currentText();
}

QStringList RandomSession::answering(const QVector<QMessageBox::StandardButton> &answers,
                                     const std::function<void()> &action)
{
    const Snapshot records;
    const QStringList names = shownNames(WindowTest::shownWindow(window.get()));
    const QString platformBefore = platform();
    const QJsonObject before = projectDocument(platformBefore);
    for (QMessageBox::StandardButton answer : answers)
        DialogSeam::answerNextBox(answer);
    action();

    bool declined = false;
    const QList<DialogSeam::ShownBox> &asked = DialogSeam::shownBoxes();
    for (int i = 0; i < asked.size() && i < answers.size(); ++i) {
        declined = declined || answers[i] == QMessageBox::Cancel;
        note(QStringLiteral("asked \"%1\": %2")
                 .arg(asked[i].text, answers[i] == QMessageBox::Cancel ? "Cancel" : "yes"));
    }
    if (!declined || (records == Snapshot() && platform() == platformBefore &&
                      names == shownNames(WindowTest::shownWindow(window.get()))))
        return {};
    return QStringList(QStringLiteral("answered Cancel, yet the project changed:")) +
           differences(before, projectDocument(platform()));
}

QStringList RandomSession::openPageByButton()
{
    QList<QAbstractButton *> buttons;
    for (const char *name : pageButtons) {
        QAbstractButton *button = child<QAbstractButton>(window.get(), name);
        if (button->isEnabled())
            buttons << button;
    }
    QAbstractButton *button = buttons.at(pick(buttons.size()));
    note(QStringLiteral("page button ") + button->objectName());
    const QWidget *before = shownPage();
    WindowTest::click(button);
    const QList<QLineEdit *> fields = usableOnPage<QLineEdit>();
    if (shownPage() != before && !fields.isEmpty()) // a page already shown keeps its edits
        proposed.insert(shownPage(), fields.first()->text());
    return {};
}

QStringList RandomSession::openListItem()
{
    QVector<int> filled;
    for (int type = 0; type < functionTypeCount; ++type) {
        if (child<QListWidget>(window.get(), WindowTest::typeLists[type])->count() > 0)
            filled << type;
    }
    if (filled.isEmpty())
        return {};
    const int type = filled.at(pick(filled.size()));
    QListWidget *list = child<QListWidget>(window.get(), WindowTest::typeLists[type]);
    const int row = pick(list->count());
    note(QStringLiteral("list %1 row %2 \"%3\"")
             .arg(list->objectName())
             .arg(row)
             .arg(list->item(row)->text()));
    child<QToolBox>(window.get(), "toolBox")->setCurrentIndex(type);
    list->scrollToItem(list->item(row));
    WindowTest::clickListItem(list, row);
    if (list->currentRow() != row)
        return {QStringLiteral("the click did not select row %1").arg(row)};
    return {};
}

void RandomSession::chooseIn(QComboBox *combo)
{
    QVector<int> enabled;
    for (int index = 0; index < combo->count(); ++index) {
        if (itemEnabled(combo, index))
            enabled << index;
    }
    if (enabled.isEmpty())
        return;
    const int index = enabled.at(pick(enabled.size()));
    note(QStringLiteral("choose %1 = %2").arg(combo->objectName(), combo->itemText(index)));
    combo->setCurrentIndex(index);
}

void RandomSession::tick(QCheckBox *box)
{
    note(QStringLiteral("tick %1 (was %2)").arg(box->objectName()).arg(box->isChecked()));
    WindowTest::click(box);
}

QStringList RandomSession::chooseInCombo()
{
    QList<QComboBox *> combos = usableOnPage<QComboBox>();
    if (!combos.isEmpty())
        chooseIn(combos.at(pick(combos.size())));
    return {};
}

QStringList RandomSession::tickBox()
{
    QList<QCheckBox *> boxes = usableOnPage<QCheckBox>();
    if (!boxes.isEmpty())
        tick(boxes.at(pick(boxes.size())));
    return {};
}

QStringList RandomSession::setSpinBox()
{
    QList<QSpinBox *> spinBoxes = usableOnPage<QSpinBox>();
    if (spinBoxes.isEmpty())
        return {};
    QSpinBox *spinBox = spinBoxes.at(pick(spinBoxes.size()));
    const int values[] = {spinBox->minimum(), spinBox->maximum(),
                          int(random.bounded(spinBox->minimum(), spinBox->maximum() + 1))};
    const int value = values[pick(3)];
    note(QStringLiteral("set %1 = %2").arg(spinBox->objectName()).arg(value));
    spinBox->setValue(value);
    return {};
}

QStringList RandomSession::typeName()
{
    QList<QLineEdit *> fields = usableOnPage<QLineEdit>();
    if (fields.isEmpty())
        return {};
    QStringList existing;
    for (const ShownType &type : WindowTest::shownWindow(window.get()))
        existing << type.names;
    QStringList names = {QString(),
                         QStringLiteral("   "),
                         QStringLiteral("Eighteen chars 18x"),
                         QString::fromUtf8("Küche Ωmega 灯"),
                         QStringLiteral(" Padded "),
                         QStringLiteral("Name-%1").arg(pick(6))};
    if (!existing.isEmpty())
        names << existing.at(pick(existing.size()));
    if (proposed.contains(shownPage()))
        names << proposed.value(shownPage());
    const QString name = names.at(pick(names.size()));
    note(QStringLiteral("type name \"%1\"").arg(name));
    fields.first()->setText(name);
    return {};
}

QStringList RandomSession::save()
{
    QAbstractButton *button = pageButton(QStringLiteral("Save"));
    if (!button)
        return {};
    note(QStringLiteral("save ") + button->objectName());
    // An update asks first, then the motion sensor's settings may ask again.
    return answering({yesOr(QMessageBox::Save), yesOr(QMessageBox::Save)},
                     [button] { WindowTest::click(button); });
}

// Random actions alone seldom complete a form; a user fills most of it at once.
QStringList RandomSession::fillFormThenSave()
{
    for (QCheckBox *box : usableOnPage<QCheckBox>()) {
        if (pick(2) == 0)
            tick(box);
    }
    for (QComboBox *combo : usableOnPage<QComboBox>()) {
        if (usable(combo) && (combo->currentIndex() < 0 || pick(2) == 0))
            chooseIn(combo);
    }
    return save();
}

QStringList RandomSession::deleteShown()
{
    QAbstractButton *button = pageButton(QStringLiteral("Delete"));
    if (!button)
        return {};
    note(QStringLiteral("delete ") + button->objectName());
    WindowTest::click(button);
    return {};
}

// A saved function opened and saved at once comes back as it was. With its
// motion sensor off, an Air Conditioner saves that sensor's defaults.
QStringList RandomSession::saveSavedUnchanged()
{
    openListItem();
    const int type = child<QToolBox>(window.get(), "toolBox")->currentIndex();
    const QListWidgetItem *item =
        child<QListWidget>(window.get(), WindowTest::typeLists[type])->currentItem();
    if (!item)
        return {};
    const QString name = item->text();
    const AirConRecord *airCon = airConStore().find(name);
    const bool motionOff = airCon && airCon->MotionSensorEnableDisable == QLatin1String("DISABLE");
    const QJsonObject before = projectDocument(platform());
    QStringList problems = save();
    for (const Difference &difference : diffProjects(before, projectDocument(platform()))) {
        if (difference.type == typeLabel(FunctionType(type)) && difference.name == name &&
            !(motionOff && difference.field.startsWith(QLatin1String("MotionSensor"))))
            problems << QStringLiteral("saved unchanged, yet ") + difference.toString();
    }
    return problems;
}

QStringList RandomSession::clearAll()
{
    note(QStringLiteral("clear all"));
    return answering({yesOr(QMessageBox::Yes)},
                     [this] { WindowTest::clickChild(window.get(), "SettingsButton"); });
}

QStringList RandomSession::changePlatform()
{
    QComboBox *combo = child<QComboBox>(window.get(), "comboBox_PlatformType");
    const int other = 1 - combo->currentIndex();
    note(QStringLiteral("platform ") + combo->itemText(other));
    return answering({yesOr(QMessageBox::Yes)}, [combo, other] { combo->setCurrentIndex(other); });
}

// As the restart loop does it: the old window ends the loop, a new one is built.
QStringList RandomSession::restart()
{
    note(QStringLiteral("restart"));
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("Restart"))
            action->trigger();
    }
    window.reset();
    openWindow();
    return {};
}

QList<DialogSeam::ShownBox> RandomSession::importFile(const QString &path, bool refusalExpected)
{
    const int asked = window->hasUnexportedWork() ? 1 : 0;
    if (asked)
        DialogSeam::answerNextBox(QMessageBox::Discard);
    if (refusalExpected)
        DialogSeam::answerNextBox(QMessageBox::Ok);
    DialogSeam::answerNextFileName(path);
    WindowTest::clickChild(window.get(), "ImportButton");
    return DialogSeam::shownBoxes().mid(asked);
}

QStringList RandomSession::exportThenImport()
{
    note(QStringLiteral("export, then import the file"));
    const QString path = dir.filePath(QStringLiteral("export-%1.rccfg").arg(step % 4));
    const Export exported{path, Snapshot(), platform(), projectDocument(platform())};
    DialogSeam::answerNextFileName(path);
    WindowTest::clickChild(window.get(), "ExportButton");
    if (!DialogSeam::shownBoxes().isEmpty())
        return {QStringLiteral("export failed: ") + DialogSeam::shownBoxes().first().text};
    exports.erase(std::remove_if(exports.begin(), exports.end(),
                                 [&path](const Export &old) { return old.path == path; }),
                  exports.end());
    exports.append(exported);
    return importExport(exported);
}

// A file read back later, after the project has moved on, must still give
// exactly the project that was exported.
QStringList RandomSession::importEarlierExport()
{
    if (exports.isEmpty())
        return {};
    const Export &earlier = exports.at(pick(exports.size()));
    note(QStringLiteral("import the earlier export ") + earlier.path.section('/', -1));
    return importExport(earlier);
}

QStringList RandomSession::importExport(const Export &exported)
{
    const QList<DialogSeam::ShownBox> boxes = importFile(exported.path);
    QStringList problems;
    if (!boxes.isEmpty())
        problems << QStringLiteral("the exported file was refused: ") + boxes.first().text;
    if (platform() != exported.platform)
        problems << QStringLiteral("import selected the platform ") + platform();
    if (!(exported.records == Snapshot()))
        problems << QStringLiteral("import did not give back the exported project:")
                 << differences(exported.document, projectDocument(platform()));
    return problems;
}

QStringList RandomSession::importBrokenFile()
{
    QByteArray bytes = projectText(projectDocument(platform()));
    const int kind = pick(4);
    switch (kind) {
    case 0: // another program version, otherwise sound
        bytes.replace(programVersion().toUtf8(), "v0.0.0");
        encryptProjectData(bytes);
        break;
    case 1: // cut short
        encryptProjectData(bytes);
        bytes.truncate(pick(bytes.size() - 16));
        break;
    case 2: // not enciphered and cut short in whole blocks: noise deciphered, no JSON as it stands
        bytes.truncate(16 * (1 + pick(bytes.size() / 16 - 1)));
        break;
    default: // noise in whole blocks
        bytes.resize(16 * (1 + pick(8)));
        for (char &byte : bytes)
            byte = char(pick(256));
    }
    note(QStringLiteral("import a broken file (kind %1, %2 bytes)").arg(kind).arg(bytes.size()));
    const QString path = dir.filePath(QStringLiteral("broken.rccfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {QStringLiteral("cannot write ") + path};
    file.close();

    const Snapshot records;
    const ShownWindow shown = WindowTest::shownWindow(window.get());
    const QString platformBefore = platform();
    const int boxes = importFile(path, true).size();
    const ShownWindow after = WindowTest::shownWindow(window.get());
    QStringList problems;
    if (boxes != 1)
        problems << QStringLiteral("the broken file was not refused");
    if (!(records == Snapshot()) || platform() != platformBefore)
        problems << QStringLiteral("a refused file changed the project");
    for (int type = 0; type < functionTypeCount; ++type) {
        if (after[type].names != shown[type].names || after[type].title != shown[type].title)
            problems << QStringLiteral("a refused file changed the list ") +
                            WindowTest::typeLists[type];
    }
    return problems;
}

bool RandomSession::moveInHistory(const char *actionName)
{
    QAction *action = child<QAction>(window.get(), actionName);
    if (!action->isEnabled())
        return false;
    note(action->text());
    action->trigger();
    moved = true;
    return true;
}

QStringList RandomSession::undoOrRedo()
{
    moveInHistory(pick(5) < 3 ? "actionUndo" : "actionRedo");
    return {};
}

// Back to the start of the history, forth to its end and back to where it was.
QStringList RandomSession::walkHistory()
{
    const int start = history()->index();
    QStringList problems;
    for (const int target : {0, history()->count(), start}) {
        while (problems.isEmpty() && history()->index() != target &&
               moveInHistory(history()->index() > target ? "actionUndo" : "actionRedo"))
            problems << WindowTest::findings(window.get()) << followHistory()
                     << WindowTest::roomFindings(window.get());
    }
    return problems;
}

QStringList RandomSession::followHistory()
{
    const QUndoStack *steps = history();
    const int index = steps->index();
    const QJsonObject now = projectDocument(platform());
    const bool pushed = !std::exchange(moved, false) && index != seenIndex;
    seenIndex = index;
    if (steps->count() == 0 || pushed) {
        seen.resize(index);
        seen << now;
        return {};
    }
    if (index >= seen.size())
        return {QStringLiteral("the history is at %1 of %2 places").arg(index).arg(seen.size())};
    const QStringList changed = differences(seen.at(index), now);
    if (changed.isEmpty())
        return {};
    return QStringList(QStringLiteral("at %1 in the history the project is not the one first "
                                      "seen there:")
                           .arg(index)) +
           changed;
}

class RandomSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomActionsKeepTheProjectConsistent();
};

void RandomSessionTest::initTestCase()
{
    // Restart and export write to the debug stream; thousands of them are noise.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void RandomSessionTest::randomActionsKeepTheProjectConsistent()
{
    const quint32 seed = environmentNumber("ZAREN_RANDOM_SEED", defaultSeed);
    const int actions = int(environmentNumber("ZAREN_RANDOM_ACTIONS", defaultActions));
    RandomSession session(seed);
    const QString failure = session.run(actions);
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
    qInfo("seed %u: %d actions clean", seed, actions);
}

QTEST_MAIN(RandomSessionTest)
#include "tst_randomsession.moc"
