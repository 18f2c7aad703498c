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

// A control by its id's symbol: the id, the symbol's own name, and the
// caption and rectangle resource.h defines beside it.
// clang-format off
#define PASTURA_CONTROL(id, kind) Control{id, #id, kind, id##_TEXT, UnitRect{id##_RECT}}
// clang-format on

inline constexpr std::array<Control, 11> kMainDialogControls{{
    PASTURA_CONTROL(IDC_PLANT, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_HERBIVORE, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_CARNIVORE, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_PAINT, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_MOVE, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_REDRAW, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_STOP, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_START, ControlKind::kPushButton),
    PASTURA_CONTROL(IDC_ITERATIONS, ControlKind::kLabel),
    {IDC_STATIC, "", ControlKind::kLabel, IDC_ITERATIONS_CAPTION, {IDC_ITERATIONS_CAPTION_RECT}},
    PASTURA_CONTROL(IDC_REPORT, ControlKind::kListBox),
}};

#undef PASTURA_CONTROL

// The About entry of the menus.
inline constexpr std::string_view kAboutEntryText = IDS_ABOUTBOX_TEXT;
// The entries after it, and the keys that do the same wherever the focus is
// outside a modal box (the letter, without modifiers).
inline constexpr std::string_view kPopulationsEntryText = IDM_CHART_TEXT;
inline constexpr std::string_view kStepEntryText = IDM_STEP_TEXT;
inline constexpr char kPopulationsKey = 'P';
inline constexpr char kStepKey = 'S';
// The entry that puts the session so far on the clipboard (SessionRecorder).
inline constexpr std::string_view kCopySessionEntryText = "&Copy session";

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
