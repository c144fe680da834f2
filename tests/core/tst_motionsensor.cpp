#include "model/motionsensor.h"
#include "model/stores.h"
#include "tests/support/blankproject.h"

#include <QtTest>

using MotionSensor::Owner;

// The Energy Saving and Air Conditioner functions share one motion sensor.
class MotionSensorTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetToBlankProject(); }
    void otherFunctionsFollowThePage_data();
    void otherFunctionsFollowThePage();
};

void MotionSensorTest::otherFunctionsFollowThePage_data()
{
    QTest::addColumn<QString>("stored");      // debounce and contact type of both saved functions
    QTest::addColumn<QString>("savedAirCon"); // the Air Conditioner being saved
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("expected"); // Energy Saving, then Air Conditioner
    QTest::newRow("same") << "50 ms/NC"
                          << "new" << true << "50 ms/NC 50 ms/NC";
    QTest::newRow("debounce differs") << "100 ms/NC"
                                      << "new" << true << "50 ms/NC 50 ms/NC";
    QTest::newRow("contact differs") << "50 ms/NO"
                                     << "new" << true << "50 ms/NC 50 ms/NC";
    QTest::newRow("declined") << "100 ms/NO"
                              << "new" << false << "100 ms/NO 100 ms/NO";
    QTest::newRow("not stored") << "/"
                                << "new" << true << "/ /";
    QTest::newRow("own copy") << "100 ms/NC"
                              << "AC" << true << "50 ms/NC 100 ms/NC";
}

void MotionSensorTest::otherFunctionsFollowThePage()
{
    QFETCH(QString, stored);
    QFETCH(QString, savedAirCon);
    QFETCH(bool, agree);
    QFETCH(QString, expected);
    const QStringList motion = stored.split('/');
    energySavingStore().add(
        {"ES", "", "", "", "", "", "", "", motion[1], motion[0], 0, "", "", 0, 0});
    airConStore().add({motion[0], motion[1], "AC", "", "", "", "", "", "", "", "", "", 0, 0, 0});

    bool asked = false;
    const bool kept = MotionSensor::keepOthersInStep(Owner::AirCon, savedAirCon, {"50 ms", "NC"},
                                                     [&] { return asked = true, agree; });
    QCOMPARE(kept, agree);
    QCOMPARE(asked, stored != "50 ms/NC" && stored != "/");
    const EnergySavingRecord *es = energySavingStore().find("ES");
    const AirConRecord *ac = airConStore().find("AC");
    QCOMPARE(QStringList({es->MotionSensorDebounceTime + '/' + es->MotionSensorContactType,
                          ac->MotionSensorDebounceTime + '/' + ac->MotionSensorContactType})
                 .join(' '),
             expected);
}

QTEST_APPLESS_MAIN(MotionSensorTest)
#include "tst_motionsensor.moc"
