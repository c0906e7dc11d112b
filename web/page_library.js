// The browser's side of the planetarium page: the window's elements, the
// chart's canvas, the timer, the clock and the stored start file. The C++ page
// (web/page.cpp through web/js_browser.cpp) calls these functions; the
// elements call back into it through the exported web_ functions.
mergeInto(LibraryManager.library, {
  $page: {
    // The window's client area [CSS pixels]: the horizon line is 1034 pixels
    // long and the direction words need room below it.
    minWidth: 1040,
    minHeight: 640,
    smallestFontPixels: 8,
    // Installed faces with the kana and kanji of the window, after the control's own.
    fallbackFaces: '"MS PGothic", "IPAPGothic", "IPAGothic", "Noto Sans CJK JP", ' +
        '"VL PGothic", sans-serif',
    windowFace: '',  // the window's default font, for the chart's text
    windowFontPixels: 0,
    elements: [],
    canvas: null,
    context: null,
    measure: null,  // a canvas context that only measures text
    ratio: 1,
    width: 0,
    height: 0,
    colours: {},
    pageColour: -1,
    fitted: {},  // font sizes found by fitText, by face, room and text
    captions: {},  // button captions laid out by buttonCaption, by size, room and text
    buttonCaptionLines: 2,
    fill: '',
    stroke: '',
    textAscent: 0,
    drawn: 0,  // operations drawn since the canvas was last cleared
    // The grid's thousands of dots in one colour are gathered in one path and
    // filled at once, before anything else is drawn over them.
    dotColour: null,
    timer: null,
    scrolls: [],  // lists with a new selection, to be scrolled to it

    colour: function (rgb) {
      var css = page.colours[rgb];
      if (css === undefined) {
        css = '#' + (0x1000000 + rgb).toString(16).slice(1);
        page.colours[rgb] = css;
      }
      return css;
    },

    font: function (face, pixels, bold) {
      return (bold ? 'bold ' : '') + pixels + 'px "' + face + '", ' + page.fallbackFaces;
    },

    // Calls an exported function of the page with a text as its second argument.
    callWithText: function (name, id, text) {
      var size = lengthBytesUTF8(text) + 1;
      var pointer = _malloc(size);
      stringToUTF8(text, pointer, size);
      Module[name](id, pointer);
      _free(pointer);
    },

    copyToHeap: function (text, lengthPointer) {
      var size = lengthBytesUTF8(text) + 1;
      var pointer = _malloc(size);
      stringToUTF8(text, pointer, size);
      if (lengthPointer) HEAP32[lengthPointer >> 2] = size - 1;
      return pointer;
    },

    // The canvas covers the viewport, at least the window's client area, at
    // the screen's own pixel ratio so that lines and text stay sharp.
    sizeCanvas: function () {
      page.ratio = window.devicePixelRatio || 1;
      page.width = Math.max(window.innerWidth, page.minWidth);
      page.height = Math.max(window.innerHeight, page.minHeight);
      var frame = document.getElementById('window');
      frame.style.width = page.width + 'px';
      frame.style.height = page.height + 'px';
      page.canvas.style.width = page.width + 'px';
      page.canvas.style.height = page.height + 'px';
      page.canvas.width = Math.round(page.width * page.ratio);
      page.canvas.height = Math.round(page.height * page.ratio);
      page.context.setTransform(page.ratio, 0, 0, page.ratio, 0, 0);
      page.fill = '';
      page.stroke = '';
      page.context.lineWidth = 1;
    },

    repaintWhenResized: function () {
      var repaint = function () {
        page.sizeCanvas();
        Module['_web_repaint']();
      };
      window.addEventListener('resize', repaint);
      // A new pixel ratio (another screen, zoom) without a change of size.
      var watchRatio = function () {
        var query = window.matchMedia('(resolution: ' + page.ratio + 'dppx)');
        query.addEventListener('change', function () {
          repaint();
          watchRatio();
        }, {once: true});
      };
      watchRatio();
    },

    textWidth: function (element, pixels, text) {
      page.measure.font = page.font(element.face, pixels, element.bold);
      return page.measure.measureText(text).width;
    },

    // The largest font size, from the element's own down to the smallest,
    // at which its text fits; widths grow with the size, so the search
    // starts from the size the width at the element's own size suggests.
    fittingPixels: function (element, text) {
      var largest = element.fontPixels;
      var width = page.textWidth(element, largest, text);
      if (width <= element.textRoom) return largest;
      var pixels = Math.floor(largest * element.textRoom / width);
      pixels = Math.min(largest - 1, Math.max(page.smallestFontPixels, pixels));
      while (pixels > page.smallestFontPixels &&
             page.textWidth(element, pixels, text) > element.textRoom) {
        pixels -= 1;
      }
      while (pixels + 1 < largest && page.textWidth(element, pixels + 1, text) <= element.textRoom) {
        pixels += 1;
      }
      return pixels;
    },

    // The caption broken between characters into lines no wider than the
    // room, as many characters on each line as fit (a caption of Japanese
    // words has no blanks to break at); the blank at a break is dropped.
    captionLines: function (element, pixels, text) {
      var lines = [];
      var line = '';
      Array.from(text).forEach(function (character) {
        if (line !== '' && page.textWidth(element, pixels, line + character) > element.textRoom) {
          lines.push(line.trim());
          line = '';
        }
        line += character;
      });
      if (line !== '') lines.push(line.trim());
      return lines;
    },

    // A button's caption as the window shows it: in at most two centred lines
    // at the button's own size, smaller only when two lines do not hold it.
    buttonCaption: function (element, text) {
      var pixels = element.fontPixels;
      for (;; pixels -= 1) {
        var lines = page.captionLines(element, pixels, text);
        page.measure.font = page.font(element.face, pixels, element.bold);
        var metrics = page.measure.measureText(text);
        var lineHeight = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
        var fits = lines.length <= page.buttonCaptionLines &&
            lines.length * lineHeight <= element.textHeight;
        if (fits || pixels <= page.smallestFontPixels) return {pixels: pixels, lines: lines};
      }
    },

    showButtonCaption: function (element, text) {
      var key = element.fontPixels + ':' + element.textRoom + ':' + text;
      var caption = page.captions[key];
      if (caption === undefined) {
        caption = page.buttonCaption(element, text);
        page.captions[key] = caption;
      }
      element.control.style.fontSize = caption.pixels + 'px';
      element.control.textContent = caption.lines.join('\n');
    },

    // Shrinks the font of a text box until its text fits.
    fitText: function (element, text) {
      var key = element.face + element.bold + element.fontPixels + ':' + element.textRoom + ':' +
          text;
      var pixels = page.fitted[key];
      if (pixels === undefined) {
        pixels = page.fittingPixels(element, text);
        page.fitted[key] = pixels;
      }
      element.control.style.fontSize = pixels + 'px';
    },

    fillDots: function () {
      if (page.dotColour === null) return;
      page.setFill(page.dotColour);
      page.context.fill();
      page.dotColour = null;
    },

    // A whole item at the top, the selection the last item wholly in sight,
    // as the window's lists scroll.
    scrollToSelections: function () {
      page.scrolls.forEach(function (list) {
        var row = list.selectedIndex;
        if (row < 0) return;
        var itemHeight = list.options[row].offsetHeight || 1;
        var wholeItems = Math.max(1, Math.floor(list.clientHeight / itemHeight));
        var top = list.scrollTop / itemHeight;
        if (row < top) {
          list.scrollTop = row * itemHeight;
        } else if (row >= top + wholeItems) {
          list.scrollTop = (row - wholeItems + 1) * itemHeight;
        }
      });
      page.scrolls = [];
    },

    setFill: function (css) {
      if (page.fill !== css) {
        page.context.fillStyle = css;
        page.fill = css;
      }
    },

    setStroke: function (css) {
      if (page.stroke !== css) {
        page.context.strokeStyle = css;
        page.stroke = css;
      }
    },
  },

  js_open_page__deps: ['$page'],
  js_open_page: function (windowFontFace, windowFontPixels) {
    page.windowFace = UTF8ToString(windowFontFace);
    page.windowFontPixels = windowFontPixels;
    page.canvas = document.getElementById('chart');
    page.context = page.canvas.getContext('2d');
    page.measure = document.createElement('canvas').getContext('2d');
    page.sizeCanvas();
    page.repaintWhenResized();
  },

  js_set_title__deps: ['$page'],
  js_set_title: function (text) {
    var title = UTF8ToString(text);
    if (document.title !== title) document.title = title;
  },

  js_set_page_colour__deps: ['$page'],
  js_set_page_colour: function (rgb) {
    if (page.pageColour === rgb) return;
    page.pageColour = rgb;
    document.body.style.backgroundColor = page.colour(rgb);
  },

  js_add_element__deps: ['$page'],
  js_add_element: function (id, kind, left, top, width, height, stackLevel, face, fontPixels, bold,
                            tabIndex, transparent, accessibleName) {
    var kinds = ['list', 'text', 'label', 'option', 'check', 'button'];
    var element = {
      kind: kinds[kind],
      face: UTF8ToString(face),
      fontPixels: fontPixels,
      bold: bold !== 0,
      transparent: transparent !== 0,
      text: null,
      items: null,
    };
    var root;
    var control;
    if (element.kind === 'list') {
      root = control = document.createElement('select');
      control.size = 2;
      control.addEventListener('change', function () {
        Module['_web_select'](id, control.selectedIndex);
      });
    } else if (element.kind === 'text') {
      root = control = document.createElement('input');
      control.type = 'text';
      control.spellcheck = false;
      control.autocomplete = 'off';
      control.addEventListener('input', function () {
        page.fitText(element, control.value);
        page.callWithText('_web_edit', id, control.value);
      });
      // Room for the text inside the border and the margins either side.
      element.textRoom = width - 7;
    } else if (element.kind === 'label') {
      root = document.createElement('div');
      element.caption = root;
    } else if (element.kind === 'button') {
      root = control = document.createElement('button');
      control.type = 'button';
      control.addEventListener('click', function () {
        Module['_web_click'](id);
      });
      // Inside the button's bevel, 2 pixels, and clear of its focus frame at the sides.
      element.textRoom = width - 8;
      element.textHeight = height - 4;
    } else {
      root = document.createElement('label');
      control = document.createElement('input');
      control.type = element.kind === 'option' ? 'radio' : 'checkbox';
      if (element.kind === 'option') control.name = 'direction';
      control.addEventListener('change', function () {
        Module['_web_check'](id, control.checked ? 1 : 0);
      });
      element.caption = document.createElement('span');
      root.appendChild(control);
      root.appendChild(element.caption);
    }
    root.className = 'control ' + element.kind;
    var style = root.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    style.zIndex = stackLevel;
    style.font = page.font(element.face, fontPixels, element.bold);
    if (element.transparent) style.pointerEvents = 'none';
    if (control) control.tabIndex = tabIndex;
    var name = UTF8ToString(accessibleName);
    if (name !== '') (control || root).setAttribute('aria-label', name);
    element.root = root;
    element.control = control;
    page.elements[id] = element;
    document.getElementById('window').appendChild(root);
  },

  js_set_text__deps: ['$page'],
  js_set_text: function (id, text) {
    var element = page.elements[id];
    var value = UTF8ToString(text);
    if (element.text === value) return;
    element.text = value;
    if (element.kind === 'text') {
      if (element.control.value !== value) element.control.value = value;
      page.fitText(element, value);
    } else if (element.kind === 'button') {
      page.showButtonCaption(element, value);
    } else {
      element.caption.textContent = value;
    }
  },

  js_set_items__deps: ['$page'],
  js_set_items: function (id, itemsByLine) {
    var element = page.elements[id];
    var lines = UTF8ToString(itemsByLine);
    if (element.items === lines) return;
    element.items = lines;
    var list = element.control;
    list.textContent = '';
    if (lines === '') return;
    lines.split('\n').forEach(function (item) {
      var option = document.createElement('option');
      option.textContent = item;
      list.appendChild(option);
    });
  },

  js_set_selection__deps: ['$page'],
  js_set_selection: function (id, row) {
    var list = page.elements[id].control;
    if (list.selectedIndex === row) return;
    list.selectedIndex = row;
    if (row < 0) return;
    // Scrolled to a new selection only, so that a tick leaves the user's
    // scrolling alone; before the next frame, when the page is laid out anyway.
    if (page.scrolls.length === 0) window.requestAnimationFrame(page.scrollToSelections);
    page.scrolls.push(list);
  },

  js_set_checked__deps: ['$page'],
  js_set_checked: function (id, checked) {
    var control = page.elements[id].control;
    if (control.checked !== (checked !== 0)) control.checked = checked !== 0;
  },

  js_set_colours__deps: ['$page'],
  js_set_colours: function (id, back, text) {
    var element = page.elements[id];
    var key = back + ':' + text;
    if (element.colours === key) return;
    element.colours = key;
    var painted = element.kind === 'text' || element.kind === 'list' ? element.control : element.root;
    painted.style.backgroundColor = element.transparent ? 'transparent' : page.colour(back);
    painted.style.color = page.colour(text);
  },

  js_disable_elements__deps: ['$page'],
  js_disable_elements: function () {
    page.elements.forEach(function (element) {
      if (element.control) element.control.disabled = true;
    });
  },

  js_show_message: function (text) {
    var message = document.getElementById('message');
    message.textContent = UTF8ToString(text);
    message.hidden = message.textContent === '';
  },

  js_show_operations: function (text) {
    var operations = document.getElementById('ops');
    operations.textContent = UTF8ToString(text);
    operations.hidden = false;
  },

  js_canvas_clear__deps: ['$page'],
  js_canvas_clear: function (rgb) {
    page.dotColour = null;
    page.setFill(page.colour(rgb));
    page.context.fillRect(0, 0, page.width, page.height);
    page.drawn = 0;
  },

  js_canvas_line__deps: ['$page'],
  js_canvas_line: function (x1, y1, x2, y2, rgb) {
    var context = page.context;
    page.fillDots();
    page.setStroke(page.colour(rgb));
    context.beginPath();
    context.moveTo(Math.floor(x1) + 0.5, Math.floor(y1) + 0.5);
    context.lineTo(Math.floor(x2) + 0.5, Math.floor(y2) + 0.5);
    context.stroke();
    page.drawn += 1;
  },

  js_canvas_dot__deps: ['$page'],
  js_canvas_dot: function (x, y, rgb) {
    var css = page.colour(rgb);
    if (page.dotColour !== css) {
      page.fillDots();
      page.context.beginPath();
      page.dotColour = css;
    }
    page.context.rect(Math.floor(x), Math.floor(y), 1, 1);
    page.drawn += 1;
  },

  js_canvas_circle__deps: ['$page'],
  js_canvas_circle: function (x, y, radius, rgb, fillRgb) {
    var context = page.context;
    page.fillDots();
    context.beginPath();
    context.arc(x, y, Math.max(radius, 0.5), 0, 2 * Math.PI);
    if (fillRgb >= 0) {
      page.setFill(page.colour(fillRgb));
      context.fill();
    }
    page.setStroke(page.colour(rgb));
    context.stroke();
    page.drawn += 1;
  },

  js_canvas_text__deps: ['$page'],
  js_canvas_text: function (x, y, text) {
    var context = page.context;
    page.fillDots();
    context.font = page.font(page.windowFace, page.windowFontPixels, false);
    if (page.textAscent === 0) page.textAscent = context.measureText('月').fontBoundingBoxAscent;
    page.setFill('#ffffff');
    context.fillText(UTF8ToString(text), x, y + page.textAscent);
    page.drawn += 1;
  },

  // Marks the first paint that drew a chart, for the start-up measurement.
  js_canvas_painted__deps: ['$page'],
  js_canvas_painted: function () {
    page.fillDots();
    var root = document.documentElement;
    if (page.drawn > 0 && !root.hasAttribute('data-first-chart-ms')) {
      root.setAttribute('data-first-chart-ms', performance.now().toFixed(1));
    }
  },

  js_start_timer__deps: ['$page'],
  js_start_timer: function (milliseconds) {
    clearTimeout(page.timer);
    page.timer = setTimeout(function () {
      page.timer = null;
      Module['_web_tick']();
    }, milliseconds);
  },

  js_stop_timer__deps: ['$page'],
  js_stop_timer: function () {
    clearTimeout(page.timer);
    page.timer = null;
  },

  // The boxes hold Japan Standard Time (UT + 9 h all year), wherever the browser is.
  js_now: function (fields) {
    var japan = new Date(Date.now() + 9 * 3600 * 1000);
    var values = [japan.getUTCFullYear(), japan.getUTCMonth() + 1, japan.getUTCDate(),
      japan.getUTCHours(), japan.getUTCMinutes()];
    for (var i = 0; i < values.length; i++) HEAP32[(fields >> 2) + i] = values[i];
  },

  // Storage may be switched off or full: the start file is then missing or not written.
  js_read_storage__deps: ['$page', 'malloc'],
  js_read_storage: function (key, lengthPointer) {
    var text = null;
    try {
      text = window.localStorage.getItem(UTF8ToString(key));
    } catch (error) {
      text = null;
    }
    return text === null ? 0 : page.copyToHeap(text, lengthPointer);
  },

  js_write_storage__deps: ['$page', 'malloc'],
  js_write_storage: function (key, text) {
    try {
      window.localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
      return 0;
    } catch (error) {
      return page.copyToHeap(String(error && error.name ? error.name : error), 0);
    }
  },

  js_address_query__deps: ['$page', 'malloc'],
  js_address_query: function () {
    return page.copyToHeap(window.location.search.substring(1), 0);
  },
});
