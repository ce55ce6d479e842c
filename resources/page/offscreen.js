// Large documents stay fast because blocks far from the view are neither laid
// out nor drawn: such a block carries data-offscreen (the page's style gives
// it content-visibility: auto, so the engine still finds, selects and focuses
// in it) and keeps its last measured height as its size, never a guess that
// shifts the page once drawn. A block is shown again once it comes within a
// screen of the view and hidden only once it is three screens away, so no
// block flips between the two states and whatever is in view is always
// drawn. Blocks that arrive with a document start hidden, at an estimated
// height, after the first screens. Print, find, the word count and the
// exports read the document's nodes and never depend on what is drawn.
"use strict";

var nearObserver = null;
var farObserver = null;
// The blocks of a new document shown at once, before any is measured.
var blocksShownAtFirst = 40;

function isOffscreen(block) {
  return block.hasAttribute("data-offscreen");
}

function hideBlock(block, height) {
  if (isOffscreen(block)) return;
  block.setAttribute("data-offscreen", block.hasAttribute("style") ? "styled" : "");
  block.style.setProperty("contain-intrinsic-size", Math.max(1, Math.round(height)) + "px");
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

// The block's HTML as if it had never been hidden.
function blockHtml(block) {
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
    if (block.nodeType === Node.ELEMENT_NODE) withoutOffscreenState(block);
    if (block === last) break;
  }
}

document.addEventListener("selectionchange", showSelectedBlocks);
["keydown", "beforeinput", "copy", "cut", "dragstart"].forEach(function (type) { document.addEventListener(type, showSelectedBlocks, true); });

function ensureBlockObservers() {
  if (nearObserver) return;
  nearObserver = new IntersectionObserver(function (entries) {
    entries.forEach(function (entry) {
      if (entry.isIntersecting) withoutOffscreenState(entry.target);
    });
  }, { rootMargin: "100% 0px" });
  farObserver = new IntersectionObserver(function (entries) {
    entries.forEach(function (entry) {
      if (!entry.isIntersecting && entry.target.parentNode === editorBody() && !holdsCaret(entry.target)) {
        hideBlock(entry.target, entry.boundingClientRect.height);
      }
    });
  }, { rootMargin: "300% 0px" });
}

function observeBlock(block) {
  ensureBlockObservers();
  nearObserver.observe(block);
  farObserver.observe(block);
}

function forgetBlock(block) {
  if (!nearObserver) return;
  nearObserver.unobserve(block);
  farObserver.unobserve(block);
}

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
  }
}

// Every top-level block is watched from when it is added until it goes.
function watchChangedBlocks(records) {
  records.forEach(function (record) {
    if (record.target !== editorBody()) return;
    record.addedNodes.forEach(function (node) {
      if (node.nodeType === Node.ELEMENT_NODE && node.parentNode === editorBody()) observeBlock(node);
    });
    record.removedNodes.forEach(function (node) {
      if (node.nodeType === Node.ELEMENT_NODE) forgetBlock(node);
    });
  });
}

function forgetBlockObservers() {
  if (nearObserver) nearObserver.disconnect();
  if (farObserver) farObserver.disconnect();
  nearObserver = farObserver = null;
}
