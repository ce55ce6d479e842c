// Large documents stay fast because blocks far from the view are neither laid
// out nor drawn: such a block carries data-offscreen (the page's style gives
// it content-visibility: hidden; with auto the engine would observe every
// hidden block in every frame, which doubles the cost of a keystroke in a
// large document) and keeps its last measured height as its size, never a
// guess that shifts the page once drawn. Every block the caret or a
// selection reaches is shown (below). A block is shown again once it comes
// within a screen of the view and hidden only once it is three screens away,
// so no block flips between the two states and whatever is in view is always
// drawn. Blocks that arrive with a document start hidden, at an estimated
// height, after the first screens. Print, find, the word count and the
// exports read the document's nodes and never depend on what is drawn.
//
// The blocks to show are found from the scroll position by a binary search,
// and only the drawn blocks are checked for hiding: a document of tens of
// thousands of blocks costs no more per frame than a short one, where an
// observer of every block costs the engine time for each of them.
"use strict";

// The blocks of a new document shown at once, before any is measured.
var blocksShownAtFirst = 40;

function isOffscreen(block) {
  return block.hasAttribute("data-offscreen");
}

function hideBlock(block, height) {
  if (isOffscreen(block)) return;
  block.setAttribute("data-offscreen", block.hasAttribute("style") ? "styled" : "");
  block.style.setProperty("contain-intrinsic-size", Math.max(1, height) + "px");
}

// Takes the hidden state off `element`, the live block or a copy of it.
function withoutOffscreenState(element) {
  if (!isOffscreen(element)) return element;
  var hadStyle = element.getAttribute("data-offscreen") === "styled";
  element.removeAttribute("data-offscreen");
  element.style.removeProperty("contain-intrinsic-size");
  if (!hadStyle && !element.getAttribute("style")) element.removeAttribute("style");
  return element;
}

// A copy of a block without what the page itself puts on blocks: the hidden
// state and the spelling marks (no document or paste brings its own).
function withoutPageState(copy) {
  return withoutSpellingMarks(withoutOffscreenState(copy));
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
  if (block.querySelector("img, table")) lines += 6;
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
function showSelectedBlocks() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var range = selection.getRangeAt(0);
  var first = boundaryBlock(range.startContainer, range.startOffset, false);
  var last = range.collapsed ? first : boundaryBlock(range.endContainer, range.endOffset, true);
  if (!first || !last || first.parentNode !== editorBody() || last.parentNode !== editorBody()) return;
  if (first !== last && !(first.compareDocumentPosition(last) & Node.DOCUMENT_POSITION_FOLLOWING)) last = first;
  for (var block = first; block; block = block.nextSibling) {
    if (block.nodeType === Node.ELEMENT_NODE) showBlock(block);
    if (block === last) break;
  }
}

document.addEventListener("selectionchange", showSelectedBlocks);
["keydown", "beforeinput", "copy", "cut", "dragstart"].forEach(function (type) { document.addEventListener(type, showSelectedBlocks, true); });

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
var drawUpdateQueued = false;

function showBlock(block) {
  withoutOffscreenState(block);
  drawnBlocks.add(block);
}

function queueDrawUpdate() {
  if (drawUpdateQueued) return;
  drawUpdateQueued = true;
  requestAnimationFrame(updateDrawnBlocks);
}

// The index of the first block whose bottom is below `y` (in view coordinates).
function firstBlockEndingBelow(blocks, y) {
  var low = 0;
  var high = blocks.length;
  while (low < high) {
    var middle = (low + high) >> 1;
    if (blocks[middle].getBoundingClientRect().bottom > y) high = middle;
    else low = middle + 1;
  }
  return low;
}

// Everything is read before anything changes, so the frame lays the page out
// once; shown blocks take their real height, so the next frame looks again
// until nothing changes.
function updateDrawnBlocks() {
  drawUpdateQueued = false;
  var body = editorBody();
  if (!body) return;
  var screen = Math.max(1, window.innerHeight);
  var blocks = body.children;
  var toShow = [];
  var newlyChecked = false;
  for (var i = firstBlockEndingBelow(blocks, -screen); i < blocks.length; i++) {
    var block = blocks[i];
    if (block.getBoundingClientRect().top > 2 * screen) break;
    if (isOffscreen(block)) toShow.push(block);
    if (checkSpellingIn(block)) newlyChecked = true;
  }
  spellCheckedBlocks.forEach(function (block) {
    if (block.parentNode !== body) {
      spellCheckedBlocks.delete(block);
      return;
    }
    var rect = block.getBoundingClientRect();
    if (rect.bottom < -3 * screen || rect.top > 4 * screen) stopCheckingSpellingIn(block);
  });
  var toHide = [];
  if (!everyBlockShown) drawnBlocks.forEach(function (block) {
    if (block.parentNode !== body || isOffscreen(block)) {
      drawnBlocks.delete(block);
      return;
    }
    var rect = block.getBoundingClientRect();
    if ((rect.bottom < -3 * screen || rect.top > 4 * screen) && !holdsCaret(block)) toHide.push([block, rect.height]);
  });
  toShow.forEach(showBlock);
  toHide.forEach(function (hidden) {
    hideBlock(hidden[0], hidden[1]);
    drawnBlocks.delete(hidden[0]);
  });
  if (toShow.length) queueDrawUpdate();
  if (newlyChecked) askForSpellCheck();
}

window.addEventListener("scroll", queueDrawUpdate, { passive: true });
window.addEventListener("resize", queueDrawUpdate);

// When the editor loses the focus (to the other editor, a dialog, another
// window), the engine visits every hidden block one at a time, each visit a
// style pass over the document: tens of seconds for a document of thousands
// of blocks. Every block is shown before that happens; the next frame with
// the focus back hides the far ones again.
var everyBlockShown = false;
var awayRestMs = 300;
var awayRestTimer = 0;

function showEveryBlock() {
  editorBody().querySelectorAll(":scope > [data-offscreen]").forEach(showBlock);
  everyBlockShown = true;
}

function hideFarBlocksAgain() {
  if (!everyBlockShown || !document.hasFocus()) return;
  everyBlockShown = false;
  queueDrawUpdate();
}

// Once the focus has gone, the far blocks are hidden again while the page
// rests, so that it need not lay out the whole document when it comes back.
function hideFarBlocksWhileAway() {
  if (!everyBlockShown || document.hasFocus()) return;
  everyBlockShown = false;
  updateDrawnBlocks();
}

document.addEventListener("focusout", function (event) {
  var body = editorBody();
  if (body.contains(event.target) && !(event.relatedTarget && body.contains(event.relatedTarget))) {
    showEveryBlock();
    // A rest begun by an earlier departure must not cut this one short.
    clearTimeout(awayRestTimer);
    awayRestTimer = setTimeout(hideFarBlocksWhileAway, awayRestMs);
  }
}, true);
["focusin", "selectionchange", "keydown", "mousedown"].forEach(function (type) {
  document.addEventListener(type, hideFarBlocksAgain, true);
});

// Top-level blocks from `first` on, just added with a document: those after
// the first screens start hidden at an estimated height.
function hideNewBlocks(first) {
  var index = 0;
  for (var before = first && first.previousElementSibling; before && index < blocksShownAtFirst;
       before = before.previousElementSibling) {
    index += 1;
  }
  for (var block = first; block; block = block.nextElementSibling, index += 1) {
    if (index >= blocksShownAtFirst) hideBlock(block, estimatedHeight(block));
    else drawnBlocks.add(block);
  }
  everyBlockShown = false;
  queueDrawUpdate();
}

// Blocks added by editing are drawn; the next frame decides what stays so.
function watchChangedBlocks(records) {
  var added = false;
  records.forEach(function (record) {
    if (record.target !== editorBody()) return;
    record.addedNodes.forEach(function (node) {
      if (node.nodeType !== Node.ELEMENT_NODE || node.parentNode !== editorBody()) return;
      if (!isOffscreen(node)) drawnBlocks.add(node);
      added = true;
    });
    record.removedNodes.forEach(function (node) {
      drawnBlocks.delete(node);
    });
  });
  if (added) queueDrawUpdate();
}

function forgetDrawnBlocks() {
  drawnBlocks.clear();
}
