// The chalk's canvas, and the one place that makes, fits, adopts and drops it.
// It exists only while something is written on it: a blank board costs
// neither its memory nor the time to fill it. It has a pixel for each device
// pixel of the board, and is drawn on in board pixels.
mergeInto(LibraryManager.library, {
  $Chalk__deps: ['$Page'],
  $Chalk: {
    canvas: null, ctx: null,
    // After a resize the canvas is a copy of `source`, the canvas last written
    // on, so that a tablet turned back and forth loses nothing.
    source: null,
    back: '#000', // the board's colour, where nothing is written
    color: '#000', width: 1, // of the stroke drawn last, in board pixels

    // A new canvas of the board's device pixels, filled with `source` when
    // given. False, and the chalk as it was, where the browser refuses one.
    make: function(source) {
      var canvas = document.createElement('canvas'), ctx;
      canvas.width = Page.board.width;
      canvas.height = Page.board.height;
      ctx = Page.boardContext(canvas);
      if (!ctx) return false;
      if (source) {
        ctx.save();
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.imageSmoothingQuality = 'high';
        ctx.drawImage(source, 0, 0, canvas.width, canvas.height);
        ctx.restore();
      } else {
        ctx.fillStyle = Chalk.back;
        ctx.fillRect(0, 0, Page.width, Page.height);
      }
      Chalk.canvas = canvas;
      Chalk.ctx = ctx;
      return true;
    },

    // The chalk at the board's present size, drawn from the canvas last
    // written on: rescaled, never cleared. Where no canvas can be had for it,
    // the chalk stays in `source` and is fitted at the next stroke.
    fit: function() {
      var source = Chalk.source || Chalk.canvas;
      if (!source) return;
      Chalk.canvas = Chalk.ctx = null;
      Chalk.source = source;
      if (source.width == Page.board.width && source.height == Page.board.height) {
        Chalk.canvas = source;
        Chalk.ctx = Page.boardContext(source);
        if (Chalk.ctx) Chalk.source = null;
        return;
      }
      Chalk.make(source);
    },

    // A picture kept before, as the chalk written last, fitted to the board.
    // False where the browser refuses the canvas to hold it.
    adopt: function(image) {
      var canvas = document.createElement('canvas'), ctx;
      canvas.width = image.naturalWidth;
      canvas.height = image.naturalHeight;
      ctx = canvas.getContext('2d', {alpha: false});
      if (!ctx) return false;
      ctx.drawImage(image, 0, 0);
      Chalk.drop();
      Chalk.source = canvas;
      Chalk.fit();
      return true;
    },

    drop: function() {
      Chalk.canvas = Chalk.ctx = Chalk.source = null;
    },

    // The chalk canvas at the board's size with a context to draw on: made
    // now where the browser refused it before, or blank where nothing is
    // written yet and `blank` is asked for. False while the browser refuses.
    ready: function(blank) {
      if (Chalk.ctx) return true;
      if (Chalk.source || Chalk.canvas) Chalk.fit();
      else if (blank) Chalk.make(null);
      return !!Chalk.ctx;
    },

    // The given device pixels of `ctx` become the chalk's, pixel for pixel.
    show: function(ctx, left, top, width, height) {
      Chalk.ready(false);
      if (!Chalk.canvas) {
        ctx.fillStyle = Chalk.back;
        ctx.fillRect(left, top, width, height);
      } else {
        ctx.imageSmoothingEnabled = false;
        ctx.drawImage(Chalk.canvas, left, top, width, height, left, top, width, height);
      }
    },
  },

  pbChalkClear__deps: ['$Chalk'],
  pbChalkClear: function(color) {
    Chalk.back = Page.rgb(color);
    Chalk.drop();
  },

  pbChalkStroke__deps: ['$Chalk'],
  // A stroke the browser gives no canvas for is lost, and only that stroke:
  // the chalk before it stays, and the next stroke tries again.
  pbChalkStroke: function(x1, y1, x2, y2, width, color) {
    if (!Chalk.ready(true)) return;
    Chalk.source = null; // written on, this canvas is the chalk now
    Chalk.color = Page.rgb(color);
    Chalk.width = width;
    var ctx = Chalk.ctx;
    ctx.fillStyle = ctx.strokeStyle = Chalk.color;
    ctx.beginPath();
    if (x1 == x2 && y1 == y2) {
      ctx.arc(x1, y1, width / 2, 0, 2 * Math.PI);
      ctx.fill();
      return;
    }
    ctx.lineWidth = width;
    ctx.lineCap = 'round';
    ctx.lineJoin = 'round';
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },
});
