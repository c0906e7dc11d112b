// The window fitted to the viewport: controls and chart scaled alike to the
// largest size that fits (above the operations' listing when it is shown),
// centred, the margins in the sky's colour; the screen's canvas at the
// device's pixels of that size, repainted by the page at every new size, pixel
// ratio or orientation. The printed page's canvas gets its print resolution,
// and its picture, when printing starts.
mergeInto(LibraryManager.library, {
  $fit__deps: ['$page', '$canvases'],
  $fit: {
    printScale: 3,  // [device pixels per window pixel] about 290 dots an inch on A4
    ratio: 1,

    // Lays the window out for the viewport; true when the screen's canvas
    // got a new size and must be painted again.
    apply: function () {
      var ratio = window.devicePixelRatio || 1;
      var operations = document.getElementById('ops');
      var root = document.documentElement;
      var width = root.clientWidth;
      var height = root.clientHeight - (operations.hidden ? 0 : operations.offsetHeight);
      var scale = Math.max(0, Math.min(width / page.windowWidth, height / page.windowHeight));
      // The canvas on whole device pixels, where the scaled window stands.
      var pixelsWide = Math.floor(page.windowWidth * scale * ratio);
      var pixelsHigh = Math.floor(page.windowHeight * scale * ratio);
      var left = Math.floor((width * ratio - pixelsWide) / 2) / ratio;
      var top = Math.floor((height * ratio - pixelsHigh) / 2) / ratio;

      var frame = document.getElementById('window');
      frame.style.transform = 'translate(' + left + 'px, ' + top + 'px) scale(' + scale + ')';
      // Focus marks stay at least two pixels wide however small the window is drawn.
      frame.style.setProperty('--mark', String(Math.max(1, 1 / scale)));

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
    // screen, the browser's zoom) or the orientation changes; draws the
    // printed page's picture when printing starts.
    follow: function () {
      window.addEventListener('resize', fit.refit);
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

  js_open_canvases__deps: ['$fit'],
  js_open_canvases: function (screenWords, printWords) {
    canvases.open(document.getElementById('chart'), screenWords);
    canvases.open(document.getElementById('print-chart'), printWords);
    fit.apply();
    fit.follow();
  },
});
