// Zoom and pan of the chart's canvas, forwarded to the page (web_wheel,
// web_zoom_key, web_gesture in window pixels). The wheel, and a touchpad's
// pinch that browsers send as one, zooms about the pointer; +, = and - zoom
// about the middle and 0 shows the whole view while the canvas has the focus;
// two fingers pinch and move the chart. While it is magnified, one finger or
// the mouse drags it, and the button 「全体を表示」 in its corner shows the
// whole view again; unmagnified, a finger on the chart scrolls the page.
mergeInto(LibraryManager.library, {
  $zooming__deps: ['$page', '$pointing'],
  $zooming: {
    keys: {'+': 0, '=': 0, '-': 1, '0': 2},  // as web_zoom_key
    notch: 120,  // [eighths of a degree] a wheel's notch, as web_wheel counts
    notchSizes: [100, 3, 1],  // a notch in each deltaMode: pixels, lines, pages
    margin: 8,  // [CSS pixels] between the button and the chart's corner
    canvas: null,
    magnified: false,
    // The pointers down on the canvas: id -> {x, y, dragged}, where the
    // drawing was last moved to by each [CSS pixels]; a single pointer's
    // place stays where it went down until it drags. A Map, made in follow.
    pointers: null,

    // Window pixels per CSS pixel, and a point of the viewport in window pixels.
    scale: function () {
      return page.windowWidth / zooming.canvas.getBoundingClientRect().width;
    },
    toWindow: function (x, y) {
      var box = zooming.canvas.getBoundingClientRect();
      var scale = zooming.scale();
      return [(x - box.left) * scale, (y - box.top) * scale];
    },

    wheel: function (event) {
      event.preventDefault();
      var notches = -event.deltaY / zooming.notchSizes[event.deltaMode];
      var at = zooming.toWindow(event.clientX, event.clientY);
      Module['_web_wheel'](notches * zooming.notch, at[0], at[1]);
    },

    // A pointer moved to (x, y): two fingers pinch and move the drawing about
    // their midpoint; one, on a magnified chart, drags it once it has gone
    // further than a click would.
    move: function (id, x, y) {
      var pointer = zooming.pointers.get(id);
      if (pointer === undefined) return;
      var down = Array.from(zooming.pointers.values());
      var scale = zooming.scale();
      var at;
      if (down.length >= 2) {
        // One finger moves at a time: the midpoint goes half its way.
        var other = down[0] === pointer ? down[1] : down[0];
        var before = Math.hypot(pointer.x - other.x, pointer.y - other.y);
        var after = Math.hypot(x - other.x, y - other.y);
        at = zooming.toWindow((x + other.x) / 2, (y + other.y) / 2);
        pointing.pressed = null;  // a pinch names nothing
        Module['_web_gesture']((x - pointer.x) * scale / 2, (y - pointer.y) * scale / 2,
                               before > 0 && after > 0 ? after / before : 1, at[0], at[1]);
      } else {
        if (!zooming.magnified) return;
        if (!pointer.dragged && Math.hypot(x - pointer.x, y - pointer.y) <= pointing.clickReach) {
          return;
        }
        pointer.dragged = true;
        zooming.canvas.classList.add('dragged');
        at = zooming.toWindow(x, y);
        Module['_web_gesture']((x - pointer.x) * scale, (y - pointer.y) * scale, 1, at[0], at[1]);
      }
      pointer.x = x;
      pointer.y = y;
    },

    up: function (event) {
      zooming.pointers.delete(event.pointerId);
      if (zooming.pointers.size === 0) zooming.canvas.classList.remove('dragged');
    },

    // The button stays in the chart's bottom right corner, clear of the
    // window's controls, wherever the layout and the scroll put the chart, and
    // goes while that corner is out of sight.
    placeButton: function () {
      var button = document.getElementById('whole-view');
      if (button.hidden) return;
      var box = zooming.canvas.getBoundingClientRect();
      var right = Math.min(box.right, document.documentElement.clientWidth) - zooming.margin;
      var bottom = Math.min(box.bottom, window.innerHeight) - zooming.margin;
      var top = bottom - button.offsetHeight;
      button.style.left = right - button.offsetWidth + 'px';
      button.style.top = top + 'px';
      button.style.visibility = top < Math.max(box.top, 0) ? 'hidden' : 'visible';
    },

    // Given: the screen's canvas.
    follow: function (canvas) {
      zooming.canvas = canvas;
      zooming.pointers = new Map();
      canvas.addEventListener('wheel', zooming.wheel, {passive: false});
      canvas.addEventListener('keydown', function (event) {
        var key = zooming.keys[event.key];
        if (key === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
        event.preventDefault();
        Module['_web_zoom_key'](key);
      });
      canvas.addEventListener('pointerdown', function (event) {
        if (event.button !== 0) return;
        zooming.pointers.set(event.pointerId,
                             {x: event.clientX, y: event.clientY, dragged: false});
        if (event.pointerType === 'mouse') canvas.setPointerCapture(event.pointerId);
      });
      canvas.addEventListener('pointermove', function (event) {
        zooming.move(event.pointerId, event.clientX, event.clientY);
      });
      canvas.addEventListener('pointerup', zooming.up);
      canvas.addEventListener('pointercancel', zooming.up);
      // Two fingers on an unmagnified chart pinch it rather than scroll the page.
      canvas.addEventListener('touchmove', function (event) {
        if (event.touches.length >= 2 && event.cancelable) event.preventDefault();
      }, {passive: false});
      var button = document.getElementById('whole-view');
      button.addEventListener('click', function () {
        Module['_web_zoom_key'](zooming.keys['0']);
        canvas.focus({preventScroll: true});
      });
      window.addEventListener('scroll', zooming.placeButton, {passive: true});
      window.addEventListener('resize', zooming.placeButton);
    },
  },

  js_show_magnified__deps: ['$zooming'],
  js_show_magnified: function (magnified) {
    zooming.magnified = magnified !== 0;
    zooming.canvas.classList.toggle('magnified', zooming.magnified);
    document.getElementById('whole-view').hidden = !zooming.magnified;
    zooming.placeButton();
  },
});
