// The window fitted to the viewport. On a screen of the window's proportions
// or wider the controls and the chart are scaled alike to the largest size
// that fits (above the operations' listing when it is shown), centred, the
// margins in the sky's colour. On a narrow screen (index.html says which) the
// chart spans the width and the controls flow beneath it at a finger's size
// (page_narrow.js). Either way the screen's canvas is at the device's pixels
// of the chart's size, repainted by the page at every new size, pixel ratio or
// orientation. The printed page's canvas gets its print resolution, and its
// picture, when printing starts.
mergeInto(LibraryManager.library, {
  $fit__deps: ['$page', '$canvases', '$narrow'],
  $fit: {
    printScale: 3,  // [device pixels per window pixel] about 290 dots an inch on A4
    ratio: 1,

    // True while the style sheet lays the page out for a narrow screen.
    isNarrow: function () {
      var root = document.documentElement;
      return window.getComputedStyle(root).getPropertyValue('--layout').trim() === 'narrow';
    },

    // Lays the window out for the viewport; true when the screen's canvas
    // got a new size and must be painted again.
    apply: function () {
      var ratio = window.devicePixelRatio || 1;
      var operations = document.getElementById('ops');
      var root = document.documentElement;
      var narrowed = fit.isNarrow();
      narrow.follow(narrowed);
      var width = root.clientWidth;
      var height = root.clientHeight - (operations.hidden ? 0 : operations.offsetHeight);
      // The narrow layout's chart spans the width, in the flow of the page.
      var scale = narrowed ? width / page.windowWidth :
          Math.max(0, Math.min(width / page.windowWidth, height / page.windowHeight));
      // The canvas on whole device pixels, where the scaled window stands.
      var pixelsWide = Math.floor(page.windowWidth * scale * ratio);
      var pixelsHigh = Math.floor(page.windowHeight * scale * ratio);
      var left = narrowed ? 0 : Math.floor((width * ratio - pixelsWide) / 2) / ratio;
      var top = narrowed ? 0 : Math.floor((height * ratio - pixelsHigh) / 2) / ratio;

      // The narrow layout's controls keep their own size.
      var frame = document.getElementById('window');
      frame.style.transform = narrowed ? '' :
          'translate(' + left + 'px, ' + top + 'px) scale(' + scale + ')';
      // Focus marks stay at least two pixels wide however small the window is drawn.
      frame.style.setProperty('--mark', String(narrowed ? 1 : Math.max(1, 1 / scale)));

      var canvas = canvases.list[0];
      var style = canvas.element.style;
      style.left = left + 'px';
      style.top = top + 'px';
      style.width = pixelsWide / ratio + 'px';
      style.height = pixelsHigh / ratio + 'px';
      if (canvas.element.width === pixelsWide && canvas.element.height === pixelsHigh &&
          fit.ratio === ratio) {
        return false;
      }
      fit.ratio = ratio;
      canvases.size(0, pixelsWide, pixelsHigh);
      return true;
    },

    refit: function () {
      if (fit.apply()) Module['_web_repaint']();
    },

    // Chromium announces a print twice (the event and the media query): the
    // picture is drawn once for each print.
    printing: false,

    print: function () {
      if (fit.printing) return;
      fit.printing = true;
      var width = page.windowWidth * fit.printScale;
      if (canvases.list[1].element.width !== width) {
        canvases.size(1, width, page.windowHeight * fit.printScale);
      }
      Module['_web_print']();
    },

    printEnded: function () {
      if (!fit.printing) return;
      fit.printing = false;
      Module['_web_print_ended']();
    },

    // Fits the window again whenever the viewport, the pixel ratio (another
    // screen, the browser's zoom) or the orientation changes, or a scroll bar
    // comes or goes beside the narrow layout; draws the printed page's
    // picture when printing starts.
    follow: function () {
      window.addEventListener('resize', fit.refit);
      new ResizeObserver(fit.refit).observe(document.documentElement);
      window.addEventListener('beforeprint', fit.print);
      window.addEventListener('afterprint', fit.printEnded);
      window.matchMedia('print').addEventListener('change', function (query) {
        if (query.matches) fit.print(); else fit.printEnded();
      });
      var watchRatio = function () {
        var query = window.matchMedia('(resolution: ' + fit.ratio + 'dppx)');
        query.addEventListener('change', function () {
          fit.refit();
          watchRatio();
        }, {once: true});
      };
      watchRatio();
    },
  },

  js_open_canvases__deps: ['$fit', '$pointing', '$zooming'],
  js_open_canvases: function (screenWords, printWords) {
    canvases.open(document.getElementById('chart'), screenWords);
    canvases.open(document.getElementById('print-chart'), printWords);
    fit.apply();
    fit.follow();
    pointing.follow(document.getElementById('chart'));
    zooming.follow(document.getElementById('chart'));
  },
});
