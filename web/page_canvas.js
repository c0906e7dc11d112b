// The chart's canvases: the screen's, at the device's pixels of the window's
// scaled size, and the printed page's, at print resolution. Both are drawn in
// window pixels (the window's 1040 x 640 client area) scaled to their own
// pixels, so that lines and text are drawn afresh at every size instead of
// stretched. Canvas 0 is the screen's, 1 the printed page's (web::Picture).
mergeInto(LibraryManager.library, {
  $canvases__deps: ['$page'],
  $canvases: {
    list: [],

    // Given: a canvas element and the colour of the chart's words.
    open: function (element, words) {
      canvases.list.push({
        element: element,
        context: element.getContext('2d'),
        words: words,
        scaleX: 1,  // [device pixels per window pixel]
        scaleY: 1,
        line: 1,  // [device pixels] the width of a one-pixel line of the window
        fill: '',
        stroke: '',
        textAscent: 0,  // [window pixels] of the chart's font
        drawn: 0,  // operations drawn since the canvas was last cleared
        // The grid's thousands of dots in one colour are gathered in one path
        // and filled at once, before anything else is drawn over them.
        dotColour: null,
      });
    },

    // Gives a canvas its size in its own pixels; what it held is lost.
    size: function (index, width, height) {
      var surface = canvases.list[index];
      surface.element.width = width;
      surface.element.height = height;
      surface.scaleX = width / page.windowWidth;
      surface.scaleY = height / page.windowHeight;
      surface.line = Math.max(1, Math.round(surface.scaleX));
      surface.context.setTransform(surface.scaleX, 0, 0, surface.scaleY, 0, 0);
      surface.context.lineWidth = surface.line / surface.scaleX;
      surface.fill = '';
      surface.stroke = '';
    },

    // A window coordinate moved onto the middle of a line's device pixels, so
    // that level lines cover whole pixels.
    onPixels: function (coordinate, scale, line) {
      return (Math.floor(coordinate * scale) + line / 2) / scale;
    },

    fillDots: function (surface) {
      if (surface.dotColour === null) return;
      canvases.setFill(surface, surface.dotColour);
      surface.context.fill();
      surface.dotColour = null;
    },

    setFill: function (surface, css) {
      if (surface.fill !== css) {
        surface.context.fillStyle = css;
        surface.fill = css;
      }
    },

    setStroke: function (surface, css) {
      if (surface.stroke !== css) {
        surface.context.strokeStyle = css;
        surface.stroke = css;
      }
    },
  },

  js_canvas_clear__deps: ['$canvases'],
  js_canvas_clear: function (index, rgb) {
    var surface = canvases.list[index];
    surface.dotColour = null;
    canvases.setFill(surface, page.colour(rgb));
    surface.context.fillRect(0, 0, page.windowWidth, page.windowHeight);
    surface.drawn = 0;
  },

  js_canvas_line__deps: ['$canvases'],
  js_canvas_line: function (index, x1, y1, x2, y2, rgb, width) {
    var surface = canvases.list[index];
    var context = surface.context;
    canvases.fillDots(surface);
    canvases.setStroke(surface, page.colour(rgb));
    context.beginPath();
    if (width === 1) {
      context.moveTo(canvases.onPixels(x1, surface.scaleX, surface.line),
                     canvases.onPixels(y1, surface.scaleY, surface.line));
      context.lineTo(canvases.onPixels(x2, surface.scaleX, surface.line),
                     canvases.onPixels(y2, surface.scaleY, surface.line));
      context.stroke();
    } else {
      // A wider line: smooth, with round ends where the pieces of a figure meet.
      context.lineWidth = width;
      context.lineCap = 'round';
      context.moveTo(x1, y1);
      context.lineTo(x2, y2);
      context.stroke();
      context.lineWidth = surface.line / surface.scaleX;
      context.lineCap = 'butt';
    }
    surface.drawn += 1;
  },

  js_canvas_polygon__deps: ['$canvases'],
  js_canvas_polygon: function (index, xy, count, rgb) {
    var surface = canvases.list[index];
    var context = surface.context;
    canvases.fillDots(surface);
    canvases.setFill(surface, page.colour(rgb));
    context.beginPath();
    for (var i = 0; i < count; i++) {
      var x = HEAPF64[(xy >> 3) + 2 * i], y = HEAPF64[(xy >> 3) + 2 * i + 1];
      if (i === 0) context.moveTo(x, y); else context.lineTo(x, y);
    }
    context.closePath();
    context.fill();
    surface.drawn += 1;
  },

  // A square dot, one window pixel wide, on whole device pixels.
  js_canvas_dot__deps: ['$canvases'],
  js_canvas_dot: function (index, x, y, rgb) {
    var surface = canvases.list[index];
    var css = page.colour(rgb);
    if (surface.dotColour !== css) {
      canvases.fillDots(surface);
      surface.context.beginPath();
      surface.dotColour = css;
    }
    surface.context.rect(Math.floor(x * surface.scaleX) / surface.scaleX,
                         Math.floor(y * surface.scaleY) / surface.scaleY,
                         surface.line / surface.scaleX, surface.line / surface.scaleY);
    surface.drawn += 1;
  },

  js_canvas_circle__deps: ['$canvases'],
  js_canvas_circle: function (index, x, y, radius, rgb, fillRgb) {
    var surface = canvases.list[index];
    var context = surface.context;
    canvases.fillDots(surface);
    context.beginPath();
    context.arc(x, y, Math.max(radius, 0.5), 0, 2 * Math.PI);
    if (fillRgb >= 0) {
      canvases.setFill(surface, page.colour(fillRgb));
      context.fill();
    }
    canvases.setStroke(surface, page.colour(rgb));
    context.stroke();
    surface.drawn += 1;
  },

  js_canvas_text__deps: ['$canvases'],
  js_canvas_text: function (index, x, y, text) {
    var surface = canvases.list[index];
    var context = surface.context;
    canvases.fillDots(surface);
    context.font = page.font(page.windowFace, page.windowFontPixels, false);
    if (surface.textAscent === 0) {
      surface.textAscent = context.measureText('月').fontBoundingBoxAscent;
    }
    canvases.setFill(surface, page.colour(surface.words));
    context.fillText(UTF8ToString(text), x, y + surface.textAscent);
    surface.drawn += 1;
  },

  // Ends a paint; the screen's first paint of a chart is marked for the
  // start-up measurement.
  js_canvas_painted__deps: ['$canvases'],
  js_canvas_painted: function (index) {
    var surface = canvases.list[index];
    canvases.fillDots(surface);
    var root = document.documentElement;
    if (index === 0 && surface.drawn > 0 && !root.hasAttribute('data-first-chart-ms')) {
      root.setAttribute('data-first-chart-ms', performance.now().toFixed(1));
    }
  },
});
