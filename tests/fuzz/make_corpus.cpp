#include "model/stores.h"
#include "project/aes.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>
#include <functional>

// Writes the seed corpus of the project file fuzzer into the folder given:
// files written by our export code from real configurations of every type,
// and files broken by hand in the ways a reader must survive. The output is
// committed; run again only to change the seeds.

namespace
{

const QString version = QStringLiteral("v2.0.2");
const QString on = QStringLiteral("ENABLE"), off = QStringLiteral("DISABLE");

QDir target;

void write(const QString &name, const QByteArray &bytes)
{
    QFile file(target.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

QJsonObject exportedDocument(const QString &platform = QStringLiteral("MV211"))
{
    return buildProjectDocument(platform, version, QDateTime(QDate(2026, 12, 8), QTime(10, 15)));
}

QByteArray enciphered(QByteArray text)
{
    encryptProjectData(text);
    return text;
}

// Plain JSON is read as it stands, whatever its length.
QByteArray plain(const QJsonObject &document)
{
    return projectText(document);
}

// Exports what fill puts into the emptied stores.
void writeExport(const QString &name, const std::function<void()> &fill,
                 const QString &platform = QStringLiteral("MV211"))
{
    resetToBlankProject();
    fill();
    write(name, enciphered(projectText(exportedDocument(platform))));
}

void writeExports()
{
    writeExport("export-empty.rccfg", [] {});
    writeExport("export-sample.rccfg", SampleProject::fill);
    writeExport("export-sample-mv210.rccfg", SampleProject::fill, "MV210");
    writeExport("export-lighting.rccfg", [] {
        lightingStore().add(
            {"Hall", "IN1", "50 ms", "PULSE", "Active", "C1", "C2", "", "", "", "", "", ""});
        lightingStore().add(
            {"Hall 2", "IN2", "3000 ms", "PULSE", "Passive", "C1", "", "", "", "", "", "", "C8"});
        lightingStore().add(
            {"Desk", "IN13", "20 ms", "ON/OFF", "", "", "", "", "", "C5", "", "", ""});
    });
    writeExport("export-shutter.rccfg", [] {
        shutterStore().add({"Blind-1", "IN1", "50 ms", "C1", "IN2", "50 ms", "C2", 5, 300});
        shutterStore().add({"Blind-2", "IN3", "2000 ms", "C3", "IN4", "20 ms", "C4", 600, 20000});
    });
    writeExport("export-digitalio.rccfg", [] {
        digitalIOStore().add({"Door", "IN1", "50 ms", "C1", "NO", 0, 0});
        digitalIOStore().add({"Fan", "IN2", "750 ms", "C2", "NC", 999999, 1});
    });
    writeExport("export-logic.rccfg", [] {
        logicStore().add({"Two", "IN1", "50 ms", "Normal", "ON/OFF", "IN2", "50 ms", "Inverted",
                          "PULSE", "", "50 ms", "Normal", "ON/OFF", "C1", "AND", 0, 0});
        logicStore().add({"Three", "IN3", "20 ms", "Inverted", "PULSE", "IN4", "30 ms", "Normal",
                          "ON/OFF", "IN5", "40 ms", "Inverted", "PULSE", "C2", "NOR", 9, 99});
    });
    writeExport("export-voltageinput.rccfg", [] {
        voltageInputStore().add({"Voltage-1", "CH1", "50 ms", "C1", 0, 5});
        voltageInputStore().add({"Voltage-2", "CH2", "100 ms", "C2", 7, 0});
    });
    writeExport("export-energysaving.rccfg", [] {
        energySavingStore().add({"Energy Saving-1", "ENABLE", "IN21", "50 ms", "PULSE", "NC",
                                 "ENABLE", "SensorInput", "NO", "75 ms", 60, "IN1", "50 ms", 10,
                                 600});
    });
    writeExport("export-aircon.rccfg", [] {
        airConStore().add({"50 ms", "NC", "AC-1", "ENABLE", "AIR C. IN1", "NC", "50 ms", "ENABLE",
                           "Sensor IN", "AIR CON1", "ON/OFF", "NO", 130, 0, 0});
        airConStore().add({"50 ms", "NC", "AC-2", "ENABLE", "AIR C. IN2", "NO", "20 ms", "DISABLE",
                           "", "AIR CON2", "PULSE", "NC", 34000, 5, 5});
    });
    writeExport("export-dndmur.rccfg", [] {
        dndMurStore().add({"DND/MUR-1", "CH1", "50 ms", "DND", "CH2", "50 ms", "MUR", "ON/OFF",
                           "NO", "C1", "C2", 0, 0});
    });
    writeExport("export-masteroff-welcome.rccfg", [] {
        for (int n = 1; n <= 4; ++n) {
            LightingRecord lighting;
            lighting.name = QStringLiteral("L%1").arg(n);
            lighting.Input = QStringLiteral("IN%1").arg(n);
            lighting.ControlType = QStringLiteral("ON/OFF");
            lighting.output(n) = QStringLiteral("C%1").arg(n);
            lightingStore().add(lighting);
            MasterOffRecord masterOff;
            masterOff.name = QStringLiteral("MasterOff-%1").arg(n);
            masterOff.Input = QStringLiteral("IN%1").arg(n + 4);
            if (n < 4)
                masterOff.LedOutput = QStringLiteral("C%1").arg(n + 4);
            for (int out = 1; out <= 8; ++out)
                masterOff.controlOut(out) = out <= n ? on : off;
            masterOffStore().add(masterOff);
        }
        welcomeStore().add({"Welcome-1", on, off, on, on, off, off, off, off});
    });
}

QByteArray withOtherKey(QByteArray text)
{
    const quint8 key[16] = {'n', 'o', 't', ' ', 't', 'h', 'e', ' ',
                            'r', 'i', 'g', 'h', 't', ' ', 'k', 'y'};
    AesContext context;
    aesInit(context, key);
    text.append(QByteArray((16 - text.size() % 16) % 16, ' '));
    for (int at = 0; at < text.size(); at += 16)
        aesEncryptBlock(context, reinterpret_cast<quint8 *>(text.data() + at));
    return text;
}

// Every member of every element, or every type member, replaced by one value.
QJsonObject everyElementMember(QJsonObject document, const QJsonValue &value)
{
    for (auto member = document.begin(); member != document.end(); ++member) {
        if (!member.value().isArray())
            continue;
        QJsonArray elements;
        for (const QJsonValue &element : member.value().toArray()) {
            QJsonObject broken = element.toObject();
            for (auto field = broken.begin(); field != broken.end(); ++field)
                field.value() = value;
            elements.append(broken);
        }
        member.value() = elements;
    }
    return document;
}

QJsonObject everyTypeMember(QJsonObject document, const QJsonValue &value)
{
    for (auto member = document.begin(); member != document.end(); ++member) {
        if (member.value().isArray())
            member.value() = value;
    }
    return document;
}

QByteArray project(const QByteArray &members)
{
    return R"({"PlatformType": "MV211", "Version": "v2.0.2", )" + members + "}";
}

void writeBrokenFiles()
{
    resetToBlankProject();
    SampleProject::fill();
    const QJsonObject sample = exportedDocument();
    const QByteArray text = projectText(sample);
    const QByteArray file = enciphered(text);

    write("cut-at-block.rccfg", file.left(file.size() / 32 * 16));
    write("cut-mid-block.rccfg", file.left(file.size() / 2 + 5));
    write("one-byte-more.rccfg", file + 'x');
    write("plain-cut.json", text.left(text.size() / 2 + 1));
    write("plain-sample.json", plain(sample));
    write("plain-padded-to-blocks.json", text + QByteArray((16 - text.size() % 16) % 16, ' '));
    write("wrong-key.rccfg", withOtherKey(text));
    write("empty.rccfg", QByteArray());
    write("top-level-array.json", "[{\"PlatformType\": \"MV211\"}]");
    write("top-level-string.json", "\"MV211\"");

    const QJsonValue wrongValues[] = {
        5, true, QJsonValue(), QJsonArray{1}, QJsonObject{{"a", 1}}, QStringLiteral("ENABLE")};
    const char *const wrongNames[] = {"number", "bool", "null", "array", "object", "string"};
    for (int i = 0; i < 6; ++i) {
        write(QStringLiteral("wrong-types-elements-%1.rccfg").arg(wrongNames[i]),
              enciphered(projectText(everyElementMember(sample, wrongValues[i]))));
        write(QStringLiteral("wrong-types-arrays-%1.json").arg(wrongNames[i]),
              plain(everyTypeMember(sample, wrongValues[i])));
    }
    write("wrong-types-top.json",
          R"({"PlatformType": ["MV211"], "Version": 2.02, "Lighting": "IN1", "Welcome": 1})");
    write("no-platform.json", R"({"Version": "v2.0.2", "Welcome": [{"name": "W"}]})");
    write("wrong-version.json", R"({"PlatformType": "MV211", "Version": "V2.0.2"})");

    write("deep-arrays.json",
          project("\"Logic\": " + QByteArray(3000, '[') + QByteArray(3000, ']')));
    write("deep-objects.json", project("\"Logic\": [" + QByteArray("{\"a\": ").repeated(1100) +
                                       "1" + QByteArray(1100, '}') + "]"));
    write("too-many-elements.json",
          project("\"Welcome\": [" + QByteArray("{\"name\": \"W\"},").repeated(1000) + "{}]"));

    write("repeated-names.json",
          project(R"("Lighting": [{"name": "L", "Input": "IN1", "ControlOut-C1": "ENABLE"},)"
                  R"({"name": "L", "Input": "IN2", "ControlOut-C2": "ENABLE"}],)"
                  R"("DigitalIO": [{"name": "L", "Input": "IN1", "Output": "C1"},)"
                  R"({"name": "D", "Input": "IN1", "Output": "C1"}],)"
                  R"("MasterOff": [{"name": "M", "Input": "IN3", "LedOutput": "C1"},)"
                  R"({"name": "M", "Input": "IN4", "LedOutput": "C2"}])"));
    write("shared-io.json",
          project(R"("Logic": [{"name": "G", "Input1": "IN1", "Input2": "IN1", "Input3": "IN1",)"
                  R"( "Output": "C1"}], "DNDMUR": [{"name": "N", "DndInput": "CH1",)"
                  R"( "MurInput": "CH1", "DndOutput": "C1", "MurOutput": "C1",)"
                  R"( "BellOutput": "C1", "OccupancyOutput": "C1"}],)"
                  R"("Lighting": [{"name": "P", "Input": "IN2", "ControlType": "PULSE",)"
                  R"( "ControlOut-C1": "ENABLE"}])"));
    write("unknown-inputs.json",
          project(R"("Lighting": [{"name": "a", "Input": "IN22", "ControlOut-C1": "ENABLE"},)"
                  R"({"name": "b", "Input": "in3", "ControlOut-C9": "ENABLE"}],)"
                  R"("Shutter": [{"name": "s", "UpInput": "IN1", "DownInput": "IN 2",)"
                  R"( "UpOutput": "C1", "DownOutput": "C2"}],)"
                  R"("EnergySaving": [{"name": "e", "Input": "IN21", "DoorSensorInput": "IN0"}],)"
                  R"("MasterOff": [{"name": "m", "Input": "IN5", "LedOutput": "LED"}],)"
                  R"("Welcome": [{"name": "w", "ControlOut-C1": "ENABLE", "ControlOut-C9": 1}])"));
    write("numbers.json",
          project(R"("Shutter": [{"name": "s", "UpInput": "IN1", "DownInput": "IN2", )"
                  R"("UpOutput": "C1", "DownOutput": "C2", "MoveDuration": 1.7, )"
                  R"("StepTime": -0.5}], "DigitalIO": [{"name": "d", "Input": "IN3", )"
                  R"("Output": "C3", "OnDelay": 2147483648, "OffDelay": -2147483649}], )"
                  R"("VoltageInput": [{"name": "v", "Input": "CH1", "Output": "C4", )"
                  R"("OnDelay": 1e300, "OffDelay": -1e-300}], "AirConditioner": [{"name": "a", )"
                  R"("Output": "AIR CON1", "PulseDelay": 3.0, "OnDelay": 2147483647, )"
                  R"("OffDelay": -2147483648}])"));
    write("repeated-members.json",
          project(R"("Lighting": [], "Lighting": [{"name": "L", "Input": "IN1", "Input": "IN2",)"
                  R"( "\u0049nput": "IN3", "ControlOut-C1": "ENABLE", "x": {"a": 1, "a": [2]}}],)"
                  R"( "Version": "v2.0.2", "a~/b": 1, "a~/b": 2)"));
    write("editor-rules.json",
          project(
              R"("Lighting": [{"name": "Two outputs, ON/OFF", "Input": "IN1",)"
              R"( "ControlType": "ON/OFF", "ControlOut-C1": "ENABLE", "ControlOut-C2": "ENABLE"}],)"
              R"( "EnergySaving": [{"name": "E", "EnableDisable": "ENABLE",)"
              R"( "PresenceEnableDisable": "DISABLE", "DoorSensorInput": "IN3",)"
              R"( "MotionSensorDebounceTime": "50 ms"}, {"name": "E2"}],)"
              R"( "AirConditioner": [{"name": "A\nB", "Output": "AIR CON1",)"
              R"( "BalconySensorEnableDisable": "DISABLE", "Input": "AIR C. IN1",)"
              R"( "MotionSensorEnableDisable": "ENABLE", "OutputControlType": "ON/OFF",)"
              R"( "PulseDelay": 530}, {"name": "A  2", "Output": "AIR CON2",)"
              R"( "BalconySensorEnableDisable": "ENABLE", "MotionSensorEnableDisable": "ENABLE",)"
              R"( "MotionSensorDebounceTime": "75 ms"}],)"
              R"( "MasterOff": [{"name": "M", "Input": "IN4", "LedOutput": "C1",)"
              R"( "ControlOut-C1": "ENABLE"}], "Welcome": [{"name": "W1"}, {"name": "W2"}])"));
    write(
        "non-ascii-names.json",
        project(QByteArray(R"("Lighting": [{"name": "Küche 灯 💡", "Input": "IN1", )"
                           R"("ControlOut-C1": "ENABLE"}], "Welcome": [{"name": "\u0000\u202e"}],)"
                           R"("DigitalIO": [{"name": "Tür", "Input": "IN１", "Output": "C1"}])")));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus FOLDER\n");
        return 2;
    }
    // Export logs every enciphered file to the debug stream.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    });
    target = QDir(QString::fromLocal8Bit(argv[1]));
    if (!target.mkpath("."))
        qFatal("cannot make %s", argv[1]);
    writeExports();
    writeBrokenFiles();
    return 0;
}
