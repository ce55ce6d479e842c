// Large documents stay fast because blocks far from the view are neither laid
// out nor drawn. Such a block carries data-offscreen and keeps its last
// measured height, never a guess that shifts the page once drawn. Every block
// the caret or a selection reaches is shown (below). A block is shown again
// once it comes within a screen of the view and hidden only once it is three
// screens away, so no block flips between the two states and whatever is in
// view is always drawn. Blocks that arrive with a document start hidden, at
// an estimated height, after the first screens. Print, find, the word count
// and the exports read the document's nodes and never depend on what is drawn.
//
// A run of hidden blocks is laid out as its two ends only, each with
// content-visibility: hidden at a kept size: the first at its own height, the
// last at the height of every block after the first. The blocks between carry
// data-folded and are not laid out at all (display: none). The engine keeps a
// layer for every laid-out hidden block and tends each in every frame, and
// visits each, a style pass apiece, when the editor loses the focus; so a
// document of thousands of blocks costs no more than a few runs,
// while keys that go to the start or end of a run, or of the document, still
// find the very block that is there.
"use strict";

// The blocks of a new document shown at once, before any is measured.
var blocksShownAtFirst = 40;

function isOffscreen(block) {
  return block.hasAttribute("data-offscreen");
}

// `box`: the block's own height; `span`: from its top to the next block's.
function hideBlock(block, box, span) {
  if (isOffscreen(block)) return;
  block.setAttribute("data-offscreen", block.hasAttribute("style") ? "styled" : "");
  block.hiddenBox = Math.max(1, box);
  block.hiddenSpan = Math.max(block.hiddenBox, span);
}

// Takes the hidden state off `element`, the live block or a copy of it.
function withoutOffscreenState(element) {
  if (!isOffscreen(element)) return element;
  var hadStyle = element.getAttribute("data-offscreen") === "styled";
  element.removeAttribute("data-offscreen");
  element.removeAttribute("data-folded");
  element.style.removeProperty("contain-intrinsic-size");
  element.keptSize = null;
  if (!hadStyle && !element.getAttribute("style")) element.removeAttribute("style");
  return element;
}

// A copy of a block without what the page itself puts on blocks: the hidden
// state, the spelling marks and the insertion markers (no document or paste
// brings its own).
function withoutPageState(copy) {
  return withoutInsertionMarkers(withoutSpellingMarks(withoutOffscreenState(copy)));
}

// The block's HTML as if it had never been hidden nor checked.
function blockHtml(block) {
  if (spellCheckedBlocks.has(block)) return withoutPageState(block.cloneNode(true)).outerHTML;
  if (!isOffscreen(block)) return block.outerHTML;
  var bare = withoutOffscreenState(block.cloneNode(false)).outerHTML;
  var endTag = "</" + block.localName + ">";
  if (!bare.endsWith(endTag)) return bare;
  return bare.slice(0, bare.length - endTag.length) + block.innerHTML + endTag;
}

function estimatedHeight(block) {
  var lines = block.classList.contains("cm-editor-wrapper")
    ? String(block.pendingValue || "").split("\n").length
    : Math.ceil(block.textContent.length / 90);
  if (block.querySelector("img[src], table")) lines += 6;
  return 24 + 24 * Math.max(1, lines);
}

// The block holding the caret or the focus, or part of a selection, is never
// hidden: typing there would go into a block that is not drawn.
function holdsCaret(block) {
  var selection = window.getSelection();
  if (selection.focusNode && block.contains(selection.focusNode)) return true;
  if (!selection.isCollapsed && selection.containsNode(block, true)) return true;
  return block.contains(document.activeElement);
}

// The block at a boundary of a range: the child it points to when it points
// between the top-level blocks.
function boundaryBlock(container, offset, isEnd) {
  if (container !== editorBody()) return topLevelBlock(container);
  var children = container.childNodes;
  return children[isEnd ? Math.max(0, offset - 1) : Math.min(offset, children.length - 1)] || null;
}

// The engine types, copies, cuts, drags and reads a selection only where it
// is drawn, so the caret's block and every block a selection reaches are
// drawn, wherever the caret was put (a click, a key, a command or a find).
// Of a selection over many blocks only the two ends are, until something
// reads it: showing a whole 2 MB document takes seconds, and an edit sets
// the blocks between aside (below).
function showSelectedBlocks(event) {
  var reads = event.type === "beforeinput" ? event.inputType.startsWith("format")
                                           : ["copy", "cut", "dragstart"].indexOf(event.type) >= 0;
  showSelection(reads);
}

function showSelection(whole) {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var blocks = blocksOf(selection.getRangeAt(0));
  if (blocks.length > manySelectedBlocks && !whole) blocks = [blocks[0], blocks[blocks.length - 1]];
  showBlocks(blocks);
}

// The text of a folded block is not part of what the engine reads from a
// selection, so the blocks of the selection are shown first.
function getSelectedText() {
  showSelection(true);
  return window.getSelection().toString();
}

// Shows the blocks `range` reaches. The engine must never be given a caret
// or a selection in a folded block: it then searches the folded blocks for a
// place it can draw, seconds for each thousand of them.
function showBlocksOf(range) {
  showBlocks(blocksOf(range));
}

function showBlocks(blocks) {
  blocks.forEach(function (block) { if (isOffscreen(block)) showBlock(block); });
}

// The top-level blocks `range` reaches.
function blocksOf(range) {
  var first = boundaryBlock(range.startContainer, range.startOffset, false);
  var last = range.collapsed ? first : boundaryBlock(range.endContainer, range.endOffset, true);
  if (!first || !last || first.parentNode !== editorBody() || last.parentNode !== editorBody()) return [];
  if (first !== last && !(first.compareDocumentPosition(last) & Node.DOCUMENT_POSITION_FOLLOWING)) last = first;
  var blocks = [];
  for (var block = first; block; block = block.nextSibling) {
    if (block.nodeType === Node.ELEMENT_NODE) blocks.push(block);
    if (block === last) break;
  }
  return blocks;
}

document.addEventListener("selectionchange", showSelectedBlocks);
["keydown", "beforeinput", "copy", "cut", "dragstart"].forEach(function (type) { document.addEventListener(type, showSelectedBlocks, true); });

// The engine deletes a selection's top-level blocks one by one, at a cost
// that grows with the square of their number: typing over a selected 2 MB
// document took minutes. Before the engine edits a selection over many
// blocks, the blocks between its two ends leave the page in one step and a
// comment stands in their place; the engine deletes the ends and the comment.
// When its undo brings the comment back, the blocks return just before it,
// so that the comment is again followed by the node its redo expects; when
// its redo takes the comment away again, the blocks leave with it.
var manySelectedBlocks = 200;
var setAsideMarkers = [];

function setAsideMiddleOfSelection(event) {
  // A cut names the selection's first element, typing the editor itself.
  if (!editorBody().contains(event.target) || isInCodeEditor(event.target)) return;
  if (/^(history|format)/.test(event.inputType)) return;
  setAsideMiddleOf(window.getSelection());
}

// Called just before the engine replaces or deletes `selection`.
function setAsideMiddleOf(selection) {
  if (!selection.rangeCount || selection.isCollapsed) return;
  var blocks = blocksOf(selection.getRangeAt(0));
  if (blocks.length <= manySelectedBlocks) return;
  var first = blocks[0];
  var last = blocks[blocks.length - 1];
  showBlock(first);
  showBlock(last);
  var middle = document.createRange();
  middle.setStartAfter(first);
  middle.setEndBefore(last);
  var marker = document.createComment("");
  withoutSelection(function () {
    marker.setAside = Array.prototype.slice.call(takeOut(middle).childNodes);
    editorBody().insertBefore(marker, last);
  });
  marker.taken = false;
  marker.present = true;
  marker.redoable = false;
  setAsideMarkers.push(marker);
  // An edit the engine did not make after all (one cancelled, say) leaves
  // the page as it was.
  setTimeout(function () {
    if (marker.taken || !marker.isConnected) return;
    putBack(marker);
    marker.remove();
    setAsideMarkers.splice(setAsideMarkers.indexOf(marker), 1);
  }, 0);
}

// Takes the nodes of `range` out of the page, as blocks with no hidden state.
function takeOut(range) {
  var nodes = range.extractContents();
  nodes.childNodes.forEach(function (node) {
    if (node.nodeType !== Node.ELEMENT_NODE) return;
    withoutOffscreenState(node);
    node.run = null;
  });
  return nodes;
}

// Runs `change` with the selection taken off: with a selection around them,
// the engine takes seconds for each thousand blocks going in or out.
function withoutSelection(change) {
  var selection = window.getSelection();
  var selected = selection.rangeCount ? selection.getRangeAt(0) : null;
  selection.removeAllRanges();
  change();
  if (selected) selection.addRange(selected);
}

// Puts the marker's blocks back before it.
function putBack(marker) {
  var nodes = marker.setAside;
  withoutSelection(function () {
    marker.parentNode.insertBefore(nodes[0].parentNode, marker);
    hideBeyondFirstScreens(nodes.filter(function (node) { return node.nodeType === Node.ELEMENT_NODE; }), 0);
  });
}

// Follows the engine's undo and redo of the edits that set blocks aside. The
// edit takes the comment away, and only its undo brings it back. Its redo
// takes the comment away again, unless an edit of the writer's took it away
// since the undo: the engine cannot redo the first edit after that, only the
// writer's, and the blocks stay.
function followSetAsideMarkers(inputType) {
  setAsideMarkers.forEach(function (marker) {
    if (marker.isConnected === marker.present) return;
    marker.present = marker.isConnected;
    var nodes = marker.setAside;
    if (!marker.taken) {
      marker.taken = true;
    } else if (inputType === "historyUndo" && marker.present) {
      if (!nodes[0].isConnected) putBack(marker);
      marker.redoable = true;
    } else if (inputType === "historyRedo" && !marker.present && marker.redoable && nodes[0].isConnected) {
      var range = document.createRange();
      range.setStartBefore(nodes[0]);
      range.setEndAfter(nodes[nodes.length - 1]);
      withoutSelection(function () { takeOut(range); });
    } else if (!/^history/.test(inputType)) {
      marker.redoable = false;
    }
  });
}

document.addEventListener("beforeinput", setAsideMiddleOfSelection, true);

// The engine's undo and redo put the caret back where an edit was, wherever
// the view is by then: a block once edited is never hidden again.
document.addEventListener("input", function () {
  var selection = window.getSelection();
  if (selection.rangeCount) blocksOf(selection.getRangeAt(0)).forEach(function (block) { block.edited = true; });
}, true);

// Spelling is checked in the blocks around the view only: the engine's
// checker goes over all the text it may check in one pass, which takes
// seconds for a long document and grows faster than its length.
var spellCheckingWanted = false;
var spellCheckedBlocks = new Set();

// Code is not prose: the engine's spell checker leaves it alone.
function keepCodeUnchecked(node) {
  selectWithin(node, "code").forEach(function (code) { code.setAttribute("spellcheck", "false"); });
}

// True when the block was not checked before. Nothing is marked while a
// document is still coming in: with marked blocks in the page, the engine
// restyles the whole page in every frame that adds a piece. The draw update
// after the last piece marks the blocks in view.
function checkSpellingIn(block) {
  if (!spellCheckingWanted || pendingHtml || spellCheckedBlocks.has(block)) return false;
  block.setAttribute("spellcheck", "true");
  keepCodeUnchecked(block);
  spellCheckedBlocks.add(block);
  return true;
}

// The engine looks at newly checked text once the selection changes; a
// selection in a code editor or a field of the page is left where it is.
function askForSpellCheck() {
  var selection = getSelection();
  if (!selection.rangeCount || document.activeElement !== editorBody()) return;
  var range = selection.getRangeAt(0);
  selection.removeAllRanges();
  selection.addRange(range);
}

function stopCheckingSpellingIn(block) {
  withoutSpellingMarks(block);
  spellCheckedBlocks.delete(block);
}

function withoutSpellingMarks(element) {
  element.removeAttribute("spellcheck");
  element.querySelectorAll("[spellcheck]").forEach(function (marked) { marked.removeAttribute("spellcheck"); });
  return element;
}

function stopSpellChecking() {
  spellCheckedBlocks.forEach(stopCheckingSpellingIn);
}

// The drawn top-level blocks, the only ones that can need hiding.
var drawnBlocks = new Set();
// The laid-out hidden blocks, the ends of the runs: with the drawn blocks,
// all that has a place on the page.
var runEnds = new Set();
var drawUpdateQueued = false;

// A run's two ends point to it: { first, last, middle }, `middle` being the
// kept height of the blocks between them. The blocks between point to none.
// Scrolling shows and hides blocks at the ends of runs, which changes a run
// in a few steps however long it is.
function isRunEnd(block) {
  var run = block.run;
  return Boolean(run) && (run.first === block || run.last === block);
}

// A hidden block's size is kept in its style only while it is laid out;
// `keptSize` remembers it without asking the style each time.
function laidOutHeight(block, height) {
  var size = Math.round(height) + "px";
  if (block.keptSize === "folded") block.removeAttribute("data-folded");
  if (block.keptSize !== size) block.style.setProperty("contain-intrinsic-size", size);
  block.keptSize = size;
  runEnds.add(block);
}

function fold(block) {
  block.run = null;
  if (block.keptSize === "folded") return;
  block.setAttribute("data-folded", "");
  if (block.keptSize) block.style.removeProperty("contain-intrinsic-size");
  block.keptSize = "folded";
  runEnds.delete(block);
}

function keptBox(block) {
  return block.hiddenBox || (block.hiddenBox = estimatedHeight(block));
}

function keptSpan(block) {
  return block.hiddenSpan || keptBox(block);
}

function layOutRun(run) {
  run.first.run = run;
  laidOutHeight(run.first, keptBox(run.first));
  if (run.last === run.first) return;
  run.last.run = run;
  laidOutHeight(run.last, run.middle + keptBox(run.last));
}

// One run of the run `before` and the run `after` that follows it; the ends
// where they meet fold, unless they are also the outer ends.
function joinRuns(before, after) {
  var middle = before.middle + after.middle;
  if (before.last !== before.first) {
    middle += keptSpan(before.last);
    fold(before.last);
  }
  if (after.first !== after.last) {
    middle += keptSpan(after.first);
    fold(after.first);
  }
  return { first: before.first, last: after.last, middle: middle };
}

// Builds the run of the hidden blocks from `first` on, walking all of them.
function runFrom(first) {
  var run = { first: first, last: first, middle: 0 };
  for (var block = first.nextElementSibling; block && isOffscreen(block); block = block.nextElementSibling) {
    if (run.last !== first) {
      run.middle += keptSpan(run.last);
      fold(run.last);
    }
    run.last = block;
  }
  return run;
}

// Lays out `run`, of blocks just hidden, joined with the runs beside it.
function joinNeighbourRuns(run) {
  var before = run.first.previousElementSibling;
  var after = run.last.nextElementSibling;
  if (before && isOffscreen(before) && isRunEnd(before)) run = joinRuns(before.run, run);
  if (after && isOffscreen(after) && isRunEnd(after)) run = joinRuns(run, after.run);
  layOutRun(run);
}

// Mends the runs where blocks came into the page or left it: `places` are
// the blocks after which that happened (null: the start of the page). Where
// the blocks on either side end their runs, two runs that now meet become
// one; else the runs there are built anew from their blocks.
function mendRunsAt(places) {
  var body = editorBody();
  var rebuilt = new Set();
  var rebuildRunOf = function (block) {
    if (!block || !isOffscreen(block) || rebuilt.has(block)) return;
    var first = block;
    while (first.previousElementSibling && isOffscreen(first.previousElementSibling)) first = first.previousElementSibling;
    var run = runFrom(first);
    layOutRun(run);
    rebuilt.add(block);
  };
  places.forEach(function (before) {
    if (before && before.parentNode !== body) return;
    var after = before ? before.nextElementSibling : body.firstElementChild;
    var beforeHidden = before && isOffscreen(before);
    var afterHidden = after && isOffscreen(after);
    var beforeEnds = !beforeHidden || (isRunEnd(before) && before.run.last === before);
    var afterStarts = !afterHidden || (isRunEnd(after) && after.run.first === after);
    if (!beforeEnds || !afterStarts) {
      rebuildRunOf(before);
      rebuildRunOf(after);
    } else if (beforeHidden && afterHidden && before.run !== after.run) {
      layOutRun(joinRuns(before.run, after.run));
    }
  });
}

// The run of the folded block `block`, and the kept height of the blocks of
// the run between its first end and `block`, found from whichever end is
// nearer; null if the runs are not as they should be.
function runOfFolded(block) {
  var back = block.previousElementSibling;
  var ahead = block.nextElementSibling;
  var spanBack = 0;
  var spanAhead = 0;
  while (back && ahead) {
    if (back.run && back.run.first === back) return { run: back.run, before: spanBack };
    if (ahead.run && ahead.run.last === ahead) return { run: ahead.run, before: ahead.run.middle - spanAhead - keptSpan(block) };
    spanBack += keptSpan(back);
    spanAhead += keptSpan(ahead);
    back = back.previousElementSibling;
    ahead = ahead.nextElementSibling;
  }
  return null;
}

// Takes the hidden `block` out of its run, which shrinks or splits in two.
function takeOutOfRun(block) {
  var run = block.run;
  if (isRunEnd(block)) {
    // A run of one goes with its block; a longer one loses an end.
    if (run.first === run.last) return true;
    if (run.first === block) {
      run.first = block.nextElementSibling;
      if (run.first !== run.last) run.middle -= keptSpan(run.first);
    } else {
      run.last = block.previousElementSibling;
      if (run.last !== run.first) run.middle -= keptSpan(run.last);
    }
    layOutRun(run);
    return true;
  }
  var found = runOfFolded(block);
  if (!found) return false;
  var outer = found.run;
  var before = { first: outer.first, last: block.previousElementSibling, middle: 0 };
  if (before.last !== before.first) before.middle = found.before - keptSpan(before.last);
  var after = { first: block.nextElementSibling, last: outer.last, middle: 0 };
  if (after.first !== after.last) after.middle = outer.middle - found.before - keptSpan(block) - keptSpan(after.first);
  layOutRun(before);
  layOutRun(after);
  return true;
}

function showBlock(block) {
  if (isOffscreen(block)) {
    var taken = takeOutOfRun(block);
    withoutOffscreenState(block);
    if (!taken) mendRunsAt([block.previousElementSibling, block]);
  }
  block.run = null;
  runEnds.delete(block);
  drawnBlocks.add(block);
}

// Hides a drawn block; `box` and `span` as for hideBlock.
function hideDrawnBlock(block, box, span) {
  hideBlock(block, box, span);
  forgetBlock(block);
  joinNeighbourRuns({ first: block, last: block, middle: 0 });
}

// Shows the block holding `node` and brings the node into view.
function bringIntoView(node, options) {
  var block = topLevelBlock(node);
  if (block && block.parentNode === editorBody()) showBlock(block);
  (node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement).scrollIntoView(options);
}

function queueDrawUpdate() {
  if (drawUpdateQueued) return;
  drawUpdateQueued = true;
  requestAnimationFrame(function () { updateDrawnBlocks(); });
}

// The hidden blocks of `run` whose kept place meets the band from `top` to
// `bottom`, given the place of its last end's box, where every block after
// the first stands one below the other. The run is walked from the end
// nearer the band.
function hiddenBlocksMeeting(run, rect, top, bottom) {
  var meeting = [];
  var block;
  var y;
  if (top - rect.top < rect.bottom - bottom) {
    y = rect.top;
    for (block = run.first.nextElementSibling; block && y < bottom; block = block.nextElementSibling) {
      var height = block === run.last ? keptBox(block) : keptSpan(block);
      if (y + height > top) meeting.push(block);
      if (block === run.last) break;
      y += height;
    }
    return meeting;
  }
  y = rect.bottom - keptBox(run.last);
  if (y < bottom) meeting.push(run.last);
  for (block = run.last.previousElementSibling; block && block !== run.first && y > top; block = block.previousElementSibling) {
    y -= keptSpan(block);
    if (y < bottom) meeting.unshift(block);
  }
  return meeting;
}

// Everything is read before anything changes, so the frame lays the page out
// once; shown blocks take their real height, so the next frame looks again
// until nothing changes. Blocks are shown from a screen above the view to two
// below it; or around `from` (a place in the view's coordinates) when given,
// and then none is hidden. True when it showed blocks.
function updateDrawnBlocks(from) {
  drawUpdateQueued = false;
  var body = editorBody();
  if (!body) return false;
  var screen = Math.max(1, window.innerHeight);
  var aroundView = typeof from !== "number";
  var top = (aroundView ? 0 : from) - screen;
  var bottom = top + 3 * screen;
  var toShow = [];
  var newlyChecked = false;
  runEnds.forEach(function (end) {
    if (end.parentNode !== body || !isOffscreen(end) || !isRunEnd(end)) {
      runEnds.delete(end);
      return;
    }
    var rect = end.getBoundingClientRect();
    if (rect.bottom <= top || rect.top >= bottom) return;
    if (end === end.run.last && end !== end.run.first) toShow.push.apply(toShow, hiddenBlocksMeeting(end.run, rect, top, bottom));
    else toShow.push(end);
  });
  spellCheckedBlocks.forEach(function (block) {
    if (block.parentNode !== body) {
      spellCheckedBlocks.delete(block);
      return;
    }
    var rect = block.getBoundingClientRect();
    if (rect.bottom < -3 * screen || rect.top > 4 * screen) stopCheckingSpellingIn(block);
  });
  var toHide = [];
  drawnBlocks.forEach(function (block) {
    if (block.parentNode !== body || isOffscreen(block)) {
      forgetBlock(block);
      return;
    }
    var rect = block.getBoundingClientRect();
    if (rect.bottom > -screen && rect.top < 2 * screen) {
      watchDrawingsOf(block);
      if (checkSpellingIn(block)) newlyChecked = true;
    } else if (aroundView && (rect.bottom < -3 * screen || rect.top > 4 * screen) && !block.edited && !holdsCaret(block)) {
      var next = block.nextElementSibling;
      var span = next && next.keptSize !== "folded" ? next.getBoundingClientRect().top - rect.top : 0;
      toHide.push([block, rect.height, span]);
    }
  });
  toHide.forEach(function (hidden) { hideDrawnBlock(hidden[0], hidden[1], hidden[2]); });
  toShow.forEach(showBlock);
  if (toShow.length) queueDrawUpdate();
  if (newlyChecked) askForSpellCheck();
  return toShow.length > 0;
}

window.addEventListener("scroll", queueDrawUpdate, { passive: true });
window.addEventListener("resize", queueDrawUpdate);

// A page or arrow key moves the caret from where it is, which the view may
// have left: the screens it may reach are drawn before the engine moves,
// however quickly the keys come. Else the caret skips the folded blocks there
// or lands where nothing is drawn.
var caretKeys = ["PageDown", "PageUp", "ArrowDown", "ArrowUp", "ArrowLeft", "ArrowRight"];
document.addEventListener("keydown", function (event) {
  if (caretKeys.indexOf(event.key) < 0) return;
  var selection = window.getSelection();
  var caretBlock = selection.rangeCount ? topLevelBlock(selection.focusNode) : null;
  var from = caretBlock && caretBlock.parentNode === editorBody() ? caretBlock.getBoundingClientRect().top : 0;
  var rounds = 0;
  while (rounds++ < 3 && updateDrawnBlocks(from));
}, true);

// Of `blocks`, just come into the page after `shownBefore` drawn ones, those
// beyond the first screens are hidden: at their last height if they had one
// (blocks an undo brings back), else at an estimated one.
function hideBeyondFirstScreens(blocks, shownBefore) {
  var run = hiddenRunOf(blocks, shownBefore);
  if (run) joinNeighbourRuns(run);
  queueDrawUpdate();
}

// Hides those of `blocks` beyond the first screens, which may still wait in
// a fragment to go in: a new document's blocks are hidden before they do,
// which costs the live page nothing. Gives the run they make (null: none),
// to be joined with its neighbours once in the page.
function hiddenRunOf(blocks, shownBefore) {
  var firstHidden = null;
  blocks.forEach(function (block, index) {
    if (shownBefore + index < blocksShownAtFirst) {
      drawnBlocks.add(block);
      return;
    }
    var box = block.hiddenBox || estimatedHeight(block);
    hideBlock(block, box, block.hiddenSpan || box);
    firstHidden = firstHidden || block;
  });
  return firstHidden && runFrom(firstHidden);
}

// Blocks added by editing are drawn; the next frame decides what stays so.
// The runs of hidden blocks where blocks came or went are mended.
function watchChangedBlocks(records) {
  var body = editorBody();
  var added = false;
  var places = [];
  var elementBefore = function (node) {
    return node && node.nodeType !== Node.ELEMENT_NODE ? node.previousElementSibling : node;
  };
  records.forEach(function (record) {
    if (record.target !== body) {
      // A code block or formula pasted into a drawn block is watched as well.
      var grown = Array.prototype.some.call(record.addedNodes, function (node) { return node.nodeType === Node.ELEMENT_NODE; });
      var block = grown && topLevelBlock(record.target);
      if (block && block.drawingsWatched) {
        block.drawingsWatched = false;
        added = true;
      }
      return;
    }
    record.addedNodes.forEach(function (node) {
      if (node.nodeType !== Node.ELEMENT_NODE || node.parentNode !== body) return;
      added = true;
      // Hidden blocks come only with a document, whose runs are laid out as they come.
      if (isOffscreen(node)) return;
      drawnBlocks.add(node);
      places.push(node.previousElementSibling, node);
    });
    // Only blocks that were drawn or hidden had a part in the runs: one the
    // page replaced while it prepared new blocks had none.
    var removedBlock = false;
    record.removedNodes.forEach(function (node) {
      if (drawnBlocks.has(node) || (node.nodeType === Node.ELEMENT_NODE && isOffscreen(node))) removedBlock = true;
      if (node.nodeType === Node.ELEMENT_NODE) forgetBlock(node);
      runEnds.delete(node);
    });
    if (removedBlock) places.push(elementBefore(record.previousSibling));
  });
  mendRunsAt(places);
  if (added) queueDrawUpdate();
}

function forgetDrawnBlocks() {
  drawnBlocks.clear();
  runEnds.clear();
}
