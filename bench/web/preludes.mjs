// What the bench puts into every page before its own scripts.

// The bare pages' board: a 793 × 641 canvas at the scale the page shows its
// board in this viewport, a backing pixel for each device pixel, drawn on in
// board pixels. Put into every page before its own scripts.
export const FIT_BOARD = `function fitBoard(board) {
  var scale = Math.min(innerWidth / 811, innerHeight / 702), ratio = devicePixelRatio || 1;
  board.width = Math.round(793 * scale * ratio);
  board.height = Math.round(641 * scale * ratio);
  board.style.width = board.width / ratio + 'px';
  board.style.height = board.height / ratio + 'px';
  board.scale = scale;
  var ctx = board.getContext('2d', {alpha: false});
  ctx.setTransform(board.width / 793, 0, 0, board.height / 641, 0, 0);
  return ctx;
}`;
// The time from each pressed pen move's time stamp to the end of the
// animation frame that draws its chalk; and a page opened with '?no-ink' has no
// ink trail to hand its moves to.
export const LATENCY = `if (location.search === '?no-ink') delete Navigator.prototype.ink;
  window.__latency = [];
  var pendingMoves = [], askFrame = window.requestAnimationFrame.bind(window);
  addEventListener('pointermove', function (e) {
    if (e.pointerType === 'pen' && e.buttons) pendingMoves.push(e.timeStamp);
  }, true);
  window.requestAnimationFrame = function (callback) {
    return askFrame(function (time) {
      var moves = pendingMoves;
      pendingMoves = [];
      callback(time);
      var drawn = performance.now();
      moves.forEach(function (stamp) { __latency.push(drawn - stamp); });
    });
  };`;
