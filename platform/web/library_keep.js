// The board kept in the tab while the page is hidden, so that a page the
// browser threw away in the background (a Chromebook short of memory, an
// iPad's page ended behind the camera) comes back as the teacher left it. No
// event comes when a hidden page is thrown away, so the board is written each
// time the page becomes hidden, and only then: the board's record, which the
// C++ side writes and checks, and the chalk's pixels as a PNG, in the tab's
// session storage and nowhere else. A new tab starts afresh, and 終了 forgets.
//
// A browser that forbids storage (reading it may throw), refuses a large
// board, or holds something that does not read back leaves the board as it
// would be without any of this.
mergeInto(LibraryManager.library, {
  $Keep__deps: ['$Page', '$Chalk', 'pbRequestFrame'],
  $Keep: {
    name: 'parallel-board',
    // Whether the chalk kept is a whole PNG, its signature first and its end
    // chunk last, so that no other bytes reach the browser's image decoders
    // (and no PNG cut off, which engines show as far as it goes).
    wholePng: function(chalk) {
      try {
        return chalk.indexOf('data:image/png;base64,iVBORw0KGgo') === 0 &&
               /IEND\xae\x42\x60\x82$/.test(atob(chalk.slice(-24)));
      } catch (garbled) {
        return false;
      }
    },
    release: '', // of this page: a board kept by another is not read back

    storage: function() {
      try { return window.sessionStorage || null; } catch (forbidden) { return null; }
    },

    mark: function(name) {
      performance.clearMarks(name);
      performance.mark(name); // for the benchmark
    },

    // Writing twice is harmless; a board that does not fit takes the older
    // one with it, so that what comes back is never an older board.
    store: function() {
      var storage = Keep.storage();
      if (Page.ended || Page.waiting || !storage) return; // (while reading one back, it stays as it is)
      Keep.mark('board-keeping');
      _pb_lost_focus(); // a key held as the page goes is let go
      var chalk = Chalk.source || Chalk.canvas; // the canvas last written on
      try {
        var kept = JSON.stringify({release: Keep.release, board: UTF8ToString(_pb_hidden()),
                                   chalk: chalk ? chalk.toDataURL('image/png') : ''});
        storage.setItem(Keep.name, kept);
      } catch (refused) { // no room, or no memory for the picture
        Keep.forget();
      }
      Keep.mark('board-kept');
    },

    forget: function() {
      try { Keep.storage().removeItem(Keep.name); } catch (forbidden) { /* nothing was kept */ }
    },

    // What the tab kept, if it has the form this page writes.
    kept: function() {
      var storage = Keep.storage(), text = null, kept = null;
      try { text = storage && storage.getItem(Keep.name); } catch (forbidden) { return null; }
      if (text === null) return null;
      try { kept = JSON.parse(text); } catch (garbled) { /* refused below */ }
      var readable = !!kept && kept.release === Keep.release && typeof kept.board == 'string' &&
                     kept.board.length < 4096 && typeof kept.chalk == 'string' &&
                     (kept.chalk === '' || Keep.wholePng(kept.chalk));
      if (!readable) Keep.forget();
      return readable ? kept : null;
    },

    // At start: the board the tab kept, if any, instead of the initial one.
    // The chalk comes back first; until it has, nothing is drawn or handed
    // over. Whatever fails on the way (a canvas refused, a picture that does
    // not decode, a record refused) ends in the initial board, which answers,
    // and the kept one forgotten.
    restore: function() {
      var kept = Keep.kept();
      if (!kept) return;
      if (!kept.chalk) return Keep.settle(function() { return Keep.read(kept.board, null); });
      Page.waiting = true;
      var image = new Image();
      image.onload = function() { Keep.settle(function() { return Keep.read(kept.board, image); }); };
      image.onerror = function() { Keep.settle(function() { return false; }); };
      image.src = kept.chalk;
    },

    // `read` says whether the kept board is back; if it is not, or it throws,
    // the page goes on with the board it has.
    settle: function(read) {
      var back = false;
      try {
        back = read();
      } catch (failed) {
        back = false;
      }
      if (!back) {
        Chalk.drop();
        Keep.forget();
      }
      Keep.shown();
    },

    // The record read back over the chalk kept with it, fitted as at a resize.
    read: function(record, image) {
      if (image && !Chalk.adopt(image)) return false;
      stringToUTF8(record, _pb_record_room(), 4096);
      return !!_pb_restore();
    },

    shown: function() {
      Page.waiting = false;
      if (Page.frameHeld) _pbRequestFrame();
      Page.frameHeld = false;
    },
  },

  pbKeepBoard__deps: ['$Keep'],
  pbKeepBoard: function(releasePtr) {
    Keep.release = UTF8ToString(releasePtr);
    document.addEventListener('visibilitychange', function() {
      if (document.visibilityState == 'hidden') Keep.store();
    });
    addEventListener('pagehide', Keep.store);
    Keep.restore();
  },
});
