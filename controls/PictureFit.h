#pragma once
// Drawing a video picture into a box at its display aspect ratio: the picture is
// scaled to fill the box in one direction and centred, the rest of the box is
// black (bars above and below, or left and right), as a player shows it.
// A picture's display shape is its pixel size times its sample aspect ratio
// (SAR): a 720x480 DVD frame with SAR 32:27 is shown 16:9. UI thread only.

#include <QRect>
#include <QSize>

class QImage;
class QPainter;

// The part of `box` the picture covers. `sampleAspect` <= 0 counts as square
// pixels; an empty picture covers nothing.
QRect FitPictureRect(const QSize& picture, double sampleAspect, const QRect& box);

// Fills `box` black and draws `picture` into FitPictureRect, without smoothing.
void DrawFittedPicture(QPainter& painter, const QRect& box, const QImage& picture, double sampleAspect);
