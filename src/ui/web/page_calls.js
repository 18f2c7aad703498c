// The program's calls into the page (see page_calls.h): each goes to the
// object the page gave the dialog, Module.page.
mergeInto(LibraryManager.library, {
  pastura_start_timer: function(id, periodMs) {
    Module['page'].startTimer(id, periodMs);
  },
  pastura_stop_timer: function(id) {
    Module['page'].stopTimer(id);
  },
  pastura_show_report: function(text, length) {
    Module['page'].showReport(UTF8ToString(text, length));
  },
  pastura_set_iteration_text: function(text, length) {
    Module['page'].setIterationText(UTF8ToString(text, length));
  },
  pastura_show_board: function() {
    Module['page'].showBoard();
  },
  pastura_show_part: function(left, top, right, bottom) {
    Module['page'].showPart(left, top, right, bottom);
  },
  pastura_show_populations: function() {
    Module['page'].showPopulations();
  },
});
