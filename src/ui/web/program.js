// The program as the page's script (site/page.js) sees it, over the
// functions exports.cpp exports: the description of its dialogs (see
// description.h), whose members it takes on once it has started, with the
// least and the most scale the board is drawn at; boardSize(scale); and
// openDialog(page, seed, scale), the page's one dialog, which calls `page`
// as page_calls.h says.

addOnInit(() => Object.assign(Module, JSON.parse(UTF8ToString(_pastura_description())),
                              {leastScale: _pastura_least_scale(), mostScale: _pastura_most_scale()}));

Module['boardSize'] = (scale) => ({width: _pastura_board_width(scale),
                                   height: _pastura_board_height(scale)});

// `count` words of the module's memory at `pointer`.
const wordsAt = (pointer, count) => Array.from(HEAP32.subarray(pointer >> 2, (pointer >> 2) + count));

// The pixels of the surface whose words surfaceAt() returns, viewed in
// place as an ImageData, which is made anew only for a new surface or a
// grown memory: valid until the next call into the program.
const surfaceImage = (surfaceAt) => {
  let image = null;
  return () => {
    const [pixels, width, height] = wordsAt(surfaceAt(), 3);
    if (!image || image.data.buffer !== HEAPU8.buffer || image.data.byteOffset !== pixels ||
        image.width !== width || image.height !== height) {
      image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4),
                            width, height);
    }
    return image;
  };
};

// A text given to the program, in its memory for the call `use(pointer,
// length)` alone; null if it has no room for it.
const withText = (text, use) => {
  const bytes = new TextEncoder().encode(text);
  const pointer = _malloc(bytes.length + 1);
  if (!pointer) {
    return null;
  }
  HEAPU8.set(bytes, pointer);
  try {
    return use(pointer, bytes.length);
  } finally {
    _free(pointer);
  }
};

Module['openDialog'] = (page, seed, scale) => {
  Module['page'] = page;
  _pastura_open(seed, scale);
  return {
    command: (id) => _pastura_command(id),
    shown: () => _pastura_shown(),
    timer: (id) => _pastura_timer(id),
    step: () => _pastura_step(),
    setScale: (scale) => _pastura_set_scale(scale),
    showWholeBoard: () => _pastura_show_whole_board(),
    boardImage: surfaceImage(() => _pastura_board_surface()),
    // The session so far as a link's run.
    run: () => UTF8ToString(_pastura_run()),
    // Plays a link's run; returns why it is malformed, or ''.
    playRun: (run) => withText(run, (pointer, length) =>
      UTF8ToString(_pastura_play_run(pointer, length))) ?? 'too long to read',
    counts: () => {
      const [plants, herbivores, carnivores] = wordsAt(_pastura_counts(), 3);
      return {plants, herbivores, carnivores};
    },
    // Draws the chart at `scale`; returns the parts it drew on, each
    // [left, top, right, bottom].
    chart: (scale) => Array.from({length: _pastura_draw_chart(scale)},
                                 (_, i) => wordsAt(_pastura_chart_part(i), 4)),
    chartImage: surfaceImage(() => _pastura_chart_surface()),
  };
};
