// What the program asks of the page while it runs: the functions of
// page_calls.js, which hand each call to the page's script (site/page.js)
// through the object it gave the dialog. Texts are UTF-8, `length` bytes,
// not terminated.
#pragma once

#include <cstddef>

extern "C" {
void pastura_start_timer(int id, int periodMs);
void pastura_stop_timer(int id);
// The report list's lines joined by newlines; a line is never empty.
void pastura_show_report(const char* text, std::size_t length);
void pastura_set_iteration_text(const char* text, std::size_t length);
// All of the board's surface is new.
void pastura_show_board();
// The part (left, top, right, bottom) of the board's surface has changed.
void pastura_show_part(int left, int top, int right, int bottom);
// After every tick and spawn.
void pastura_show_populations();
}
