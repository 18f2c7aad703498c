// The program's description for the page, as one JSON object: what the page
// builds its dialogs from. Members:
//   mainDialog  {caption, size, controls, startupTimer, stepTimer}, each
//               control {id, name, kind, text, rect} in tab order, kind one of
//               "button", "default-button", "label", "icon", "list";
//   aboutBox    {entry, caption, size, icon, name {text, rect}, line, ok};
//   entries     {populations, populationsKey, step, stepKey, chartWidth,
//               chartHeight}: the menu's entries for the populations and for
//               one step, with their keys, and the chart's logical size;
//   help        {title, text};
//   defaultSeed.
// Sizes are {width, height} and rectangles {left, top, width, height}, in the
// page's pixels (dialog units at the dialog's font).
#pragma once

#include <string>

std::string DescriptionJson();
