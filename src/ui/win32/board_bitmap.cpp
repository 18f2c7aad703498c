#include "ui/win32/board_bitmap.h"

#include "ui/win32/board_background.h"

BoardBitmap::BoardBitmap() : memoryDc_(CreateCompatibleDC(nullptr)) {}

BoardBitmap::~BoardBitmap() {
  if (originalBitmap_ != nullptr) {
    SelectObject(memoryDc_, originalBitmap_);
  }
  DeleteObject(bitmap_);
  DeleteDC(memoryDc_);
}

void BoardBitmap::Resize(SIZE size) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
  ReleaseDC(nullptr, screen);
  if (bitmap == nullptr) {
    return;
  }

  HDC fresh = CreateCompatibleDC(memoryDc_);
  HGDIOBJ freshOriginal = SelectObject(fresh, bitmap);
  const RECT all{0, 0, size.cx, size.cy};
  FillRect(fresh, &all, BoardBackground());
  BitBlt(fresh, 0, 0, size_.cx, size_.cy, memoryDc_, 0, 0, SRCCOPY);
  SelectObject(fresh, freshOriginal);
  DeleteDC(fresh);

  HGDIOBJ previous = SelectObject(memoryDc_, bitmap);
  if (originalBitmap_ == nullptr) {
    originalBitmap_ = previous;
  }
  DeleteObject(bitmap_);
  bitmap_ = bitmap;
  size_ = size;
}

void BoardBitmap::PaintTo(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memoryDc_,
         area.left, area.top, SRCCOPY);
}
