#include "app/dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/dialog_units.h"
#include "sim/board.h"

namespace {

using dialog_layout::Control;
using dialog_layout::ControlKind;
using dialog_layout::kMainDialogControls;
using dialog_units::PixelRect;

PixelRect PixelsOf(const Control& control) {
  return dialog_units::ToPixels(control.rect);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(DialogLayoutTest, EveryControlLiesInTheClientAreaRightOfTheBoard) {
  EXPECT_LE(kBoardPixels, dialog_units::kClientHeight);
  for (const Control& control : kMainDialogControls) {
    const PixelRect rect = PixelsOf(control);
    EXPECT_GE(rect.left, kBoardPixels) << control.text;
    EXPECT_LE(rect.right, dialog_units::kClientWidth) << control.text;
    EXPECT_GE(rect.top, 0) << control.text;
    EXPECT_LE(rect.bottom, dialog_units::kClientHeight) << control.text;
  }
}

TEST(DialogLayoutTest, TheListStandsBetweenTheBoardAndTheButtons) {
  const PixelRect list = PixelsOf(*dialog_layout::FindControl(IDC_REPORT));
  for (const Control& control : kMainDialogControls) {
    if (control.kind == ControlKind::kPushButton) {
      EXPECT_GE(PixelsOf(control).left, list.right) << control.text;
    }
  }
}

// The template lets "Herbivore" overlap "Plant" by one unit, no more; nothing
// else touches.
TEST(DialogLayoutTest, NoControlsOverlapButPlantAndHerbivore) {
  for (std::size_t i = 0; i < kMainDialogControls.size(); ++i) {
    for (std::size_t j = i + 1; j < kMainDialogControls.size(); ++j) {
      const Control& a = kMainDialogControls[i];
      const Control& b = kMainDialogControls[j];
      const bool allowed = a.id == IDC_PLANT && b.id == IDC_HERBIVORE;
      EXPECT_EQ(Overlap(PixelsOf(a), PixelsOf(b)), allowed) << a.text << " / " << b.text;
    }
  }
  const Control& plant = *dialog_layout::FindControl(IDC_PLANT);
  const Control& herbivore = *dialog_layout::FindControl(IDC_HERBIVORE);
  EXPECT_EQ(plant.rect.y + plant.rect.height - herbivore.rect.y, 1);
}

TEST(DialogLayoutTest, TabOrderOpensOnPlantAndEndsOnTheList) {
  EXPECT_EQ(kMainDialogControls.front().id, IDC_PLANT);
  EXPECT_EQ(kMainDialogControls.back().id, IDC_REPORT);
  std::set<int> ids;
  for (const Control& control : kMainDialogControls) {
    EXPECT_EQ(control.name.empty(), control.id == IDC_STATIC) << control.text;
    if (control.id != IDC_STATIC) {
      EXPECT_TRUE(ids.insert(control.id).second) << control.name;
    }
  }
}

TEST(DialogLayoutTest, TheAboutBoxHoldsItsControls) {
  const PixelRect box = dialog_units::ToPixels(0, 0, dialog_layout::kAboutBoxSize.width,
                                               dialog_layout::kAboutBoxSize.height);
  for (const auto& rect : {dialog_layout::kAboutIconRect, dialog_layout::kAboutNameRect,
                           dialog_layout::kAboutLine.rect, dialog_layout::kAboutOk.rect}) {
    const PixelRect pixels = dialog_units::ToPixels(rect);
    EXPECT_TRUE(pixels.left >= 0 && pixels.top >= 0 && pixels.right <= box.right &&
                pixels.bottom <= box.bottom);
  }
  EXPECT_FALSE(Overlap(dialog_units::ToPixels(dialog_layout::kAboutNameRect),
                       dialog_units::ToPixels(dialog_layout::kAboutOk.rect)));
}

}  // namespace
