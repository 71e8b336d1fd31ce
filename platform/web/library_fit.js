// How the window is shown in the viewport: the whole of it, scaled evenly
// as large as the viewport allows and centred, as a browser's zoom would show
// it, with the board's canvas on whole device pixels. The layout itself never
// changes; what the fit finds is kept on Page (scale, ratio, the corner).
mergeInto(LibraryManager.library, {
  $Fit__deps: ['$Page', '$Chalk'],
  $Fit: {
    // The scale at which the whole window fits the viewport both ways: exactly
    // 1 where the viewport has the window's size. A viewport of no size (a
    // hidden frame) keeps the last one.
    fitScale: function() {
      var root = document.documentElement, width = root.clientWidth, height = root.clientHeight;
      if (!(width > 0 && height > 0)) return Page.scale;
      return Math.min(width / Page.formWidth, height / Page.formHeight);
    },

    // The window centred in the viewport, its corner on a whole device pixel
    // so that the board's can be too, and every control in it at the scale.
    placeForm: function() {
      var root = document.documentElement, s = Page.scale, r = Page.ratio, style = Page.form.style;
      var width = Page.formWidth * s, height = Page.formHeight * s;
      Page.formLeft = Math.round(Math.max(0, (root.clientWidth - width) / 2) * r) / r;
      Page.formTop = Math.round(Math.max(0, (root.clientHeight - height) / 2) * r) / r;
      style.left = Page.formLeft + 'px';
      style.top = Page.formTop + 'px';
      style.width = width + 'px';
      style.height = height + 'px';
      style.setProperty('--scale', s); // the focus ring's width
      Page.controls.forEach(Fit.placeControl);
      if (Page.board) Fit.placeBoard();
    },

    // A control keeps its designed size and is scaled about its corner, so
    // that the browser draws its text, border and circle at the scale.
    placeControl: function(control) {
      var s = Page.scale, style = control.element.style;
      style.left = control.left * s + 'px';
      style.top = control.top * s + 'px';
      style.transform = s == 1 ? '' : 'scale(' + s + ')';
    },

    // The board's canvas covers whole device pixels and has a backing pixel
    // for each, so that the browser shows it without resampling.
    placeBoard: function() {
      var s = Page.scale, r = Page.ratio, style = Page.board.style;
      var left = Math.round((Page.formLeft + Page.boardLeft * s) * r);
      var top = Math.round((Page.formTop + Page.boardTop * s) * r);
      var width = Math.max(1, Math.round((Page.formLeft + (Page.boardLeft + Page.width) * s) * r) - left);
      var height = Math.max(1, Math.round((Page.formTop + (Page.boardTop + Page.height) * s) * r) - top);
      style.left = left / r - Page.formLeft + 'px';
      style.top = top / r - Page.formTop + 'px';
      style.width = width / r + 'px';
      style.height = height / r + 'px';
      Fit.sizeBoard(width, height);
    },

    ratioQuery: null,
    watchResolution: function() {
      var old = Fit.ratioQuery;
      if (old) {
        if (old.removeEventListener) old.removeEventListener('change', Fit.refit);
        else old.removeListener(Fit.refit);
      }
      if (!window.matchMedia) return;
      var query = Fit.ratioQuery = matchMedia('(resolution: ' + Page.ratio + 'dppx)');
      if (query.addEventListener) query.addEventListener('change', Fit.refit);
      else if (query.addListener) query.addListener(Fit.refit);
    },

    // A resize, a tablet turned round, full screen, the browser's zoom or a
    // move to another screen: the window is fitted again at once. Where the
    // engine reports no change of `resolution` (Safari before 16), the resize
    // that comes with it tells.
    refit: function() {
      if (Page.ended) return;
      var ratio = window.devicePixelRatio || 1;
      if (ratio != Page.ratio) {
        Page.ratio = ratio;
        Fit.watchResolution();
      }
      Page.scale = Fit.fitScale();
      Fit.placeForm();
    },

    // A new size in device pixels empties the canvas: the chalk is fitted to
    // it, and the board drawn again.
    sizeBoard: function(width, height) {
      var board = Page.board;
      if (Page.ctx && board.width == width && board.height == height) return;
      board.width = width;
      board.height = height;
      Page.ctx = Page.boardContext(board);
      Chalk.fit();
      _pb_resized();
    },
  },
});
