// Presses, moves and releases on the board, and the keys it has a use for.
// Each pointer event is handed to the board as it comes: the pointer's kind
// and id, the buttons it holds, where and when. The board decides which
// pointer counts (a pen before a hand resting on the glass), and says when a
// move drew chalk, which then goes on as the browser's ink trail where there
// is one (library_ink.js). Pointer Events where the browser has them, mouse
// and touch events where it does not.
//
// The buttons are read from `buttons`, never from `button` on a move: during
// a chord the engines disagree about it (WebKit reports 0 on the move after one).
//
// Nothing here cancels a pointerdown: WebKit sends a pen no more events once
// it is cancelled. Scrolling, zooming, selection and callouts are kept off the
// board by its style. A touchstart on the board alone is cancelled: iPadOS's
// handwriting and its magnifier would otherwise take quick pen strokes away
// from the page, and pointer events keep coming.
mergeInto(LibraryManager.library, {
  $Input__deps: ['$Page', '$Ink'],
  $Input: {
    holding: false, // whether a pointer holds the board, as the board last said
    kinds: {mouse: 0, pen: 1, touch: 2}, // as forms::PointerKind; any other acts as a mouse
    PRESS: 0, MOVE: 1, RELEASE: 2, CANCEL: 3, LEAVE: 4, // as forms::PointerAction

    listen: function(board) {
      Input.board = board;
      if (window.PointerEvent && 'onpointerdown' in board) {
        Input.listenToPointers(board);
      } else {
        Input.listenToMouse(board);
        Input.listenToTouches(board);
      }
      board.addEventListener('touchstart', function(e) { e.preventDefault(); }, {passive: false});
      Input.listenToKeys(board);
      // The menu stays off the board, and off the page while the board holds
      // the pointer, where its presses count.
      document.addEventListener('contextmenu', function(e) {
        if (e.target === board || Input.holding) e.preventDefault();
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

    // While the board holds a pointer, its events are taken where the engine
    // sends them: Firefox sends a second button pressed off the board, chord
    // and all, to the element under the pointer. An event aimed at the board
    // is left to the board's own listener, so each counts once.
    elsewhere: function(type, take) {
      document.addEventListener(type, function(e) {
        if (e.target !== Input.board && Input.holding) take(e);
      }, true);
    },

    // The modifier keys of a key or pointer event, as the window system sums them.
    shiftOf: function(e) {
      return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0);
    },

    // The `buttons` bit of a DOM `button` number.
    bitOf: function(button) { return [1, 4, 2, 8, 16, 32][button] || 0; },

    // One event of one pointer, at `point` (the event, one of its coalesced
    // moves, or a touch), in board pixels through the scale the window is
    // shown at: the buttons it leaves held, the one it is of, and for a
    // touch's press whether it is alone on the glass. Whether it drew chalk,
    // as the board says.
    hand: function(kind, id, action, buttons, button, alone, point, e) {
      if (Page.waiting) return false;
      var r = Input.board.getBoundingClientRect(), s = Page.scale;
      var said = _pb_pointer(kind, id, action, buttons, Input.shiftOf(e), (point.clientX - r.left) / s,
                             (point.clientY - r.top) / s, e.timeStamp, button, alone ? 1 : 0);
      Input.holding = !!(said & 1);
      return !!(said & 2);
    },

    listenToPointers: function(board) {
      function handOver(action) {
        return function(e) {
          if (action == Input.PRESS && board.setPointerCapture) board.setPointerCapture(e.pointerId);
          var kind = Input.kinds[e.pointerType] || Input.kinds.mouse;
          var buttons = action == Input.RELEASE ? 0 : e.buttons; // a pointerup lets the last button go
          var points = action == Input.MOVE && e.getCoalescedEvents ? e.getCoalescedEvents() : [];
          if (!points.length) points = [e];
          var drew = false;
          for (var i = 0; i < points.length; ++i) {
            if (Input.hand(kind, e.pointerId, action, buttons, Input.bitOf(e.button), e.isPrimary, points[i], e)) drew = true;
          }
          if (drew) Ink.follow(e); // once for the event, whose chalk is all drawn now
        };
      }
      Ink.start(board);
      var actions = {pointerdown: Input.PRESS, pointermove: Input.MOVE, pointerup: Input.RELEASE,
                     pointercancel: Input.CANCEL, pointerleave: Input.LEAVE};
      for (var type in actions) {
        var take = handOver(actions[type]);
        board.addEventListener(type, take);
        if (type != 'pointerdown' && type != 'pointerleave') Input.elsewhere(type, take);
      }
    },

    // The keys the board has a use for, by the codes of the window system
    // (older Edge names the arrows 'Up' and 'Down'). A key the board takes is
    // cancelled, so that the page does not scroll under it; every other key,
    // Tab and the browser's shortcuts among them, goes on as usual.
    keyCodes: {ArrowUp: 38, ArrowDown: 40, PageUp: 33, PageDown: 34, Up: 38, Down: 40},

    listenToKeys: function(board) {
      function handOver(handler, e) {
        var code = Input.keyCodes[e.key];
        if (code && !Page.waiting && handler(code, Input.shiftOf(e))) e.preventDefault();
      }
      // Whether the pointer gave the board its focus: then it shows no ring.
      ['pointerdown', 'mousedown', 'touchstart'].forEach(function(type) {
        board.addEventListener(type, function() { board.classList.add('quiet'); }, {passive: true});
      });
      board.addEventListener('keydown', function(e) { handOver(_pb_key_down, e); });
      board.addEventListener('keyup', function(e) { handOver(_pb_key_up, e); });
      board.addEventListener('blur', function() {
        board.classList.remove('quiet');
        _pb_lost_focus();
      });
    },

    // Without pointer capture, a press is followed over the whole document
    // until its last button is let go, so that moves and the release off the
    // board still reach it. Older engines give no `buttons`: they are counted
    // from the presses and releases.
    listenToMouse: function(board) {
      var held = 0, following = false;
      function handOver(action, buttons, e) {
        held = buttons;
        Input.hand(Input.kinds.mouse, 1, action, buttons, Input.bitOf(e.button), false, e, e);
      }
      function moved(e) { handOver(Input.MOVE, held, e); }
      function released(e) {
        handOver(Input.RELEASE, held & ~Input.bitOf(e.button), e);
        if (held) return;
        following = false;
        document.removeEventListener('mousemove', moved, true);
        document.removeEventListener('mouseup', released, true);
      }
      function pressed(e) {
        handOver(Input.PRESS, held | Input.bitOf(e.button), e);
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

    // Touch events stay with the element they began on; Safari's pencil
    // touches say so in `touchType`. Cancelling them keeps the page from
    // scrolling where there is no `touch-action`, and from making up mouse
    // events.
    listenToTouches: function(board) {
      function handOver(action) {
        return function(e) {
          if (action == Input.MOVE) e.preventDefault();
          // A touchstart whose touches are all new begins on an empty glass.
          var alone = e.touches.length == e.changedTouches.length;
          for (var i = 0; i < e.changedTouches.length; ++i) {
            var touch = e.changedTouches[i], kind = touch.touchType == 'stylus' ? Input.kinds.pen : Input.kinds.touch;
            Input.hand(kind, touch.identifier, action, action <= Input.MOVE ? 1 : 0, 0, alone && i == 0, touch, e);
          }
        };
      }
      var options = {passive: false};
      board.addEventListener('touchstart', handOver(Input.PRESS), options);
      board.addEventListener('touchmove', handOver(Input.MOVE), options);
      board.addEventListener('touchend', handOver(Input.RELEASE));
      board.addEventListener('touchcancel', handOver(Input.CANCEL));
    },
  },
});
