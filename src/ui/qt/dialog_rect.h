// A control's rectangle in a dialog, given in the template's dialog units, as
// a widget geometry in pixels.
#pragma once

#include <QRect>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"

inline QRect DialogRect(const dialog_layout::UnitRect& units) {
  const dialog_units::PixelRect rect = dialog_units::ToPixels(units);
  return QRect(rect.left, rect.top, rect.width(), rect.height());
}
