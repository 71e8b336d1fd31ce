// Presses, moves and releases on the board, and the keys it has a use for,
// handed to the exported handlers
// with the desktop's meaning: Pointer Events where the browser has them,
// mouse and touch events where it does not. The pen tip and a finger are the
// left button.
//
// Which button went down or up is read from the change of the held buttons
// between events, never from `button` on a move: during a chord the engines
// disagree about it (WebKit reports 0 on the move after one).
//
// Nothing here cancels a press: WebKit sends a pen no more events once its
// pointerdown is cancelled. Scrolling, zooming, selection and callouts are
// kept off the board by its style instead.
mergeInto(LibraryManager.library, {
  $Input__deps: ['$Page'],
  $Input: {
    held: 0,         // the DOM `buttons` bits the handlers were last told of
    pointerId: null, // the pointer that pressed, until it lets go
    touchId: null,   // the same for a touch, where there are no pointer events

    listen: function(board) {
      Input.board = board;
      if (window.PointerEvent && 'onpointerdown' in board) {
        Input.listenToPointers(board);
      } else {
        Input.listenToMouse(board);
        Input.listenToTouches(board);
      }
      Input.listenToKeys(board);
      // The menu stays off the board, and off the page while the board holds
      // the pointer, where its presses count.
      document.addEventListener('contextmenu', function(e) {
        if (e.target === board || Input.holding()) e.preventDefault();
      }, true);
      // A press anywhere but on the board leaves the keyboard focus where it
      // was (buttons and radios still answer the click), so that a presenter's
      // remote still reaches the board; so does a chord that Firefox sends to
      // the element under the pointer. The middle button's autoscroll stays
      // off the board as well.
      document.addEventListener('mousedown', function(e) {
        if (e.target !== board || e.button == 1) e.preventDefault();
      }, true);
    },

    // The board holds the keyboard from the start, so that a remote moves DE
    // from its first key; with no ring, as the keyboard did not bring it there.
    focusBoard: function() {
      Input.board.classList.add('quiet');
      Input.board.focus({preventScroll: true});
    },

    holding: function() { return Input.pointerId !== null || Input.held != 0; },

    // While the board holds a pointer, that pointer's events are taken where
    // the engine sends them: Firefox sends a second button pressed off the
    // board, chord and all, to the element under the pointer. An event aimed
    // at the board is left to the board's own listener, so each counts once.
    elsewhere: function(type, take) {
      document.addEventListener(type, function(e) {
        if (e.target !== Input.board && Input.holding()) take(e);
      }, true);
    },

    // A DOM `buttons` bit as the handlers code it: 1 left, 2 right and 4
    // middle are the same in both; any other button matches neither test.
    code: function(bit) { return bit & 7; },

    // The `buttons` bit of a DOM `button` number.
    bitOf: function(button) { return [1, 4, 2, 8, 16, 32][button] || 0; },

    // Positions in board pixels, through the scale the window is shown at.
    deliver: function(handler, button, point, e) {
      var r = Input.board.getBoundingClientRect();
      var shift = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
      handler(button, shift, (point.clientX - r.left) / Page.scale, (point.clientY - r.top) / Page.scale);
    },

    // Tells the handlers of every button that went up and then every one that
    // came down since the last event, at this event's place. Returns whether
    // anything changed.
    changeTo: function(now, point, e) {
      var gone = Input.held & ~now, came = now & ~Input.held;
      Input.held = now;
      for (var bit = 1; bit <= 32; bit <<= 1)
        if (gone & bit && !Page.ended) Input.deliver(_pb_mouse_up, Input.code(bit), point, e);
      for (bit = 1; bit <= 32; bit <<= 1)
        if (came & bit && !Page.ended) Input.deliver(_pb_mouse_down, Input.code(bit), point, e);
      return (gone | came) != 0;
    },

    move: function(point, e) {
      if (!Page.ended) Input.deliver(_pb_mouse_move, Input.held & 7, point, e);
    },

    // The held buttons of a pointer event; a pen's eraser end touching acts
    // as its tip does.
    buttonsOf: function(e) {
      var buttons = e.buttons;
      if (e.pointerType == 'pen' && buttons & 32) buttons = (buttons & ~32) | 1;
      return buttons;
    },

    listenToPointers: function(board) {
      // One pointer at a time: the first to press has the board until it
      // lets go; a second finger is ignored, as the desktop takes only the
      // first touch as the mouse.
      function ours(e) {
        return !Page.ended && e.isPrimary && (Input.pointerId === null || Input.pointerId === e.pointerId);
      }
      board.addEventListener('pointerdown', function(e) {
        if (!ours(e)) return;
        Input.pointerId = e.pointerId;
        if (board.setPointerCapture) board.setPointerCapture(e.pointerId);
        var now = Input.buttonsOf(e);
        if (!(now & ~Input.held)) now |= Input.bitOf(e.button); // an engine that reported no button
        Input.changeTo(now, e, e);
      });
      function moved(e) {
        if (!ours(e)) return;
        if (Input.pointerId !== null && Input.changeTo(Input.buttonsOf(e), e, e))
          return; // a second button went down or up: a press or release, not a move
        var moves = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
        if (!moves.length) moves = [e];
        for (var i = 0; i < moves.length; ++i) Input.move(moves[i], e);
      }
      // The last button let go, or the browser took the pointer over.
      function release(e) {
        if (!ours(e) || Input.pointerId === null) return;
        Input.pointerId = null;
        Input.changeTo(0, e, e);
      }
      board.addEventListener('pointermove', moved);
      board.addEventListener('pointerup', release);
      board.addEventListener('pointercancel', release);
      Input.elsewhere('pointermove', moved);
      Input.elsewhere('pointerup', release);
      Input.elsewhere('pointercancel', release);
    },

    // The keys the board has a use for, by the codes of the window system
    // (older Edge names the arrows 'Up' and 'Down'). A key the board takes is
    // cancelled, so that the page does not scroll under it; every other key,
    // Tab and the browser's shortcuts among them, goes on as usual.
    keyCodes: {ArrowUp: 38, ArrowDown: 40, PageUp: 33, PageDown: 34, Up: 38, Down: 40},

    listenToKeys: function(board) {
      function handOver(handler, e) {
        var code = Input.keyCodes[e.key];
        var shift = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0);
        if (code && !Page.ended && handler(code, shift)) e.preventDefault();
      }
      // Whether the pointer gave the board its focus: then it shows no ring.
      ['pointerdown', 'mousedown', 'touchstart'].forEach(function(type) {
        board.addEventListener(type, function() { board.classList.add('quiet'); }, {passive: true});
      });
      board.addEventListener('keydown', function(e) { handOver(_pb_key_down, e); });
      board.addEventListener('keyup', function(e) { handOver(_pb_key_up, e); });
      board.addEventListener('blur', function() {
        board.classList.remove('quiet');
        if (!Page.ended) _pb_lost_focus();
      });
    },

    // Without pointer capture, a press is followed over the whole document
    // until its last button is let go, so that moves and the release off the
    // board still reach it.
    listenToMouse: function(board) {
      var following = false;
      function moved(e) {
        if (Input.touchId === null) Input.move(e, e);
      }
      function released(e) {
        Input.changeTo(Input.held & ~Input.bitOf(e.button), e, e);
        if (Input.held) return;
        following = false;
        document.removeEventListener('mousemove', moved, true);
        document.removeEventListener('mouseup', released, true);
      }
      function pressed(e) {
        if (Page.ended || Input.touchId !== null) return;
        Input.changeTo(Input.held | Input.bitOf(e.button), e, e);
        if (following) return;
        following = true;
        document.addEventListener('mousemove', moved, true);
        document.addEventListener('mouseup', released, true);
      }
      board.addEventListener('mousedown', pressed);
      Input.elsewhere('mousedown', pressed); // a second button, pressed off the board
      board.addEventListener('mousemove', function(e) {
        if (!following) moved(e);
      });
    },

    // Touch events stay with the element they began on. Cancelling them is
    // what keeps the page from scrolling in browsers that know no
    // `touch-action`, and keeps them from making up mouse events.
    listenToTouches: function(board) {
      function ourTouch(e) {
        for (var i = 0; i < e.changedTouches.length; ++i)
          if (e.changedTouches[i].identifier === Input.touchId) return e.changedTouches[i];
        return null;
      }
      var options = {passive: false};
      board.addEventListener('touchstart', function(e) {
        e.preventDefault();
        if (Page.ended || Input.touchId !== null || Input.held) return;
        var touch = e.changedTouches[0];
        Input.touchId = touch.identifier;
        Input.changeTo(1, touch, e);
      }, options);
      board.addEventListener('touchmove', function(e) {
        e.preventDefault();
        var touch = ourTouch(e);
        if (touch) Input.move(touch, e);
      }, options);
      function lifted(e) {
        var touch = ourTouch(e);
        if (!touch) return;
        Input.touchId = null;
        Input.changeTo(0, touch, e);
      }
      board.addEventListener('touchend', lifted);
      board.addEventListener('touchcancel', lifted);
    },
  },
});
