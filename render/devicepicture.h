#pragma once

#include "model/terminals.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QVector>

class QPainter;

// The controller as the Home page and the wiring sheet show it: every terminal
// of the catalogues, marked free, held, locked or absent by shape and label as
// well as by colour, with a legend. Drawn in picture coordinates (see size());
// the window and the tests map the pointer with the same geometry.
namespace DevicePicture
{

// 630 by 394, the place of the Home page's picture.
QSize size();

// The terminal and its label: the area that answers to the pointer.
QRectF terminalArea(const Terminal &terminal);
// Index of the terminal at point, or -1.
int terminalAt(const QVector<Terminal> &terminals, const QPointF &point);

// Draws the picture into the painter's current coordinates (0, 0 to size()).
void draw(QPainter &painter, const QVector<Terminal> &terminals);
// The same on a white image, for a screen of that device pixel ratio, with a
// focus ring around terminal ringed (none for -1).
QImage image(const QVector<Terminal> &terminals, qreal devicePixelRatio, int ringed = -1);

} // namespace DevicePicture
