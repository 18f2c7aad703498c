// The two dialogs as their templates lay them out, for every face to build
// them from: each control's id, kind, caption and rectangle in dialog units,
// in tab order. The numbers themselves stand once, in resource.h, which the
// resource script reads too.
#pragma once

#include <array>
#include <string_view>

#include "resource.h"

namespace dialog_layout {

// x, y, width, height in dialog units.
struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct UnitSize {
  int width = 0;
  int height = 0;
};

enum class ControlKind { kPushButton, kDefaultButton, kLabel, kIcon, kListBox };

struct Control {
  int id = IDC_STATIC;
  std::string_view name;  // the id's symbol; empty for a static control
  ControlKind kind = ControlKind::kLabel;
  std::string_view text;
  UnitRect rect;
};

inline constexpr std::string_view kMainDialogCaption = IDD_SIM_DIALOG_CAPTION;
inline constexpr UnitSize kMainDialogSize{IDD_SIM_DIALOG_SIZE};

inline constexpr std::array<Control, 11> kMainDialogControls{{
    {IDC_PLANT, "IDC_PLANT", ControlKind::kPushButton, IDC_PLANT_TEXT, {IDC_PLANT_RECT}},
    {IDC_HERBIVORE,
     "IDC_HERBIVORE",
     ControlKind::kPushButton,
     IDC_HERBIVORE_TEXT,
     {IDC_HERBIVORE_RECT}},
    {IDC_CARNIVORE,
     "IDC_CARNIVORE",
     ControlKind::kPushButton,
     IDC_CARNIVORE_TEXT,
     {IDC_CARNIVORE_RECT}},
    {IDC_PAINT, "IDC_PAINT", ControlKind::kPushButton, IDC_PAINT_TEXT, {IDC_PAINT_RECT}},
    {IDC_MOVE, "IDC_MOVE", ControlKind::kPushButton, IDC_MOVE_TEXT, {IDC_MOVE_RECT}},
    {IDC_REDRAW, "IDC_REDRAW", ControlKind::kPushButton, IDC_REDRAW_TEXT, {IDC_REDRAW_RECT}},
    {IDC_STOP, "IDC_STOP", ControlKind::kPushButton, IDC_STOP_TEXT, {IDC_STOP_RECT}},
    {IDC_START, "IDC_START", ControlKind::kPushButton, IDC_START_TEXT, {IDC_START_RECT}},
    {IDC_ITERATIONS,
     "IDC_ITERATIONS",
     ControlKind::kLabel,
     IDC_ITERATIONS_TEXT,
     {IDC_ITERATIONS_RECT}},
    {IDC_STATIC, "", ControlKind::kLabel, IDC_ITERATIONS_CAPTION, {IDC_ITERATIONS_CAPTION_RECT}},
    {IDC_REPORT, "IDC_REPORT", ControlKind::kListBox, "", {IDC_REPORT_RECT}},
}};

inline constexpr std::string_view kAboutBoxCaption = IDD_ABOUTBOX_CAPTION;
inline constexpr UnitSize kAboutBoxSize{IDD_ABOUTBOX_SIZE};

// The name line's text carries the version and is made by the face.
inline constexpr UnitRect kAboutIconRect{IDC_ABOUT_ICON_RECT};
inline constexpr UnitRect kAboutNameRect{IDC_ABOUT_NAME_RECT};
inline constexpr Control kAboutLine{
    IDC_STATIC, "", ControlKind::kLabel, IDC_ABOUT_LINE_TEXT, {IDC_ABOUT_LINE_RECT}};
inline constexpr Control kAboutOk{
    1, "IDOK", ControlKind::kDefaultButton, IDC_ABOUT_OK_TEXT, {IDC_ABOUT_OK_RECT}};

// The control with this id, or nullptr.
constexpr const Control* FindControl(int id) {
  for (const Control& control : kMainDialogControls) {
    if (control.id == id) {
      return &control;
    }
  }
  return nullptr;
}

}  // namespace dialog_layout
