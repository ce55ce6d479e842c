// Find and replace over the document's text. The browser's own find sees
// only blocks that are drawn; this reads the text nodes themselves, so every
// block counts, on screen or not. Code blocks and formulas are drawn by their
// own libraries from their own text and are passed over.
"use strict";

function escapeRegExp(text) {
  return text.replace(/[.*+?^${}()|[\]\\]/g, "\\$&");
}

function matcher(text, caseSensitive) {
  return new RegExp(escapeRegExp(text), caseSensitive ? "g" : "gi");
}

function insideWidget(node) {
  var element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
  return !element || !!element.closest(".cm-editor-wrapper, x-equation, x-html");
}

function textNodesIn(block) {
  if (block.nodeType === Node.TEXT_NODE) return [block];
  var nodes = [];
  var walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT, {
    acceptNode: function (node) { return insideWidget(node) ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT; }
  });
  for (var node = walker.nextNode(); node; node = walker.nextNode()) nodes.push(node);
  return nodes;
}

// A top-level block's text with, for each text node, where it starts.
function blockText(block) {
  var nodes = textNodesIn(block);
  var starts = [];
  var length = 0;
  nodes.forEach(function (node) {
    starts.push(length);
    length += node.data.length;
  });
  return { text: nodes.map(function (node) { return node.data; }).join(""), nodes: nodes, starts: starts };
}

// The text node and offset at `position` of a block's text; a match's end
// stays in the node where it ends.
function pointAt(read, position, isEnd) {
  for (var i = read.nodes.length - 1; i >= 0; i--) {
    var start = read.starts[i];
    if (start < position || (start === position && !isEnd)) return { node: read.nodes[i], offset: position - start };
  }
  return { node: read.nodes[0], offset: 0 };
}

function rangeOf(read, start, end) {
  var from = pointAt(read, start, false);
  var to = pointAt(read, end, true);
  var range = document.createRange();
  range.setStart(from.node, from.offset);
  range.setEnd(to.node, to.offset);
  return range;
}

// Where a boundary point lies in its block's text.
function positionIn(read, node, offset) {
  var index = read.nodes.indexOf(node);
  if (index >= 0) return read.starts[index] + offset;
  var range = document.createRange();
  range.setStart(node, offset);
  for (var i = 0; i < read.nodes.length; i++) {
    if (range.comparePoint(read.nodes[i], 0) >= 0) return read.starts[i];
  }
  return read.text.length;
}

function matchesIn(read, text, caseSensitive) {
  var found = [];
  var pattern = matcher(text, caseSensitive);
  for (var match = pattern.exec(read.text); match; match = pattern.exec(read.text)) {
    found.push({ start: match.index, end: match.index + match[0].length });
  }
  return found;
}

// Blocks far off screen take their real size only once they are drawn, which
// moves what comes after them: the match is brought into view again until it stays.
function selectAndShow(range) {
  showBlocksOf(range);
  var selection = window.getSelection();
  selection.removeAllRanges();
  selection.addRange(range);
  var element = range.startContainer.nodeType === Node.ELEMENT_NODE ? range.startContainer : range.startContainer.parentElement;
  var frames = 0;
  var lastTop = null;
  var show = function () {
    var rect = range.getBoundingClientRect();
    var settled = rect.top === lastTop && rect.top >= 0 && rect.bottom <= window.innerHeight;
    lastTop = rect.top;
    if (settled || ++frames > 60) return;
    if (rect.top < 0 || rect.bottom > window.innerHeight || frames === 1) element.scrollIntoView({ block: "center" });
    requestAnimationFrame(show);
  };
  show();
}

// Selects the next (or previous) match after the selection (or, as the text
// is typed, from its start), wrapping round once; answers whether there was one.
function findText(text, caseSensitive, backwards, fromSelectionStart) {
  var body = editorBody();
  body.focus();
  var blocks = Array.prototype.slice.call(body.childNodes);
  if (!text || !blocks.length) return false;
  var selection = window.getSelection();
  var current = selection.rangeCount ? topLevelBlock(selection.getRangeAt(0)[backwards ? "startContainer" : "endContainer"]) : null;
  var first = current ? blocks.indexOf(current) : (backwards ? blocks.length - 1 : 0);
  for (var step = 0; step <= blocks.length; step++) {
    var index = ((backwards ? first - step : first + step) % blocks.length + blocks.length) % blocks.length;
    var read = blockText(blocks[index]);
    var matches = matchesIn(read, text, caseSensitive);
    if (step === 0 && current) {
      var range = selection.getRangeAt(0);
      var boundary = backwards || fromSelectionStart ? positionIn(read, range.startContainer, range.startOffset)
                                                     : positionIn(read, range.endContainer, range.endOffset);
      matches = matches.filter(function (match) { return backwards ? match.end <= boundary : match.start >= boundary; });
    }
    if (matches.length) {
      var match = matches[backwards ? matches.length - 1 : 0];
      selectAndShow(rangeOf(read, match.start, match.end));
      return true;
    }
  }
  return false;
}

function replaceRange(range, replacement) {
  range.deleteContents();
  var node = document.createTextNode(replacement);
  range.insertNode(node);
  return node;
}

// Replaces the selection when it is a match, finding one first when nothing
// is selected; answers whether it replaced.
function replaceSelectedMatch(text, replacement, caseSensitive) {
  var selection = window.getSelection();
  if (!selection.rangeCount && !findText(text, caseSensitive, false)) return false;
  var range = selection.getRangeAt(0);
  var selected = getSelectedText();
  var isMatch = caseSensitive ? selected === text : selected.toLowerCase() === text.toLowerCase();
  if (!isMatch || insideWidget(range.commonAncestorContainer) || !editorBody().contains(range.commonAncestorContainer)) {
    return false;
  }
  var node = replaceRange(range, replacement);
  var after = document.createRange();
  after.setStartAfter(node);
  selection.removeAllRanges();
  selection.addRange(after);
  markModified();
  return true;
}

// Replaces every match in the document; answers how many.
function replaceAllText(text, replacement, caseSensitive) {
  var count = 0;
  Array.prototype.slice.call(editorBody().childNodes).forEach(function (block) {
    var read = blockText(block);
    var matches = matchesIn(read, text, caseSensitive);
    // From the last match back, so that the places of the others still hold.
    for (var i = matches.length - 1; i >= 0; i--) {
      replaceRange(rangeOf(read, matches[i].start, matches[i].end), replacement);
      count++;
    }
  });
  if (count > 0) markModified();
  return count;
}
