// BoardBitmap: the retained picture of the main dialog's client area. The
// board is drawn into it, and the dialog's paint handler copies from it, so
// what was drawn survives the window being covered and uncovered. Until the
// first drawing it holds the dialog's plain background.
#pragma once

#include <windows.h>

class BoardBitmap {
 public:
  BoardBitmap();
  ~BoardBitmap();
  BoardBitmap(const BoardBitmap&) = delete;
  BoardBitmap& operator=(const BoardBitmap&) = delete;

  // Gives the picture a new size, keeping what it shows at the top-left.
  void Resize(SIZE size);
  // The memory device context to draw into; it stays the same across Resize.
  HDC DeviceContext() const { return memoryDc_; }
  // Copies the part `area` of the picture to the same place of `target`.
  void PaintTo(HDC target, const RECT& area) const;

 private:
  HDC memoryDc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  SIZE size_{0, 0};
};
