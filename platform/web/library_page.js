// The page's side of the board: it builds the elements the C++ side asks
// for and draws what it is told to draw (library_input.js hands over the
// pointer). It decides nothing about the board itself.
mergeInto(LibraryManager.library, {
  $Page: {
    form: null,
    board: null, ctx: null, width: 0, height: 0,
    // The chalk's canvas exists only while something is written on it: a
    // blank board costs neither its memory nor the time to fill it.
    chalk: null, chalkCtx: null, chalkBack: '#000',
    ratio: 1,
    letters: [],
    options: [],
    frame: 0,
    shown: false,
    ended: false,

    rgb: function(c) {
      return 'rgb(' + ((c >> 16) & 255) + ',' + ((c >> 8) & 255) + ',' + (c & 255) + ')';
    },

    // The family asked for first, then each device's own Japanese gothic.
    font: function(familyPtr, pixels, weight) {
      var family = UTF8ToString(familyPtr);
      var stack = '"MS PGothic", "Hiragino Kaku Gothic ProN", "Hiragino Sans", "Yu Gothic", YuGothic, ' +
                  'Meiryo, "Noto Sans CJK JP", "Noto Sans JP", IPAPGothic, sans-serif';
      return weight + ' ' + pixels + 'px ' + (family ? '"' + family + '", ' : '') + stack;
    },

    // A canvas whose backing store has device pixels, drawn on in board pixels.
    sizeCanvas: function(canvas) {
      canvas.width = Math.round(Page.width * Page.ratio);
      canvas.height = Math.round(Page.height * Page.ratio);
      var ctx = canvas.getContext('2d', {alpha: false});
      ctx.setTransform(canvas.width / Page.width, 0, 0, canvas.height / Page.height, 0, 0);
      return ctx;
    },

    makeBoard: function(width, height) {
      var board = document.createElement('canvas');
      board.tabIndex = 0;
      board.setAttribute('role', 'img');
      Page.board = board;
      Page.width = width;
      Page.height = height;
      Page.ratio = window.devicePixelRatio || 1;
      Page.ctx = Page.sizeCanvas(board);
      Page.watchRatio();
      return board;
    },

    // Browser zoom and a move to another screen change the device pixels:
    // the chalk is rescaled, never cleared, and the board drawn again. Where
    // the engine reports no change of `resolution` (Safari before 16), a
    // resize tells instead.
    watchRatio: function() {
      window.addEventListener('resize', Page.checkRatio);
      Page.watchResolution();
    },

    ratioQuery: null,
    watchResolution: function() {
      var old = Page.ratioQuery;
      if (old) {
        if (old.removeEventListener) old.removeEventListener('change', Page.checkRatio);
        else old.removeListener(Page.checkRatio);
      }
      if (!window.matchMedia) return;
      var query = Page.ratioQuery = matchMedia('(resolution: ' + Page.ratio + 'dppx)');
      if (query.addEventListener) query.addEventListener('change', Page.checkRatio);
      else if (query.addListener) query.addListener(Page.checkRatio);
    },

    checkRatio: function() {
      if ((window.devicePixelRatio || 1) != Page.ratio && !Page.ended) Page.rescale();
    },

    rescale: function() {
      Page.ratio = window.devicePixelRatio || 1;
      var old = Page.chalk;
      if (old) {
        var ctx = Page.newChalk();
        ctx.save();
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.drawImage(old, 0, 0, Page.chalk.width, Page.chalk.height);
        ctx.restore();
      }
      Page.ctx = Page.sizeCanvas(Page.board);
      _pb_repaint_all();
      Page.watchResolution();
    },

    newChalk: function() {
      Page.chalk = document.createElement('canvas');
      Page.chalkCtx = Page.sizeCanvas(Page.chalk);
      return Page.chalkCtx;
    },

    click: function(control) {
      if (!Page.ended) _pb_click(control);
    },
  },

  pbCreateForm__deps: ['$Page'],
  pbCreateForm: function(captionPtr, width, height, back, familyPtr, pixels, weight) {
    document.title = UTF8ToString(captionPtr);
    var form = document.createElement('div');
    form.id = 'Form1';
    form.style.width = width + 'px';
    form.style.height = height + 'px';
    form.style.background = Page.rgb(back);
    form.style.font = Page.font(familyPtr, pixels, weight);
    document.getElementById('host').appendChild(form);
    Page.form = form;
  },

  pbAddControl__deps: ['$Page', '$Input'],
  pbAddControl: function(control, kind, idPtr, index, captionPtr, left, top, width, height, fore, back,
                         familyPtr, pixels, weight, namePtr, descriptionPtr, heading, keysPtr) {
    var caption = UTF8ToString(captionPtr), element, focus;
    if (kind == 1) {
      element = focus = Page.makeBoard(width, height);
      Input.listen(element);
    } else if (kind == 2) {
      element = focus = document.createElement('button');
      element.type = 'button';
      element.textContent = caption;
      element.addEventListener('click', function() { Page.click(control); });
    } else if (kind == 3) {
      element = document.createElement('label');
      focus = document.createElement('input');
      focus.type = 'radio';
      focus.name = 'Option1';
      focus.addEventListener('click', function() { Page.click(control); });
      focus.addEventListener('keydown', function(e) {
        if (e.key == 'Enter') { e.preventDefault(); focus.click(); } // as Space does
      });
      // The caption chooses its button as a click on the circle does, without
      // the focus that every engine hands a label's control.
      element.addEventListener('click', function(e) {
        if (e.target === focus) return;
        e.preventDefault();
        focus.click();
      });
      element.appendChild(focus);
      element.appendChild(document.createTextNode(caption));
      Page.options[index] = focus;
    } else {
      element = document.createElement(heading ? 'h1' : 'div');
      element.textContent = caption;
    }
    element.id = UTF8ToString(idPtr) + (index >= 0 ? '_' + index : '');
    element.className = ['label', 'board', 'command', 'option'][kind];
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    element.style.width = width + 'px';
    element.style.height = height + 'px';
    if (fore >= 0) element.style.color = Page.rgb(fore);
    if (back >= 0) element.style.background = Page.rgb(back);
    if (familyPtr) element.style.font = Page.font(familyPtr, pixels, weight);
    if (kind == 0) element.style.lineHeight = height + 'px'; // one line, centred as a label's is
    var name = UTF8ToString(namePtr), description = UTF8ToString(descriptionPtr), keys = UTF8ToString(keysPtr);
    if (focus && name) focus.setAttribute('aria-label', name);
    if (focus && description) focus.setAttribute('aria-description', description);
    if (focus && keys) focus.setAttribute('aria-keyshortcuts', keys);
    Page.form.appendChild(element);
    if (kind == 1) Input.focusBoard();
  },

  pbSetCaption: function(captionPtr) {
    document.title = UTF8ToString(captionPtr);
  },

  pbEnd__deps: ['$Page'],
  pbEnd: function() {
    Page.ended = true;
    if (Page.frame) cancelAnimationFrame(Page.frame);
    Page.form.remove();
    document.getElementById('ended').hidden = false;
    // Browsers let a script close only a tab that a script opened, or one with
    // no history of its own; asking elsewhere only earns a warning.
    if (window.opener || history.length <= 1) window.close();
  },

  pbRequestFrame__deps: ['$Page'],
  pbRequestFrame: function() {
    Page.frame = requestAnimationFrame(function() {
      Page.frame = 0;
      if (Page.ended) return;
      _pb_frame();
      if (!Page.shown) performance.mark('board-shown'); // for the start-up benchmark
      Page.shown = true;
    });
  },

  pbBeginPaint__deps: ['$Page'],
  pbBeginPaint: function(left, top, width, height) {
    var ctx = Page.ctx;
    ctx.save();
    ctx.beginPath();
    ctx.rect(left, top, width, height);
    ctx.clip();
    if (!Page.chalk) {
      ctx.fillStyle = Page.chalkBack;
      ctx.fillRect(left, top, width, height);
    } else {
      var sx = Page.chalk.width / Page.width, sy = Page.chalk.height / Page.height;
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(Page.chalk, left * sx, top * sy, width * sx, height * sy, left, top, width, height);
    }
  },

  pbEndPaint__deps: ['$Page'],
  pbEndPaint: function() {
    Page.ctx.restore();
  },

  pbLine__deps: ['$Page'],
  pbLine: function(x1, y1, x2, y2, width, color) {
    var ctx = Page.ctx;
    if (x1 == x2 && y1 == y2) {
      ctx.fillStyle = Page.rgb(color);
      ctx.fillRect(x1 - width / 2, y1 - width / 2, width, width);
      return;
    }
    ctx.strokeStyle = Page.rgb(color);
    ctx.lineWidth = width;
    ctx.lineCap = 'square';
    ctx.lineJoin = 'miter';
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },

  pbAddLetter__deps: ['$Page'],
  pbAddLetter: function(letter, captionPtr, familyPtr, pixels, weight) {
    Page.letters[letter] = {text: UTF8ToString(captionPtr), font: Page.font(familyPtr, pixels, weight)};
  },

  pbLetter__deps: ['$Page'],
  pbLetter: function(letter, left, top, width, height, fore, back) {
    var ctx = Page.ctx, look = Page.letters[letter];
    ctx.save();
    ctx.beginPath();
    ctx.rect(left, top, width, height);
    ctx.clip();
    ctx.fillStyle = Page.rgb(back);
    ctx.fillRect(left, top, width, height);
    ctx.font = look.font;
    ctx.textBaseline = 'top';
    ctx.fillStyle = Page.rgb(fore);
    ctx.fillText(look.text, left, top);
    ctx.restore();
  },

  pbChalkClear__deps: ['$Page'],
  pbChalkClear: function(color) {
    Page.chalkBack = Page.rgb(color);
    Page.chalk = Page.chalkCtx = null;
  },

  pbChalkStroke__deps: ['$Page'],
  pbChalkStroke: function(x1, y1, x2, y2, width, color) {
    var ctx = Page.chalkCtx;
    if (!ctx) {
      ctx = Page.newChalk();
      ctx.fillStyle = Page.chalkBack;
      ctx.fillRect(0, 0, Page.width, Page.height);
    }
    ctx.fillStyle = ctx.strokeStyle = Page.rgb(color);
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

  pbOptionValue__deps: ['$Page'],
  pbOptionValue: function(index) {
    return Page.options[index].checked ? 1 : 0;
  },

  pbSetOptionValue__deps: ['$Page'],
  pbSetOptionValue: function(index, selected) {
    Page.options[index].checked = !!selected;
  },

  pbOptionEnabled__deps: ['$Page'],
  pbOptionEnabled: function(index) {
    return Page.options[index].disabled ? 0 : 1;
  },

  pbSetOptionEnabled__deps: ['$Page'],
  pbSetOptionEnabled: function(index, enabled) {
    var input = Page.options[index];
    input.disabled = !enabled;
    input.parentNode.classList.toggle('disabled', !enabled);
  },
});
