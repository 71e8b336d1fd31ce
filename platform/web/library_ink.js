// The delegated ink trail, where the browser has one (navigator.ink: Chrome
// and Edge from 94 on). After a pointer move has drawn chalk, the compositor
// is handed that move, and it draws the ink on from there to where the pen is
// now, ahead of the board's next frame, which then covers it: the trail never
// touches the chalk. Where there is none, or the presenter is refused, nothing
// changes. (Neither predicted points nor a desynchronized canvas go with it.)
mergeInto(LibraryManager.library, {
  $Ink__deps: ['$Page', '$Chalk'],
  $Ink: {
    presenter: null,

    // Asked for once, for the board's canvas, which the trail stays within.
    start: function(board) {
      try {
        if (!navigator.ink || !navigator.ink.requestPresenter) return;
        navigator.ink.requestPresenter({presentationArea: board}).then(function(presenter) {
          Ink.presenter = presenter;
        }, function() { /* no trail */ });
      } catch (refused) { /* no trail */ }
    },

    // The move `e` drew chalk: the trail goes on from it in the chalk's
    // colour (the eraser's is the board's), as wide as the chalk is shown,
    // but never under the pixel the interface takes at the least.
    follow: function(e) {
      if (!Ink.presenter || !e.isTrusted) return;
      var diameter = Math.max(1, Chalk.width * Page.scale);
      try {
        Ink.presenter.updateInkTrailStartPoint(e, {color: Chalk.color, diameter: diameter});
      } catch (refused) {
        Ink.presenter = null; // what it refuses once it would refuse at every move
      }
    },
  },
});
