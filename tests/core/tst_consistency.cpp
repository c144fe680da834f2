#include "model/catalogue.h"
#include "model/consistency.h"
#include "model/stores.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QtTest>
#include <functional>

namespace
{

// What the window would show if every list and title followed its store.
ShownWindow shownAsStored()
{
    ShownWindow shown;
    forEachStore([&shown](FunctionType type, const auto &store) {
        for (const auto &record : store)
            shown[int(type)].names << record.name;
        shown[int(type)].title = QStringLiteral("x [%1]").arg(store.size());
    });
    return shown;
}

template <typename Record> void save(FunctionStore<Record> &store, const Record &record)
{
    store.add(record);
    addClaims(record);
}

OutputEntry &output(const char *name)
{
    return *OutputCatalogue::instance().find(name);
}

// A free input and output for functions added by a row: the sample holds all of C1..C8.
const QString freeInput = QStringLiteral("IN12");
const QString freeOutput = QStringLiteral("C13");

// One kind of disagreement: a change to stores and catalogues, or to what
// the window shows of them.
struct Breakage {
    const char *tag;
    std::function<void()> breakProject;
    std::function<void(ShownWindow &)> breakWindow;
    QStringList findings;
};

const QVector<Breakage> &breakages()
{
    static const QVector<Breakage> rows{
        {"input counter",
         [] { ++InputCatalogue::instance().find("IN3")->useCount; },
         {},
         {"input IN3: useCount is 2, but saved functions claim it 1 time(s)"}},
        {"output counter",
         [] { output("C6").useCount = 0; },
         {},
         {"output C6: useCount is 0, but saved functions claim it 1 time(s)"}},
        {"pulse counter",
         [] { output("C1").pulseUseCount = 2; },
         {},
         {"output C1: pulseUseCount is 2, but saved functions claim it 1 time(s)"}},
        {"lock missing",
         [] { output("C4").welcomeLocked = 0; },
         {},
         {"Shutter \"Blind-1\": holds C4, which is not locked against Master Off and Welcome"}},
        {"input of another function",
         [] {
             save(digitalIOStore(), {"Spare", "IN3", "50 ms", freeOutput, "NO", 0, 0});
         },
         {},
         {"DigitalIO \"Spare\": input IN3 also held by Shutter \"Blind-1\""}},
        {"input twice in one function",
         [] {
             save(logicStore(), {"Twice", freeInput, "", "", "", freeInput, "", "", "", "", "", "",
                                 "", freeOutput, "AND", 0, 0});
         },
         {},
         {"Logic \"Twice\": input IN12 held twice"}},
        {"output of an ON/OFF function",
         [] {
             save(lightingStore(), {"Pulse", freeInput, "50 ms", "PULSE", "Active", "", "C2", "",
                                    "", "", "", "", ""});
         },
         {},
         {"Lighting \"Pulse\": output C2 also held by Lighting \"Küche Licht\"; only \"PULSE\" "
          "Lighting functions share an output"}},
        {"PULSE outputs shared",
         [] {
             save(lightingStore(), {"Pulse", freeInput, "50 ms", "PULSE", "Active", "C1", "", "",
                                    "", "", "", "", ""});
         },
         {},
         {}},
        {"Master Off and Welcome on a free output",
         [] { releaseVoltageInputRecords(); },
         {},
         {"MasterOff \"Master Off-2\": controls C8, which no function holds",
          "Welcome \"Welcome-1\": controls C8, which no function holds"}},
        {"Welcome on a locked output",
         [] { welcomeStore().find("Welcome-1")->controlOut(4) = "ENABLE"; },
         {},
         {"Welcome \"Welcome-1\": controls C4, which is locked against Welcome"}},
        {"list order",
         {},
         [](ShownWindow &shown) { shown[int(FunctionType::Lighting)].names.swapItemsAt(0, 1); },
         {"Lighting: the list shows \"Küche Licht\", \"Hall Lights\", the store holds "
          "\"Hall Lights\", \"Küche Licht\""}},
        {"list missing a name",
         {},
         [](ShownWindow &shown) {
             shown[int(FunctionType::Welcome)] = {{}, "Welcome"};
         },
         {"Welcome: the list shows nothing, the store holds \"Welcome-1\""}},
        {"title count",
         {},
         [](ShownWindow &shown) { shown[int(FunctionType::AirCon)].title = "AirCon [3]"; },
         {"AirConditioner: the toolbox title \"AirCon [3]\" counts 3, the list shows 2"}},
    };
    return rows;
}

} // namespace

class ConsistencyTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetToBlankProject();
        SampleProject::fill();
        SampleProject::claim();
    }
    void cleanupTestCase() { resetToBlankProject(); }

    void sampleProjectIsConsistent();
    void eachKindOfDisagreementIsFound_data();
    void eachKindOfDisagreementIsFound();
};

void ConsistencyTest::sampleProjectIsConsistent()
{
    QCOMPARE(checkConsistency(shownAsStored()), QStringList());
    releaseAllRecords();
    QCOMPARE(checkConsistency(shownAsStored()), QStringList());
}

void ConsistencyTest::eachKindOfDisagreementIsFound_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < breakages().size(); ++row)
        QTest::newRow(breakages().at(row).tag) << row;
}

void ConsistencyTest::eachKindOfDisagreementIsFound()
{
    QFETCH(int, row);
    const Breakage &breakage = breakages().at(row);
    if (breakage.breakProject)
        breakage.breakProject();
    ShownWindow shown = shownAsStored();
    if (breakage.breakWindow)
        breakage.breakWindow(shown);
    QCOMPARE(checkConsistency(shown), breakage.findings);
}

QTEST_APPLESS_MAIN(ConsistencyTest)

#include "tst_consistency.moc"
