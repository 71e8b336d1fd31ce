// The page's side of the board: it builds the elements the C++ side asks for
// and draws what it is told to draw. It decides nothing about the board itself.
mergeInto(LibraryManager.library, {
  $Page: {
    form: null,
    formWidth: 0, formHeight: 0, // the window as designed
    formLeft: 0, formTop: 0,     // where it stands in the viewport, in CSS pixels
    // CSS pixels per window pixel: the whole window as large as the viewport
    // allows, as a browser's zoom would show it. The layout itself never changes.
    scale: 1,
    ratio: 0, // device pixels per CSS pixel, from the first fit on
    controls: [], // every control but the board: {element, left, top} as designed
    board: null, boardLeft: 0, boardTop: 0, ctx: null, width: 0, height: 0,
    letters: [], options: [],
    frame: 0, shown: false, ended: false,
    // While a board kept before is being read back, nothing is drawn or
    // handed over; a frame asked for meanwhile is held until it is back.
    waiting: false, frameHeld: false,

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

    // A canvas of the board's device pixels, drawn on in board pixels; null
    // where the browser refuses it one (an iPad's canvas memory runs out).
    boardContext: function(canvas) {
      var ctx = null;
      try { ctx = canvas.getContext('2d', {alpha: false}); } catch (refused) { /* as null */ }
      if (ctx) Page.inBoardPixels(ctx);
      return ctx;
    },

    inBoardPixels: function(ctx) {
      ctx.setTransform(ctx.canvas.width / Page.width, 0, 0, ctx.canvas.height / Page.height, 0, 0);
    },

    makeBoard: function(left, top, width, height) {
      var board = document.createElement('canvas');
      board.tabIndex = 0;
      board.setAttribute('role', 'img');
      Page.board = board;
      Page.boardLeft = left;
      Page.boardTop = top;
      Page.width = width;
      Page.height = height;
      Fit.placeBoard();
      return board;
    },

    click: function(control) {
      if (!Page.waiting) _pb_click(control);
    },
  },

  pbCreateForm__deps: ['$Page', '$Fit'],
  pbCreateForm: function(captionPtr, width, height, back, familyPtr, pixels, weight) {
    document.title = UTF8ToString(captionPtr);
    var form = document.createElement('div');
    form.id = 'Form1';
    form.style.background = Page.rgb(back);
    form.style.font = Page.font(familyPtr, pixels, weight);
    document.documentElement.style.background = Page.rgb(back); // the viewport around the window
    document.getElementById('host').appendChild(form);
    Page.form = form;
    Page.formWidth = width;
    Page.formHeight = height;
    window.addEventListener('resize', Fit.refit);
    Fit.refit();
  },

  pbAddControl__deps: ['$Page', '$Fit', '$Input'],
  pbAddControl: function(control, kind, idPtr, index, captionPtr, left, top, width, height, fore, back,
                         familyPtr, pixels, weight, namePtr, descriptionPtr, heading, keysPtr) {
    var caption = UTF8ToString(captionPtr), element, focus;
    if (kind == 1) {
      element = focus = Page.makeBoard(left, top, width, height);
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
    if (kind != 1) {
      element.style.width = width + 'px';
      element.style.height = height + 'px';
      var placed = {element: element, left: left, top: top}; // (`control` is the row, for clicks)
      Page.controls.push(placed);
      Fit.placeControl(placed);
    }
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

  pbEnd__deps: ['$Page', '$Keep'],
  pbEnd: function() {
    Page.ended = true;
    Keep.forget(); // opened again, the page starts afresh
    if (Page.frame) cancelAnimationFrame(Page.frame);
    Page.form.remove();
    document.getElementById('ended').hidden = false;
    // Browsers let a script close only a tab that a script opened, or one with
    // no history of its own; asking elsewhere only earns a warning.
    if (window.opener || history.length <= 1) window.close();
  },

  pbBoardDeviceWidth__deps: ['$Page'],
  pbBoardDeviceWidth: function() {
    return Page.board.width;
  },

  pbBoardDeviceHeight__deps: ['$Page'],
  pbBoardDeviceHeight: function() {
    return Page.board.height;
  },

  pbRequestFrame__deps: ['$Page'],
  pbRequestFrame: function() {
    Page.frame = requestAnimationFrame(function() {
      Page.frame = 0;
      if (Page.ended) return;
      if (Page.waiting) return void (Page.frameHeld = true);
      _pb_frame();
      if (!Page.shown) performance.mark('board-shown'); // for the start-up benchmark
      Page.shown = true;
    });
  },

  pbBeginPaint__deps: ['$Page', '$Chalk'],
  // The device pixels given are cleared to the chalk beneath, pixel for
  // pixel; what is drawn next is in board pixels, inside them. 0 while the
  // browser refuses the board's canvas a context: nothing can be drawn.
  pbBeginPaint: function(left, top, width, height) {
    if (!Page.ctx) Page.ctx = Page.boardContext(Page.board);
    var ctx = Page.ctx;
    if (!ctx) return 0;
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.beginPath();
    ctx.rect(left, top, width, height);
    ctx.clip();
    Chalk.show(ctx, left, top, width, height);
    Page.inBoardPixels(ctx);
    return 1;
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
