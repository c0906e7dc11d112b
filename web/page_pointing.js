// "What is that?" on the chart's canvas. A click or a tap (a press released
// near where it went down: one that moves is left to a drag), and Left,
// Right, Home and End while the canvas has the focus, go to the page
// (web_point_at at the window pixels of the chart, web_step_object); the page
// answers with the panel naming the object (#object, a live region), shown
// above the object, clear of it and within the chart, or below it near the
// chart's top. The panel goes after some seconds, on Escape and when the page
// scrolls (web_dismiss_object).
mergeInto(LibraryManager.library, {
  $pointing__deps: ['$page'],
  $pointing: {
    clickReach: 10,  // [CSS pixels] a press that moves no further is a click or a tap
    clearance: 12,  // [window pixels] from the object's centre: the Moon's disc and a little more
    pointerHeight: 24,  // [CSS pixels] the mouse pointer below its tip
    margin: 4,  // [CSS pixels] kept from the chart's edges
    smallestFontPixels: 16,
    steps: {ArrowRight: 0, ArrowLeft: 1, Home: 2, End: 3},  // as web_step_object
    pressed: null,  // the press in progress: {id, x, y} [CSS pixels]
    timer: null,

    panel: function () {
      return document.getElementById('object');
    },

    shown: function () {
      return pointing.panel().textContent !== '';
    },

    dismiss: function () {
      if (pointing.shown()) Module['_web_dismiss_object']();
    },

    // Given: the screen's canvas.
    follow: function (canvas) {
      canvas.addEventListener('pointerdown', function (event) {
        if (!event.isPrimary || event.button !== 0) return;
        pointing.pressed = {id: event.pointerId, x: event.clientX, y: event.clientY};
      });
      canvas.addEventListener('pointercancel', function () {
        pointing.pressed = null;
      });
      canvas.addEventListener('pointerup', function (event) {
        var pressed = pointing.pressed;
        pointing.pressed = null;
        if (pressed === null || pressed.id !== event.pointerId ||
            Math.hypot(event.clientX - pressed.x, event.clientY - pressed.y) > pointing.clickReach) {
          return;
        }
        // The canvas's displayed size, whatever the layout and the device's pixels.
        var box = canvas.getBoundingClientRect();
        Module['_web_point_at']((event.clientX - box.left) * page.windowWidth / box.width,
                                (event.clientY - box.top) * page.windowHeight / box.height);
      });
      canvas.addEventListener('keydown', function (event) {
        var step = pointing.steps[event.key];
        if (step === undefined || event.altKey || event.ctrlKey || event.metaKey ||
            event.shiftKey) {
          return;
        }
        event.preventDefault();
        Module['_web_step_object'](step);
      });
      document.addEventListener('keydown', function (event) {
        if (event.key === 'Escape') pointing.dismiss();
      });
      window.addEventListener('scroll', pointing.dismiss, {passive: true});
    },

    // Puts the panel beside a point of the chart [window pixels].
    place: function (x, y) {
      var panel = pointing.panel();
      var box = document.getElementById('chart').getBoundingClientRect();
      var scale = box.width / page.windowWidth;  // [CSS pixels per window pixel]
      var left = Math.max(box.left, 0) + pointing.margin;
      var right = Math.min(box.right, document.documentElement.clientWidth) - pointing.margin;
      var top = Math.max(box.top, 0) + pointing.margin;
      panel.style.fontSize = Math.max(pointing.smallestFontPixels, 16 * scale) + 'px';
      panel.style.maxWidth = Math.max(0, right - left) + 'px';
      var width = panel.offsetWidth;
      var height = panel.offsetHeight;
      var centreX = box.left + x * scale;
      var centreY = box.top + y * scale;
      var clearance = pointing.clearance * scale;
      var above = centreY - clearance - height;
      panel.style.left = Math.max(left, Math.min(centreX - width / 2, right - width)) + 'px';
      panel.style.top = (above >= top ? above :
          centreY + Math.max(clearance, pointing.pointerHeight)) + 'px';
    },
  },

  js_show_object__deps: ['$pointing'],
  js_show_object: function (text, x, y, renewed, milliseconds) {
    var panel = pointing.panel();
    // A renewal (a tick of the animation) is not news to be read out again.
    panel.setAttribute('aria-live', renewed ? 'off' : 'polite');
    panel.textContent = UTF8ToString(text);
    pointing.place(x, y);
    if (renewed) return;
    clearTimeout(pointing.timer);
    pointing.timer = setTimeout(function () {
      pointing.timer = null;
      pointing.dismiss();
    }, milliseconds);
  },

  js_hide_object__deps: ['$pointing'],
  js_hide_object: function () {
    clearTimeout(pointing.timer);
    pointing.timer = null;
    pointing.panel().textContent = '';
  },
});
