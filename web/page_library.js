// The browser's side of the planetarium page: the window's elements, the
// chart's words, the address, the timer, the clock and the stored start file
// (the canvases are in page_canvas.js and page_fit.js, the time zones in
// page_zones.js). The C++ page (web/page.cpp through web/js_browser.cpp)
// calls these functions; the elements call back into it through the exported
// web_ functions.
mergeInto(LibraryManager.library, {
  $page: {
    // The window's client area [window pixels]: the horizon line is 1034
    // pixels long and the direction words need room below it.
    windowWidth: 1040,
    windowHeight: 640,
    smallestFontPixels: 8,
    // Installed faces with the kana and kanji of the window, after the control's own.
    fallbackFaces: '"MS PGothic", "IPAPGothic", "IPAGothic", "Noto Sans CJK JP", ' +
        '"VL PGothic", sans-serif',
    windowFace: '',  // the window's default font, for the chart's text
    windowFontPixels: 0,
    elements: [],
    measure: null,  // a canvas context that only measures text
    colours: {},
    pageColour: -1,
    fitted: {},  // font sizes found by fitText, by face, room and text
    captions: {},  // button captions laid out by buttonCaption, by size, room and text
    buttonCaptionLines: 2,
    readout: null,  // the readout table and its rows, made with its first cell
    timer: null,
    scrolls: [],  // lists with a new selection, to be scrolled to it
    almanacOpener: null,  // what had the focus when the almanac's panel opened

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
      var pointer = page.copyToHeap(text, 0);
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
    // words has no blanks to break at); the lines together are the caption.
    captionLines: function (element, pixels, text) {
      var lines = [];
      var line = '';
      Array.from(text).forEach(function (character) {
        if (line !== '' && page.textWidth(element, pixels, line + character) > element.textRoom) {
          lines.push(line);
          line = '';
        }
        line += character;
      });
      if (line !== '') lines.push(line);
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
      // The caption is broken where the window breaks it, by a blank or a
      // <wbr>, which adds no character; its name is the caption in one line,
      // as the browser would otherwise put a blank where a line wraps.
      var button = element.control;
      button.style.fontSize = caption.pixels + 'px';
      button.setAttribute('aria-label', text);
      button.textContent = '';
      caption.lines.forEach(function (line, index) {
        var previous = caption.lines[index - 1];
        if (index > 0 && !/\s$/.test(previous) && !/^\s/.test(line)) {
          button.appendChild(document.createElement('wbr'));
        }
        button.appendChild(document.createTextNode(line));
      });
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

    // The readout cells are a table for assistive technology, named as the
    // button that fills it, with a row of column names that is not shown (the
    // names of row 0's cells); they keep their places in the window.
    readoutRow: function (row, columnName) {
      if (page.readout === null) {
        var table = document.createElement('div');
        table.setAttribute('role', 'table');
        table.setAttribute('aria-label', '数値');
        var names = document.createElement('div');
        names.setAttribute('role', 'row');
        names.className = 'unseen';
        table.appendChild(names);
        document.getElementById('window').appendChild(table);
        page.readout = {table: table, names: names, rows: []};
      }
      var readout = page.readout;
      if (row === 0) {
        var name = document.createElement('div');
        name.setAttribute('role', 'columnheader');
        name.textContent = columnName;
        readout.names.appendChild(name);
      }
      if (readout.rows[row] === undefined) {
        readout.rows[row] = document.createElement('div');
        readout.rows[row].setAttribute('role', 'row');
        readout.table.appendChild(readout.rows[row]);
      }
      return readout.rows[row];
    },

    // A table of texts: its caption, a row of column headers, then rows
    // whose first cell is their header.
    almanacTable: function (caption, headings, rows) {
      var table = document.createElement('table');
      table.createCaption().textContent = caption;
      var head = table.createTHead().insertRow();
      headings.forEach(function (heading) {
        var cell = document.createElement('th');
        cell.scope = 'col';
        cell.textContent = heading;
        head.appendChild(cell);
      });
      var body = table.createTBody();
      rows.forEach(function (cells) {
        var row = body.insertRow();
        cells.forEach(function (text, index) {
          var cell = document.createElement(index === 0 ? 'th' : 'td');
          if (index === 0) cell.scope = 'row';
          cell.textContent = text;
          row.appendChild(cell);
        });
      });
      return table;
    },

    // The almanac's panel is a modal dialog: Escape closes it, as its button
    // does, and the focus goes back where it was when the panel opened.
    followAlmanac: function () {
      var dialog = document.getElementById('almanac');
      document.getElementById('almanac-close').addEventListener('click', function () {
        dialog.close();
      });
      dialog.addEventListener('close', function () {
        var opener = page.almanacOpener;
        page.almanacOpener = null;
        if (opener && opener.isConnected) opener.focus();
      });
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

  },

  js_open_page__deps: ['$page'],
  js_open_page: function (windowFontFace, windowFontPixels) {
    page.windowFace = UTF8ToString(windowFontFace);
    page.windowFontPixels = windowFontPixels;
    page.measure = document.createElement('canvas').getContext('2d');
    page.followAlmanac();
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

  js_add_element__deps: ['$page', '$narrow'],
  js_add_element: function (id, kind, left, top, width, height, stackLevel, face, fontPixels, bold,
                            transparent, accessibleName, cellRow, columnName) {
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
      // The edit is finished by Enter or by leaving the box (a button pressed
      // takes the focus too): the animation, which waits meanwhile, goes on.
      control.addEventListener('blur', function () {
        Module['_web_edit_finished']();
      });
      control.addEventListener('keydown', function (event) {
        if (event.key === 'Enter') Module['_web_edit_finished']();
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
    var name = UTF8ToString(accessibleName);
    if (name !== '') control.setAttribute('aria-label', name);
    element.root = root;
    element.control = control;
    page.elements[id] = element;
    if (cellRow >= 0) {
      root.setAttribute('role', 'cell');
      page.readoutRow(cellRow, UTF8ToString(columnName)).appendChild(root);
    } else {
      narrow.add(element, {left: left, top: top, width: width, height: height});
    }
  },

  js_set_text__deps: ['$page', '$narrow'],
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
      if (element.kind === 'label') narrow.captionChanged(element);
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

  // The listing takes the foot of the viewport; the window is fitted above it
  // before the next frame, outside the paint that showed it.
  js_show_operations__deps: ['$fit'],
  js_show_operations: function (text) {
    var operations = document.getElementById('ops');
    operations.textContent = UTF8ToString(text);
    if (!operations.hidden) return;
    operations.hidden = false;
    document.body.classList.add('listing');
    window.requestAnimationFrame(fit.refit);
  },

  js_describe_chart: function (words) {
    var description = document.getElementById('chart-words');
    var text = UTF8ToString(words);
    if (description.textContent !== text) description.textContent = text;
  },

  js_announce: function (words) {
    document.getElementById('chart-news').textContent = UTF8ToString(words);
  },

  js_show_almanac__deps: ['$page'],
  js_show_almanac: function (words, title, columns, bodies, facts) {
    var word = UTF8ToString(words).split('\t');
    var lines = function (pointer) {
      var text = UTF8ToString(pointer);
      return text === '' ? [] : text.split('\n').map(function (line) { return line.split('\t'); });
    };
    var dialog = document.getElementById('almanac');
    dialog.setAttribute('aria-label', word[0]);
    document.getElementById('almanac-title').textContent = UTF8ToString(title);
    document.getElementById('almanac-close').textContent = word[5];
    var tables = document.getElementById('almanac-tables');
    tables.textContent = '';
    var headings = UTF8ToString(columns);
    if (headings !== '') {
      tables.appendChild(page.almanacTable(word[1], headings.split('\t'), lines(bodies)));
      tables.appendChild(page.almanacTable(word[2], [word[3], word[4]], lines(facts)));
    }
    if (!dialog.open) {
      page.almanacOpener = document.activeElement;
      dialog.showModal();
    }
  },

  js_set_print_caption: function (text) {
    var caption = document.getElementById('print-caption');
    var value = UTF8ToString(text);
    if (caption.textContent !== value) caption.textContent = value;
  },

  // The address shares what is drawn; a browser that will not change it (a
  // file opened from disk, in some browsers) keeps the one it has. A pinch or
  // a turning wheel asks for a new address at every step, and browsers refuse
  // more than a few changes a second: a change that comes too soon after the
  // last one is made once the steps pause, the latest one only.
  $address: {
    spacing: 100,  // [milliseconds] between two changes at least
    written: -Infinity,  // [milliseconds] performance.now() of the last change
    pending: null,

    write: function (query) {
      address.written = performance.now();
      var search = query === '' ? '' : '?' + query;
      if (window.location.search === search) return;
      try {
        window.history.replaceState(window.history.state, '', search + window.location.hash);
      } catch (error) {
        // The address stays as it was.
      }
    },
  },

  js_replace_address_query__deps: ['$address'],
  js_replace_address_query: function (text) {
    var query = UTF8ToString(text);
    clearTimeout(address.pending);
    address.pending = null;
    var wait = address.written + address.spacing - performance.now();
    if (wait <= 0) {
      address.write(query);
      return;
    }
    address.pending = setTimeout(function () {
      address.pending = null;
      address.write(query);
    }, wait);
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
