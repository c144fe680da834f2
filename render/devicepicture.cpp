#include "render/devicepicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace
{

const QSize pictureSize(630, 394);

// Blue and orange stay apart for every common colour-blindness and on a
// washed-out projector; shape tells the states apart where colour fails.
const QColor ink(0x26, 0x37, 0x46);
const QColor heldFill(0x0b, 0x5c, 0xad);
const QColor lockedFill(0xf0, 0xa0, 0x20);
const QColor absentInk(0xa7, 0xb1, 0xbb);
const QColor railFill(0xdf, 0xe5, 0xeb);
const QColor stripFill(0xee, 0xf2, 0xf6);
const QColor panelFill(0xf6, 0xf8, 0xfa);
const QColor accent(0x2f, 0x80, 0xd1);
const QColor ledGreen(0x35, 0xa0, 0x5f);

constexpr qreal terminalSide = 20;
// Between neighbouring labels, which are squeezed to keep it.
constexpr qreal labelGap = 4;
// Inputs: IN1..IN13, then the fixed rows (sensor, balcony, DND/MUR, voltage
// channels, card holder) on a strip of their own, 24 apart.
constexpr qreal inputY = 67, inputPitch = 24, firstInputX = 70, fixedInputGap = 10;
constexpr int generalInputs = 13;
// Outputs C1..C8, DND/MUR, the air-conditioner outputs and C13, 30 apart; the supply beside.
constexpr qreal outputY = 325, outputPitch = 30, firstOutputX = 90;
const qreal supplyX[] = {510, 540};

QPointF centreOf(TerminalDirection direction, int id)
{
    if (direction == TerminalDirection::Output)
        return {firstOutputX + (id - 1) * outputPitch, outputY};
    const qreal gap = id > generalInputs ? fixedInputGap : 0;
    return {firstInputX + (id - 1) * inputPitch + gap, inputY};
}

QRectF boxAt(const QPointF &centre, qreal side)
{
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

// The label's cell: under an input, over an output.
QRectF labelRect(TerminalDirection direction, const QPointF &centre)
{
    const bool input = direction == TerminalDirection::Input;
    const qreal pitch = input ? inputPitch : outputPitch;
    return {centre.x() - pitch / 2, input ? 89.0 : 287.0, pitch, 12};
}

QString labelOf(const Terminal &terminal)
{
    static const char *const fixedInputs[] = {"SNS", "AC1", "AC2", "DND", "MUR"};
    static const char *const fixedOutputs[] = {"DND", "MUR", "AC1", "AC2"};
    if (terminal.direction == TerminalDirection::Input && terminal.id >= 14 && terminal.id <= 18)
        return QLatin1String(fixedInputs[terminal.id - 14]);
    if (terminal.direction == TerminalDirection::Output && terminal.id >= 9 && terminal.id <= 12)
        return QLatin1String(fixedOutputs[terminal.id - 9]);
    return terminal.name;
}

// Letter spacing in percent of the font, which scales with the picture (an
// absolute spacing would be taken in device pixels, wide on a PDF page).
QFont pictureFont(qreal pixelSize, bool bold, int spacingPercent = 100)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    if (spacingPercent != 100)
        font.setLetterSpacing(QFont::PercentageSpacing, spacingPercent);
    return font;
}

// Centred in rect; squeezed sideways when it would not fit with a gap to spare.
void drawText(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
              const QColor &colour)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    const qreal room = rect.width() - labelGap;
    if (width > room) {
        const qreal squeeze = room / width;
        painter.translate(rect.center().x(), 0);
        painter.scale(squeeze, 1);
        painter.translate(-rect.center().x(), 0);
        painter.drawText(QRectF(rect.center().x() - width / 2, rect.top(), width, rect.height()),
                         Qt::AlignCenter, text);
    } else {
        painter.drawText(rect, Qt::AlignCenter, text);
    }
    painter.restore();
}

void drawScrew(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.setPen(QPen(ink, 1.6));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    const qreal slot = radius * 0.6;
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-slot, slot), centre + QPointF(slot, -slot));
}

void drawLock(QPainter &painter, const QPointF &centre)
{
    painter.setPen(QPen(ink, 1.8));
    painter.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(centre + QPointF(-3.5, 0));
    shackle.lineTo(centre + QPointF(-3.5, -3.5));
    shackle.arcTo(QRectF(centre.x() - 3.5, centre.y() - 7, 7, 7), 180, -180);
    shackle.lineTo(centre + QPointF(3.5, 0));
    painter.drawPath(shackle);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(centre.x() - 5.5, centre.y() - 1, 11, 8));
}

void drawHatch(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setClipRect(box);
    painter.setPen(QPen(ink, 1.2));
    for (qreal x = box.left() - box.height(); x < box.right(); x += 5)
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    painter.restore();
}

// Held: filled; free: hollow; locked: hatched with a padlock; absent: a
// dashed outline without a screw.
void drawTerminal(QPainter &painter, const QPointF &centre, qreal side, bool offered,
                  TerminalState state)
{
    const QRectF box = boxAt(centre, side);
    painter.save();
    if (!offered) {
        painter.setPen(QPen(absentInk, 1.2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box, 2, 2);
        painter.restore();
        return;
    }
    const bool locked = state == TerminalState::Locked;
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(state == TerminalState::Held ? heldFill : locked ? lockedFill : Qt::white);
    painter.drawRoundedRect(box, 2, 2);
    if (locked) {
        drawHatch(painter, box.adjusted(1, 1, -1, -1));
        drawLock(painter, centre);
    } else {
        drawScrew(painter, centre, side * 0.33);
    }
    painter.restore();
}

void drawFrame(QPainter &painter, const QRectF &rect, qreal radius, const QColor &fill,
               qreal penWidth)
{
    painter.setPen(QPen(ink, penWidth));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
}

void drawBracket(QPainter &painter, qreal left, qreal right, qreal y, qreal tip,
                 const QString &caption, qreal captionY)
{
    painter.setPen(QPen(ink, 2));
    painter.setBrush(Qt::NoBrush);
    const QPointF corners[] = {{left, y + tip}, {left, y}, {right, y}, {right, y + tip}};
    painter.drawPolyline(corners, 4);
    drawText(painter, QRectF(left, captionY - 10, right - left, 16), caption,
             pictureFont(14, true, 115), ink);
}

void drawRailAndHousing(QPainter &painter)
{
    drawFrame(painter, QRectF(6, 170, 618, 54), 0, railFill, 2);
    painter.setPen(QPen(ink, 1.5));
    painter.drawLine(QPointF(6, 180), QPointF(624, 180));
    painter.drawLine(QPointF(6, 214), QPointF(624, 214));
    drawFrame(painter, QRectF(14, 191, 18, 12), 6, Qt::white, 1.5);
    drawFrame(painter, QRectF(598, 191, 18, 12), 6, Qt::white, 1.5);
    drawFrame(painter, QRectF(40, 42, 550, 308), 10, Qt::white, 3);
    drawFrame(painter, QRectF(298, 350, 34, 9), 2, railFill, 2);
}

void drawStrips(QPainter &painter)
{
    const qreal top = inputY - 17, bottom = outputY - 17;
    drawFrame(painter, QRectF(56, top, 316, 34), 3, stripFill, 2);
    drawFrame(painter, QRectF(378, top, 196, 34), 3, stripFill, 2);
    drawFrame(painter, QRectF(71, bottom, 398, 34), 3, stripFill, 2);
    drawFrame(painter, QRectF(491, bottom, 68, 34), 3, stripFill, 2);
}

// Name, line and status lights on the left; the legend on the right.
void drawPanel(QPainter &painter)
{
    drawFrame(painter, QRectF(70, 114, 490, 166), 8, panelFill, 2.5);
    drawText(painter, QRectF(90, 150, 230, 44), QStringLiteral("ZAREN800"),
             pictureFont(36, true, 103), ink);
    painter.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(110, 204), QPointF(300, 204));
    drawText(painter, QRectF(90, 214, 230, 16), QStringLiteral("ROOM CONTROLLER"),
             pictureFont(11, false, 128), ink);

    const char *const lights[] = {"PWR", "RUN", "ERR"};
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(338, 150 + i * 26);
        painter.setPen(QPen(ink, 2));
        painter.setBrush(i < 2 ? ledGreen : QColor(Qt::white));
        painter.drawEllipse(centre, 6, 6);
        drawText(painter, QRectF(348, centre.y() - 7, 30, 14), QLatin1String(lights[i]),
                 pictureFont(9, true), ink);
    }
    drawFrame(painter, QRectF(324, 222, 28, 14), 2, Qt::white, 2);
    painter.fillRect(QRectF(329, 226, 18, 6), ink);
    drawText(painter, QRectF(352, 222, 30, 14), QStringLiteral("USB"), pictureFont(9, true), ink);

    painter.setPen(QPen(absentInk, 1));
    painter.drawLine(QPointF(396, 126), QPointF(396, 268));
    drawText(painter, QRectF(404, 124, 146, 14), QStringLiteral("TERMINALS"),
             pictureFont(10, true, 120), ink);
    struct Entry {
        bool offered;
        TerminalState state;
        const char *text;
    };
    const Entry legend[] = {{true, TerminalState::Held, "held"},
                            {true, TerminalState::Free, "free"},
                            {true, TerminalState::Locked, "locked"},
                            {false, TerminalState::Free, "absent"}};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 156 + i * 29;
        drawTerminal(painter, QPointF(416, y), 18, legend[i].offered, legend[i].state);
        painter.setFont(pictureFont(10, false));
        painter.setPen(ink);
        painter.drawText(QRectF(432, y - 14, 124, 28), Qt::AlignLeft | Qt::AlignVCenter,
                         QLatin1String(legend[i].text));
    }
}

void drawSupply(QPainter &painter)
{
    const char *const names[] = {"L", "N"};
    for (int i = 0; i < 2; ++i) {
        const QPointF centre(supplyX[i], outputY);
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(railFill);
        painter.drawRoundedRect(boxAt(centre, terminalSide), 2, 2);
        drawScrew(painter, centre, terminalSide * 0.33);
        drawText(painter, labelRect(TerminalDirection::Output, centre), QLatin1String(names[i]),
                 pictureFont(9, true), ink);
    }
}

} // namespace

QSize DevicePicture::size()
{
    return pictureSize;
}

QRectF DevicePicture::terminalArea(const Terminal &terminal)
{
    const QPointF centre = centreOf(terminal.direction, terminal.id);
    const QRectF label = labelRect(terminal.direction, centre);
    return label.united(
        QRectF(label.left(), centre.y() - terminalSide / 2, label.width(), terminalSide));
}

int DevicePicture::terminalAt(const QVector<Terminal> &terminals, const QPointF &point)
{
    for (int i = 0; i < terminals.size(); ++i) {
        if (terminalArea(terminals.at(i)).contains(point))
            return i;
    }
    return -1;
}

namespace
{

void setHints(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// Everything that does not depend on the project.
void drawController(QPainter &painter)
{
    drawRailAndHousing(painter);
    drawStrips(painter);
    drawPanel(painter);
    drawBracket(painter, 56, 574, 30, 6, QStringLiteral("INPUTS"), 17);
    drawBracket(painter, 79, 461, 368, -6, QStringLiteral("OUTPUTS"), 381);
    drawBracket(painter, 499, 551, 368, -6, QStringLiteral("SUPPLY"), 381);
    drawSupply(painter);
}

void drawTerminals(QPainter &painter, const QVector<Terminal> &terminals)
{
    const QFont labelFont = pictureFont(9, true);
    for (const Terminal &terminal : terminals) {
        const QPointF centre = centreOf(terminal.direction, terminal.id);
        drawTerminal(painter, centre, terminalSide, terminal.offered, terminal.state);
        drawText(painter, labelRect(terminal.direction, centre), labelOf(terminal), labelFont,
                 terminal.offered ? ink : absentInk);
    }
}

// Blue against the white housing, clear of every terminal's own outline.
void drawFocusRing(QPainter &painter, const Terminal &terminal)
{
    painter.setPen(QPen(accent, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(DevicePicture::terminalArea(terminal).adjusted(-2, -3, 2, 3), 4, 4);
}

QImage blankImage(qreal devicePixelRatio)
{
    QImage image(pictureSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    return image;
}

// The controller drawn once per screen resolution: half the work of a picture.
const QImage &controllerImage(qreal devicePixelRatio)
{
    static QImage cached;
    if (cached.isNull() || cached.devicePixelRatio() != devicePixelRatio) {
        cached = blankImage(devicePixelRatio);
        QPainter painter(&cached);
        setHints(painter);
        drawController(painter);
    }
    return cached;
}

} // namespace

void DevicePicture::draw(QPainter &painter, const QVector<Terminal> &terminals)
{
    painter.save();
    setHints(painter);
    drawController(painter);
    drawTerminals(painter, terminals);
    painter.restore();
}

QImage DevicePicture::image(const QVector<Terminal> &terminals, qreal devicePixelRatio, int ringed)
{
    QImage picture = controllerImage(devicePixelRatio).copy();
    picture.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture);
    setHints(painter);
    drawTerminals(painter, terminals);
    if (ringed >= 0 && ringed < terminals.size())
        drawFocusRing(painter, terminals.at(ringed));
    return picture;
}
