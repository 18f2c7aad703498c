// A control's rectangle in a dialog, given in the template's dialog units
// (x, y, width, height), as a widget geometry in pixels.
#pragma once

#include <QRect>

#include "dialog_units.h"

inline QRect DialogRect(int x, int y, int width, int height) {
  const dialog_units::PixelRect rect = dialog_units::ToPixels(x, y, width, height);
  return QRect(rect.left, rect.top, rect.width(), rect.height());
}
