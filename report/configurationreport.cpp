#include "report/configurationreport.h"

#include "model/stores.h"

#include <QIODevice>
#include <QStringList>
#include <QTextStream>
#include <QVector>
#include <functional>

ReportSource ReportSource::processStores()
{
    return {lightingStore(),     shutterStore(),      digitalIOStore(), logicStore(),
            voltageInputStore(), energySavingStore(), airConStore(),    dndMurStore(),
            masterOffStore(),    welcomeStore()};
}

namespace
{

constexpr int lineWidth = 210;
constexpr int outputCellWidth = 3;
constexpr int outputCount = 8;

const QString enabledText = QStringLiteral("ENABLE");
const QString disabledText = QStringLiteral("DISABLE");
const QString unusedText = QStringLiteral("unused");

template <typename R> using CellText = std::function<QString(const R &)>;

// One table column: its heading, its width and how a record fills it. Most
// columns hold one cell as wide as the column; the output columns hold eight
// narrower cells under one heading.
template <typename R> struct Column {
    QString heading;
    int width;
    int cellWidth;
    std::function<QStringList(const R &)> cells;
};

template <typename R> using Columns = QVector<Column<R>>;

template <typename R> Column<R> column(const char *heading, int width, const CellText<R> &value)
{
    return {QString::fromLatin1(heading), width, width,
            [value](const R &record) { return QStringList{value(record)}; }};
}

// The eight cells C1..C8; cell(record, n) gives the text of output n.
template <typename R> Column<R> outputsColumn(const std::function<QString(const R &, int)> &cell)
{
    return {QStringLiteral("Outputs To Be Controlled"), outputCellWidth * outputCount,
            outputCellWidth, [cell](const R &record) {
                QStringList cells;
                for (int n = 1; n <= outputCount; ++n)
                    cells << cell(record, n);
                return cells;
            }};
}

bool isEnabled(const QString &flag)
{
    return flag == enabledText;
}

template <typename R> CellText<R> text(QString R::*field)
{
    return [field](const R &record) { return record.*field; };
}

template <typename R> CellText<R> withUnit(qint32 R::*field, const char *unit)
{
    return [field, unit](const R &record) {
        return QString::number(record.*field) + QLatin1String(unit);
    };
}

template <typename R> CellText<R> seconds(qint32 R::*field)
{
    return withUnit(field, " sec");
}

template <typename R> CellText<R> milliseconds(qint32 R::*field)
{
    return withUnit(field, " ms");
}

template <typename R> CellText<R> enableState(QString R::*flag)
{
    return [flag](const R &record) { return isEnabled(record.*flag) ? enabledText : disabledText; };
}

template <typename R>
CellText<R> unusedUnless(const std::function<bool(const R &)> &shown, const CellText<R> &value)
{
    return [shown, value](const R &record) { return shown(record) ? value(record) : unusedText; };
}

template <typename R> CellText<R> unusedUnlessEnabled(QString R::*flag, const CellText<R> &value)
{
    return unusedUnless<R>([flag](const R &record) { return isEnabled(record.*flag); }, value);
}

template <typename R> CellText<R> unusedUnlessSet(QString R::*field)
{
    return unusedUnless<R>([field](const R &record) { return !(record.*field).isEmpty(); },
                           text(field));
}

const Columns<LightingRecord> &lightingColumns()
{
    using R = LightingRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Input | ", 8, text(&R::Input)),
        column<R>("DebounceTime | ", 15, text(&R::DebounceTime)),
        column<R>("Control Type | ", 15, text(&R::ControlType)),
        // An imported ON/OFF record may still carry a priority; it means nothing there.
        column<R>("Output Control Priority | ", 26,
                  [](const R &r) {
                      return r.ControlType == QLatin1String("PULSE") ? r.OutputControlPriority
                                                                     : QString();
                  }),
        outputsColumn<R>([](const R &r, int n) { return r.output(n); }),
    };
    return columns;
}

const Columns<ShutterRecord> &shutterColumns()
{
    using R = ShutterRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Up-Input | ", 11, text(&R::UpInput)),
        column<R>("Up-Debounce Time | ", 19, text(&R::UpDebounceTime)),
        column<R>("Up-Output | ", 12, text(&R::UpOutput)),
        column<R>("Down-Input | ", 13, text(&R::DownInput)),
        column<R>("Down-Debounce Time | ", 21, text(&R::DownDebounceTime)),
        column<R>("Down-Output | ", 14, text(&R::DownOutput)),
        column<R>("Movement Duration | ", 20, seconds(&R::MoveDuration)),
        column<R>("Step Time", 9, milliseconds(&R::StepTime)),
    };
    return columns;
}

const Columns<DigitalIORecord> &digitalIOColumns()
{
    using R = DigitalIORecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Input | ", 8, text(&R::Input)),
        column<R>("Debounce Time | ", 16, text(&R::DebounceTime)),
        column<R>("Output | ", 9, text(&R::Output)),
        column<R>("Contact Type | ", 15, text(&R::ContactType)),
        column<R>("On Delay   | ", 13, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

const Columns<LogicRecord> &logicColumns()
{
    using R = LogicRecord;
    // The third input is optional; all four of its cells say so when it is unset.
    const auto input3 = [](QString R::*field) {
        return unusedUnless<R>([](const R &r) { return !r.Input3.isEmpty(); }, text(field));
    };
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("In1  | ", 7, text(&R::Input1)),
        column<R>("In1 Deb Tm | ", 13, text(&R::Input1DebounceTime)),
        column<R>("In1 Pol | ", 10, text(&R::Input1Polarity)),
        column<R>("In1 Ctrl Typ | ", 15, text(&R::Input1ControlType)),
        column<R>("In2  | ", 7, text(&R::Input2)),
        column<R>("In2 Deb Tm | ", 13, text(&R::Input2DebounceTime)),
        column<R>("In2 Pol | ", 10, text(&R::Input2Polarity)),
        column<R>("In2 Ctrl Typ | ", 15, text(&R::Input2ControlType)),
        column<R>("In3  | ", 7, input3(&R::Input3)),
        column<R>("In3 Deb Tm | ", 13, input3(&R::Input3DebounceTime)),
        column<R>("In3 Pol | ", 10, input3(&R::Input3Polarity)),
        column<R>("In3 Ctrl Typ | ", 15, input3(&R::Input3ControlType)),
        column<R>("Out | ", 6, text(&R::Output)),
        column<R>("Logic Type | ", 13, text(&R::LogicType)),
        column<R>("On Delay  | ", 12, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

const Columns<VoltageInputRecord> &voltageInputColumns()
{
    using R = VoltageInputRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Input | ", 8, text(&R::Input)),
        column<R>("Debounce Time | ", 16, text(&R::DebounceTime)),
        column<R>("Output | ", 9, text(&R::Output)),
        column<R>("On Delay  | ", 12, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

const Columns<EnergySavingRecord> &energySavingColumns()
{
    using R = EnergySavingRecord;
    const auto cardHolder = [](const CellText<R> &value) {
        return unusedUnlessEnabled(&R::EnableDisable, value);
    };
    const auto presence = [](const CellText<R> &value) {
        return unusedUnlessEnabled(&R::PresenceEnableDisable, value);
    };
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("CardH. E/D | ", 13, enableState(&R::EnableDisable)),
        column<R>("Input | ", 8, cardHolder(text(&R::Input))),
        column<R>("CardH. Deb Tm | ", 16, cardHolder(text(&R::CardHolderDebounceTime))),
        column<R>("Contl Ty | ", 11, cardHolder(text(&R::ControlType))),
        column<R>("Contt Ty | ", 11, cardHolder(text(&R::ContactType))),
        column<R>("Pres S E/D | ", 13, enableState(&R::PresenceEnableDisable)),
        column<R>("Mot S Input | ", 14, presence(text(&R::MotionSensorInput))),
        column<R>("Mot S Contt Ty | ", 17, presence(text(&R::MotionSensorContactType))),
        column<R>("Mot S Deb Tm | ", 15, presence(text(&R::MotionSensorDebounceTime))),
        column<R>("Mot S Pul Dur | ", 16, presence(seconds(&R::MotionSensorPulseDuration))),
        // The door sensor is optional even with presence on; its debounce time is not.
        column<R>("Door S Inp | ", 13, presence(unusedUnlessSet(&R::DoorSensorInput))),
        column<R>("Door S Deb Tm | ", 16, presence(text(&R::DoorSensorDebounceTime))),
        column<R>("On Delay  | ", 12, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

const Columns<AirConRecord> &airConColumns()
{
    using R = AirConRecord;
    const auto balcony = [](const CellText<R> &value) {
        return unusedUnlessEnabled(&R::BalconySensorEnableDisable, value);
    };
    const auto motion = [](const CellText<R> &value) {
        return unusedUnlessEnabled(&R::MotionSensorEnableDisable, value);
    };
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Balc S E/D | ", 13, enableState(&R::BalconySensorEnableDisable)),
        column<R>("Balc S In | ", 12, balcony(text(&R::Input))),
        column<R>("Contt Ty | ", 11, balcony(text(&R::ContactType))),
        column<R>("Balc S Deb Tm | ", 16, balcony(text(&R::BalconySensorDebounceTime))),
        column<R>("Mot S E/D | ", 12, enableState(&R::MotionSensorEnableDisable)),
        column<R>("Mot S Input | ", 14, motion(text(&R::MotionSensorInput))),
        column<R>("Mot S Contt Ty | ", 17, motion(text(&R::MotionSensorContactType))),
        column<R>("Mot S Deb Tm | ", 15, motion(text(&R::MotionSensorDebounceTime))),
        column<R>("Output  | ", 10, text(&R::Output)),
        column<R>("Out Contl Ty | ", 15, text(&R::OutputControlType)),
        column<R>("Out Contt Ty | ", 15, text(&R::OutputContactType)),
        column<R>("Pulse Dly | ", 12, milliseconds(&R::PulseDelay)),
        column<R>("On Delay  | ", 12, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

const Columns<DndMurRecord> &dndMurColumns()
{
    using R = DndMurRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Input-DND | ", 12, text(&R::DndInput)),
        column<R>("Input-DND Debounce Time | ", 26, text(&R::DndDebounceTime)),
        column<R>("Output-DND | ", 13, text(&R::DndOutput)),
        column<R>("Input-MUR | ", 12, text(&R::MurInput)),
        column<R>("Input-MUR Debounce Time | ", 26, text(&R::MurDebounceTime)),
        column<R>("Output-MUR | ", 13, text(&R::MurOutput)),
        column<R>("Control Type | ", 15, text(&R::ControlType)),
        column<R>("Contact Type | ", 15, text(&R::ContactType)),
        column<R>("Bell Output | ", 14, unusedUnlessSet(&R::BellOutput)),
        column<R>("Occ. Output | ", 14, unusedUnlessSet(&R::OccupancyOutput)),
        column<R>("On Delay  | ", 12, seconds(&R::OnDelay)),
        column<R>("Off Delay", 9, seconds(&R::OffDelay)),
    };
    return columns;
}

// "C1 " .. "C8 " for the enabled control outputs, blank cells for the others.
template <typename R> QString enabledOutputCell(const R &record, int n)
{
    return isEnabled(record.controlOut(n)) ? QStringLiteral("C%1 ").arg(n) : QString();
}

const Columns<MasterOffRecord> &masterOffColumns()
{
    using R = MasterOffRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        column<R>("Input | ", 8, text(&R::Input)),
        column<R>("Input Debounce Time | ", 22, text(&R::DebounceTime)),
        column<R>("Led Output | ", 13, unusedUnlessSet(&R::LedOutput)),
        outputsColumn<R>(enabledOutputCell<R>),
    };
    return columns;
}

const Columns<WelcomeRecord> &welcomeColumns()
{
    using R = WelcomeRecord;
    static const Columns<R> columns = {
        column<R>("Name", 20, text(&R::name)),
        outputsColumn<R>(enabledOutputCell<R>),
    };
    return columns;
}

// Every item is one padded field; width, alignment and pad character stay in
// force on the stream until changed, exactly like the stream's own manipulators.
class ReportWriter
{
public:
    explicit ReportWriter(QString *report) : out(report, QIODevice::ReadWrite) {}

    void writeHeading(const QString &platformText, const QString &versionText,
                      const QDateTime &time)
    {
        out.setPadChar(QLatin1Char(' '));
        out.setFieldAlignment(QTextStream::AlignCenter);
        field(lineWidth, QStringLiteral("ZAREN800 Room Controller Configuration\n"));
        endLine();
        field(5, platformText);
        field(15, versionText);
        field(20, time.toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")));
        endLine();
    }

    enum class Spacing { Directly, AfterEmptyLine };

    template <typename R>
    void writeSection(const char *title, const Columns<R> &columns, const FunctionStore<R> &store,
                      Spacing spacing)
    {
        const QVector<R> records = store.records();
        if (records.isEmpty())
            return;
        if (spacing == Spacing::AfterEmptyLine)
            endLine();
        writeTitle(QString::fromLatin1(title));
        out.setFieldAlignment(QTextStream::AlignLeft);
        for (const Column<R> &column : columns)
            field(column.width, column.heading);
        endLine();
        for (const R &record : records)
            writeRow(columns, record);
        writeRule();
    }

    void finish() { out.flush(); }

private:
    void field(int width, const QString &item)
    {
        out.setFieldWidth(width);
        out << item;
    }

    void endLine() { field(1, QStringLiteral("\n")); }

    void writeTitle(const QString &title)
    {
        out.setFieldAlignment(QTextStream::AlignCenter);
        field(lineWidth, title);
        endLine();
    }

    template <typename R> void writeRow(const Columns<R> &columns, const R &record)
    {
        out.setFieldAlignment(QTextStream::AlignLeft);
        for (const Column<R> &column : columns) {
            for (const QString &cell : column.cells(record))
                field(column.cellWidth, cell);
        }
        endLine();
    }

    void writeRule()
    {
        out.setPadChar(QLatin1Char('-'));
        field(lineWidth, QStringLiteral("-"));
        endLine();
        out.setPadChar(QLatin1Char(' '));
    }

    QTextStream out;
};

} // namespace

QString buildConfigurationReport(const ReportSource &source, const QString &platformText,
                                 const QString &versionText, const QDateTime &time)
{
    using Spacing = ReportWriter::Spacing;
    QString report;
    ReportWriter writer(&report);
    writer.writeHeading(platformText, versionText, time);
    writer.writeSection("LIGHTING", lightingColumns(), source.lighting, Spacing::Directly);
    writer.writeSection("SHUTTER/BLIND", shutterColumns(), source.shutter, Spacing::AfterEmptyLine);
    writer.writeSection("DIGITALIO", digitalIOColumns(), source.digitalIO, Spacing::AfterEmptyLine);
    writer.writeSection("LOGIC", logicColumns(), source.logic, Spacing::AfterEmptyLine);
    writer.writeSection("VOLTAGE INPUT", voltageInputColumns(), source.voltageInput,
                        Spacing::AfterEmptyLine);
    writer.writeSection("ENERGY SAVING", energySavingColumns(), source.energySaving,
                        Spacing::AfterEmptyLine);
    writer.writeSection("AIR CONDITIONER", airConColumns(), source.airCon, Spacing::AfterEmptyLine);
    writer.writeSection("DND/MUR", dndMurColumns(), source.dndMur, Spacing::AfterEmptyLine);
    writer.writeSection("MASTER OFF", masterOffColumns(), source.masterOff,
                        Spacing::AfterEmptyLine);
    writer.writeSection("WELCOME", welcomeColumns(), source.welcome, Spacing::AfterEmptyLine);
    writer.finish();
    return report;
}
