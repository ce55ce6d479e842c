// Editing in the page: Markdown shortcuts typed at a line start, links,
// the trailing paragraph, paragraph indent, and the bridge's handlers.
"use strict";

var pendingCount = null;

// A large document goes in piece by piece: the first piece shows at once and
// the rest follow between frames. Whatever reads or changes the document as
// a whole first takes in what is still waiting (flushPendingHtml). Every
// frame in between costs the engine time for each block already in, so a
// very large document goes in as a bounded number of larger pieces: its
// cost then grows with its length, not with the square of it.
// The program gives the start of a large document with its call and the
// rest by an address (restAddress), read when a piece from it is first due:
// carrying megabytes takes a while, and the first screen need not wait.
var firstPieceLength = 64 * 1024;
var laterPieceLength = 384 * 1024;
var laterPiecesAtMost = 10;
var pendingHtml = null;
var pendingTimer = null;

// The markup that cannot hold content, so never opens a level.
var voidElements = { area: 1, base: 1, br: 1, col: 1, embed: 1, hr: 1, img: 1, input: 1, link: 1, meta: 1,
                     param: 1, source: 1, track: 1, wbr: 1 };

// Cuts the next piece of at least `length` characters off `pending` at a
// point between two top-level elements. Markup it cannot follow (a stray end
// tag, an element left open) is never cut: the rest then goes in whole.
function nextHtmlPiece(pending, length) {
  var html = pending.html;
  if (html.length - pending.start <= length && pending.restAddress === null) return takeRest(pending);
  var tag = /<(\/?)([a-zA-Z][a-zA-Z0-9-]*)[^>]*>/g;
  tag.lastIndex = pending.start;
  var depth = 0;
  var match;
  while ((match = tag.exec(html)) !== null) {
    var name = match[2].toLowerCase();
    if (match[1]) depth -= 1;
    else if (!voidElements[name] && match[0].charAt(match[0].length - 2) !== "/") depth += 1;
    if (depth < 0) break;
    if (depth === 0 && tag.lastIndex - pending.start >= length) {
      var piece = html.slice(pending.start, tag.lastIndex);
      pending.start = tag.lastIndex;
      return piece;
    }
  }
  if (pending.restAddress !== null && depth >= 0) {
    readRest(pending);
    return nextHtmlPiece(pending, length);
  }
  return takeRest(pending);
}

function readRest(pending) {
  var address = pending.restAddress;
  pending.restAddress = null;
  pending.html = pending.html.slice(pending.start) + readAddress(address);
  pending.start = 0;
  pending.pieceLength = Math.max(laterPieceLength, Math.ceil(pending.html.length / laterPiecesAtMost));
}

function readAddress(address) {
  var request = new XMLHttpRequest();
  request.open("GET", address, false);
  request.send();
  if (request.status !== 200) throw new Error("Nothing at " + address);
  return request.responseText;
}

// The program holds what an address serves until it is read: a rest no
// longer wanted is read and dropped in the background.
function dropRest(pending) {
  if (!pending || pending.restAddress === null) return;
  var request = new XMLHttpRequest();
  request.open("GET", pending.restAddress);
  request.send();
  pending.restAddress = null;
}

function moreToCome(pending) {
  return pending.start < pending.html.length || pending.restAddress !== null;
}

function takeRest(pending) {
  if (pending.restAddress !== null) readRest(pending);
  var rest = pending.html.slice(pending.start);
  pending.start = pending.html.length;
  return rest;
}

// Parsed apart from the live editable document, HTML goes in about a third
// faster than through the editor's own innerHTML. The parsed nodes move into
// a fragment of the page's own document, where they are prepared before they
// go in: a query over the fragment finds the code blocks and formulas of
// thousands of blocks at once, and nothing changes in the live page meanwhile.
function parsedBlocks(html) {
  var parsed = document.createElement("template");
  parsed.innerHTML = html;
  var content = document.createDocumentFragment();
  while (parsed.content.firstChild) {
    var node = parsed.content.firstChild;
    content.appendChild(node);
    if (node.nodeType !== Node.ELEMENT_NODE || !node.hasAttribute("data-sb")) continue;
    node.sourceBlock = Number(node.getAttribute("data-sb"));
    node.removeAttribute("data-sb");
    markItems(node);
  }
  prepareBlocks(content);
  return content;
}

// The engine checks the spelling of the page's prose where the program turns
// it on, in the blocks around the view (see offscreen.js). Marked anew, the
// blocks are checked anew: the engine only looks when their marks change.
function setSpellChecking(on) {
  spellCheckingWanted = on;
  stopSpellChecking();
  if (on) queueDrawUpdate();
  return true;
}

function prepareBlocks(root) {
  buildCodeBlocks(root);
  fillIslands(root);
  showLocalImages(root);
}

function appendHtml(body, html) {
  var content = parsedBlocks(html);
  var run = hiddenRunOf(Array.prototype.slice.call(content.children), Math.min(body.childElementCount, blocksShownAtFirst));
  body.appendChild(content);
  if (run) joinNeighbourRuns(run);
  queueDrawUpdate();
}

// The program's document changed in a few blocks: those give way to the new
// ones, and the rest of the page (code editors, formulas, the place and the
// caret) stays as it is.
function patchDocumentHtml(first, removed, html, shift) {
  flushPendingHtml();
  var body = editorBody();
  var lastKept = null;
  var next = null;
  var gone = [];
  Array.prototype.forEach.call(body.children, function (element) {
    var block = element.sourceBlock;
    if (block === undefined) return;
    if (block < first) {
      lastKept = element;
    } else if (block < first + removed) {
      gone.push(element);
    } else {
      if (!next) next = element;
      element.sourceBlock = block + shift;
    }
  });
  gone.forEach(function (element) {
    forgetBlock(element);
    element.remove();
  });
  if (!next) next = lastKept ? lastKept.nextSibling : body.firstChild;
  var content = parsedBlocks(html);
  var added = Array.prototype.slice.call(content.children);
  body.insertBefore(content, next);
  added.forEach(function (node) { drawnBlocks.add(node); });
  queueDrawUpdate();
  documentTaken();
}

// The program took the page's document as it was read the `read`th time,
// each top-level element as the block `blockOfElement` names (-1: none).
// Unless the page was read or changed since, its elements take those indices
// and the change goes in as a patch; else the page asks for the whole document.
function rebaseAndPatchDocumentHtml(read, blockOfElement, first, removed, html, shift) {
  flushPendingHtml();
  var elements = [];
  var fits = read === readsTaken && !changedSinceRead;
  editorBody().childNodes.forEach(function (node) {
    if (node.nodeType === Node.ELEMENT_NODE) elements.push(node);
    else if (node.nodeType === Node.TEXT_NODE && node.data.trim()) fits = false;
  });
  if (!fits || elements.length !== blockOfElement.length) {
    contentObj.wholeDocumentWanted();
    return;
  }
  elements.forEach(function (element, index) {
    element.sourceBlock = blockOfElement[index] < 0 ? undefined : blockOfElement[index];
    markItems(element);
  });
  patchDocumentHtml(first, removed, html, shift);
}

// The page holds the program's latest document, as given.
function documentTaken() {
  documentNumber += 1;
  editedSinceShown = false;
  forgetTouches();
}

function appendPendingPiece() {
  pendingTimer = null;
  if (!pendingHtml) return;
  appendHtml(editorBody(), nextHtmlPiece(pendingHtml, pendingHtml.pieceLength));
  if (moreToCome(pendingHtml)) pendingTimer = setTimeout(appendPendingPiece, 0);
  else documentIsWhole();
}

function flushPendingHtml() {
  if (!pendingHtml) return;
  if (pendingTimer !== null) clearTimeout(pendingTimer);
  pendingTimer = null;
  appendHtml(editorBody(), takeRest(pendingHtml));
  documentIsWhole();
}

// The document it replaced, and the markup it came in, stay behind as garbage
// that the engine keeps for half a minute or more: tens of megabytes for a
// large document. Once the new one is whole, the first idle moment of the
// shown page collects them, where the engine offers a collection (the program
// asks for one). Its first count leaves the document's text behind as well,
// and is collected once the count is in.
var pendingCollection = null;
var collectWhenCounted = false;

function collectWhenIdle() {
  if (pendingCollection !== null || typeof gc !== "function") return;
  pendingCollection = requestIdleCallback(collectGarbage);
}

function documentIsWhole() {
  pendingHtml = null;
  ensureTrailingParagraph();
  collectWhenCounted = true;
  collectWhenIdle();
}

function countIsIn() {
  if (!collectWhenCounted) return;
  collectWhenCounted = false;
  collectWhenIdle();
}

function collectGarbage() {
  pendingCollection = null;
  gc();
}

// Attributes an edit can change that the Markdown keeps. Style is left out:
// the page sets it on every block it hides, and Markdown keeps none.
var changedAttributes = ["href", "src", "title", "alt", "align", "width", "height", "colspan", "rowspan", "start",
                         "checked", "type", "class", "data-local-src"];
var documentObserver = null;

function takeChanges(records) {
  records = records.filter(function (record) { return !isInCodeEditor(record.target); });
  touchChangedBlocks(records);
  var contentChanges = records.filter(function (record) { return record.type !== "attributes"; });
  if (!contentChanges.length) return;
  watchChangedBlocks(contentChanges);
  forgetChangedTexts(contentChanges);
  ensureTrailingParagraph();
  scheduleCount();
}

// Runs `change`, a change of the page's own that edits nothing (a formula
// drawn), apart from what the observer has seen so far.
function untracked(change) {
  if (documentObserver) takeChanges(documentObserver.takeRecords());
  change();
  if (documentObserver) documentObserver.takeRecords();
}

// A document read again from its file keeps the reader's place.
var keepPlaceOfNext = false;

function keepPlaceOnNextDocument() {
  keepPlaceOfNext = true;
  return true;
}

// The folder (a file URL ending in "/") the next documents' relative image
// addresses lead into; empty for none.
function setDocumentFolder(folderUrl) {
  documentFolder = folderUrl;
}

// Replaces the document with `html` and, given a `restAddress`, the rest of
// it that the address serves once.
function setDocumentHtml(html, restAddress) {
  if (pendingTimer !== null) clearTimeout(pendingTimer);
  pendingTimer = null;
  dropRest(pendingHtml);
  var whole = String(html || "");
  pendingHtml = { html: whole, start: 0, restAddress: restAddress || null,
                  pieceLength: Math.max(laterPieceLength, Math.ceil(whole.length / laterPiecesAtMost)) };
  var place = keepPlaceOfNext ? window.scrollY : null;
  keepPlaceOfNext = false;
  var body = editorBody();
  showPlaceholder();
  // An observer keeps what it watches alive: the old document must go with it.
  forgetObservedBlocks();
  forgetPageMarkers();
  body.textContent = "";
  appendHtml(body, nextHtmlPiece(pendingHtml, firstPieceLength));
  documentTaken();
  if (place !== null) {
    flushPendingHtml();
    window.scrollTo(0, place);
    return;
  }
  drawFirstScreen(body);
  if (moreToCome(pendingHtml)) {
    // The first piece is painted before the next goes in.
    requestAnimationFrame(function () { pendingTimer = setTimeout(appendPendingPiece, 0); });
  } else {
    documentIsWhole();
  }
}

// The first screen of a new document is complete in its first frame: its
// code editors and formulas are built now rather than a frame later. A
// screen holds a few; a block holding many (a quote around a whole document)
// leaves the rest to the frames after.
var firstScreenDrawings = 12;

function drawFirstScreen(body) {
  var bottom = window.innerHeight;
  var left = firstScreenDrawings;
  for (var block = body.firstElementChild; block && left > 0 && block.getBoundingClientRect().top < bottom;
       block = block.nextElementSibling) {
    var parts = selectWithin(block, ".cm-editor-wrapper, x-equation");
    for (var index = 0; index < parts.length && left > 0; index += 1, left -= 1) {
      var part = parts[index];
      if (part.getBoundingClientRect().top >= bottom) return;
      if (part.tagName === "X-EQUATION") {
        if (formulaObserver) formulaObserver.unobserve(part);
        if (!part.querySelector(".katex")) renderFormula(part);
      } else {
        buildCodeMirror(part);
      }
    }
  }
}

// A small document is in the page as it loads, with its folder, so that the
// page's first frame shows it and its relative images.
function takeFirstDocument() {
  var block = document.getElementById("first-document");
  if (!block) return;
  var text = block.textContent;
  block.remove();
  if (!text) return;
  var first = JSON.parse(text);
  documentFolder = first[1];
  setDocumentHtml(first[0]);
}

var lineBlocks = "h1, h2, h3, h4, h5, h6, blockquote, li, p, div";

// Leaves `block` holding just `character`, with the caret after it.
function clearCurrentLine(character, block) {
  var selection = window.getSelection();
  if (!block) {
    var element = selection.rangeCount ? selection.anchorNode : null;
    if (element === editorBody()) element = element.childNodes[selection.anchorOffset] || element.lastChild;
    if (element && element.nodeType !== Node.ELEMENT_NODE) element = element.parentNode;
    block = element && element.closest(lineBlocks);
  }
  if (!block || block === editorBody()) return;
  block.textContent = character || "\u00a0";
  var range = document.createRange();
  range.setStart(block.firstChild, block.firstChild.length);
  range.collapse(true);
  selection.removeAllRanges();
  selection.addRange(range);
}

// Replaces the line's block by a new block of `tagName`.
function retagLine(node, tagName) {
  var block = node.parentNode.closest(lineBlocks);
  var replacement = document.createElement(tagName);
  if (!block || block === editorBody()) {
    node.parentNode.replaceChild(replacement, node);
  } else {
    block.parentNode.replaceChild(replacement, block);
  }
  return replacement;
}

function handleMarkdownShortcut() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var node = selection.anchorNode;
  if (!node || node.nodeType !== Node.TEXT_NODE) return;
  var text = node.textContent;
  var heading = /^(#{1,6})\u00a0$/.exec(text);
  if (heading) {
    clearCurrentLine("\u00a0", retagLine(node, "h" + heading[1].length));
  } else if (text === ">\u00a0") {
    clearCurrentLine("\u00a0", retagLine(node, "blockquote"));
  } else if (/^\d+\.\u00a0$/.test(text)) {
    document.execCommand("insertOrderedList");
    clearCurrentLine("\u00a0");
  } else if (/^[-+*]\u00a0+$/.test(text)) {
    document.execCommand("insertUnorderedList");
    clearCurrentLine("\u00a0");
  } else {
    return;
  }
  markModified();
}

function handleEnter() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var element = selection.anchorNode;
  if (element && element.nodeType !== Node.ELEMENT_NODE) element = element.parentNode;
  if (!element || element === editorBody()) return;
  var previous = element.previousElementSibling;
  if (previous && previous.innerHTML === "<br>" && previous.tagName !== "P") {
    var paragraph = document.createElement("p");
    paragraph.innerHTML = "<br>";
    previous.parentNode.replaceChild(paragraph, previous);
  }
}

function toggleParagraphIndent() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var element = selection.anchorNode;
  if (element && element.nodeType !== Node.ELEMENT_NODE) element = element.parentNode;
  if (!element) return;
  if (element.tagName !== "P") {
    var inline = ["CODE", "I", "B", "S", "STRONG", "EM", "DEL", "SPAN"];
    if (inline.indexOf(element.tagName) < 0 || !element.parentNode || element.parentNode.tagName !== "P") return;
    element = element.parentNode;
  }
  var first = element.firstChild;
  if (first && first.nodeType === Node.TEXT_NODE && first.textContent.indexOf("\u3000\u3000") === 0) {
    first.textContent = first.textContent.substring(2);
  } else {
    element.insertBefore(document.createTextNode("\u3000\u3000"), first);
  }
  markModified();
}

function openLinkWin() {
  contentObj.addLink(getSelectedText());
}

var trailingParagraph = null;

function ensureTrailingParagraph() {
  // Until the last piece is in, the end of the page is not the document's end.
  if (pendingHtml) return;
  var body = editorBody();
  // The engine's undo can put blocks back after the one added last; left
  // empty between blocks, it would be a line the document never had.
  var added = trailingParagraph;
  var caret = window.getSelection().focusNode;
  if (added && added.parentNode === body && added !== body.lastElementChild && added.innerHTML === "&nbsp;"
      && !(caret && added.contains(caret))) {
    added.remove();
  }
  var last = body.lastElementChild;
  if (!last || last.tagName !== "P" || last.innerHTML !== "&nbsp;" || last !== body.lastChild) {
    trailingParagraph = document.createElement("p");
    trailingParagraph.innerHTML = "&nbsp;";
    body.appendChild(trailingParagraph);
  }
}

// The word count and the outline read the whole page; a burst of changes
// asks for them once, when the writer pauses.
function scheduleCount() {
  cancelTextReading();
  clearTimeout(pendingCount);
  pendingCount = setTimeout(function () {
    pendingCount = null;
    // Both read the whole page: once, when the last piece is in.
    if (pendingHtml) {
      scheduleCount();
      return;
    }
    readDocumentText(function (text) {
      startWorker(text);
      updateSideBar();
    });
  }, 150);
}

// The page goes behind the Source Code Editor, which counts and outlines its
// own text from now on; counting here as well would only slow the hand-over
// down, and its answer could come after the source's.
function handOverHtml() {
  clearTimeout(pendingCount);
  pendingCount = null;
  cancelTextReading();
  stopWorker();
  var answer = editedHtml();
  editedSinceShown = false;
  return answer;
}

function insertPayload(payload, range) {
  var node;
  if (payload.type === "a") {
    node = document.createElement("a");
    var href = safeHref(payload.url);
    if (href) node.setAttribute("href", href);
    node.textContent = payload.title;
  } else if (payload.type === "img") {
    node = document.createElement("img");
    var src = safeHref(payload.url);
    if (src) node.setAttribute("src", src);
    if (payload.title && range === undefined) node.setAttribute("title", payload.title);
  } else if (payload.type === "text") {
    node = document.createTextNode(payload.text);
  } else if (payload.type === "html") {
    node = sanitizedFragment(payload.html);
    // A single paragraph goes into the text at the caret, as typed words would.
    var paragraph = node.firstElementChild;
    var alone = Array.prototype.every.call(node.childNodes, function (child) {
      return child === paragraph || (child.nodeType === Node.TEXT_NODE && !child.data.trim());
    });
    if (paragraph && paragraph.tagName === "P" && alone) {
      node = document.createDocumentFragment();
      while (paragraph.firstChild) node.appendChild(paragraph.firstChild);
    }
    // Made before the nodes go in, as a new document's are: what goes in is
    // what an undo takes out again.
    buildCodeBlocks(node);
    fillIslands(node);
    if (spellCheckingWanted) keepCodeUnchecked(node);
  } else {
    return;
  }
  if (range) {
    var selection = window.getSelection();
    selection.removeAllRanges();
    selection.addRange(range);
  }
  if (!replaceSelection(node)) return;
  showLocalImages(editorBody());
  markModified();
}

// The engine copies a code block as its editor draws it (line numbers, tabs
// as spaces) and a formula as KaTeX draws it. A selection holding either is
// copied as the document holds them instead: code as its text, formulas as
// their source. (A selection of many blocks is left to the engine, which
// takes seconds for it as it is.)
function copyAsWritten(event) {
  var selection = window.getSelection();
  if (!selection.rangeCount || selection.isCollapsed) return;
  var range = selection.getRangeAt(0);
  var body = editorBody();
  if (!body.contains(range.commonAncestorContainer) || isInCodeEditor(range.commonAncestorContainer)) return;
  var blocks = blocksOf(range);
  if (blocks.length > manySelectedBlocks) return;
  var holder = document.createElement("div");
  holder.appendChild(range.cloneContents());
  if (!holder.querySelector(".cm-editor-wrapper, x-equation")) return;
  // Looked for in the selected blocks only: where a node stands among a long
  // document's blocks takes a walk through them.
  var wrappers = [];
  blocks.forEach(function (block) {
    selectWithin(block, ".cm-editor-wrapper").forEach(function (wrapper) {
      if (range.intersectsNode(wrapper)) wrappers.push(wrapper);
    });
  });
  if (holder.querySelectorAll(".cm-editor-wrapper").length !== wrappers.length) return;
  Array.prototype.slice.call(holder.children).forEach(withoutPageState);
  asWritten(holder, wrappers);
  event.clipboardData.setData("text/html", holder.innerHTML);
  event.clipboardData.setData("text/plain", textAsShown(holder).replace(/\n{3,}/g, "\n\n").trim());
  event.preventDefault();
  if (event.type === "cut") document.execCommand("delete");
}

// The text of copied nodes as a reader sees it, formulas as in Markdown.
// Read from the nodes themselves: laying a copy out to ask the engine took
// a minute in a long document.
function textAsShown(node) {
  if (node.nodeType === Node.TEXT_NODE) {
    // Line ends of the markup between blocks are no text.
    var between = !node.data.trim() && (!node.parentNode || /^(div|ul|ol|table|thead|tbody|tr|blockquote)$/.test(node.parentNode.localName));
    return between ? "" : node.data.replace(/\s+/g, " ");
  }
  if (node.nodeType !== Node.ELEMENT_NODE && node.nodeType !== Node.DOCUMENT_FRAGMENT_NODE) return "";
  if (node.localName === "br") return "\n";
  if (node.localName === "pre") return node.textContent.replace(/\n$/, "") + "\n\n";
  if (node.localName === "x-equation") {
    var fence = node.getAttribute("type") === "display" ? "$$" : "$";
    return fence + node.textContent + fence;
  }
  var text = Array.prototype.map.call(node.childNodes, textAsShown).join("");
  if (/^(p|h[1-6]|blockquote|ul|ol|table|div)$/.test(node.localName)) return text.trim() + "\n\n";
  if (/^(li|tr)$/.test(node.localName)) return text.trim() + "\n";
  if (/^(td|th)$/.test(node.localName)) return text.trim() + "\t";
  return text;
}

function connectBridge(channel) {
  contentObj = channel.objects.content;
  contentObj.removeItemConfirmed.connect(function (id) {
    var element = document.getElementById(id);
    if (element) element.remove();
  });
  contentObj.patchHtmlSignal.connect(patchDocumentHtml);
  contentObj.rebaseAndPatchHtmlSignal.connect(rebaseAndPatchDocumentHtml);
  // The program answers with the document it has, if any; an empty page
  // then says what to do.
  contentObj.loadRecentMd(showPlaceholder);
  // A document in the page before the program was reachable is counted now.
  if (documentNumber > 0) scheduleCount();
  contentObj.addLinkSignal.connect(function (link) {
    var title = link.title || link.url;
    var href = safeHref(link.url);
    if (!link.isModify) {
      var anchor = document.createElement("a");
      if (href) anchor.setAttribute("href", href);
      anchor.setAttribute("target", "_blank");
      anchor.textContent = title;
      document.execCommand("insertHTML", false, anchor.outerHTML);
    } else if (currentTarget) {
      if (href) currentTarget.setAttribute("href", href);
      else currentTarget.removeAttribute("href");
      currentTarget.textContent = title;
    }
    markModified();
  });
  contentObj.insertLaTeX.connect(insertLaTeXAtSelection);
  contentObj.modifyLaTeXJs.connect(replaceFormula);
  contentObj.dealCopySignal.connect(function (payload) { insertPayload(payload); });
  contentObj.dealDragSignal.connect(function (payload) {
    var range = currentEvent ? document.caretRangeFromPoint(currentEvent.clientX, currentEvent.clientY) : null;
    if (range) insertPayload(payload, range);
  });
  contentObj.insertImageSignal.connect(function (src) {
    var url = safeHref(src);
    if (!url) return;
    document.execCommand("insertImage", false, url);
    showLocalImages(editorBody());
  });
  contentObj.updateSideBarSignal.connect(updateSideBar);
}

// A list item goes into a list of its own kind in the item before it.
function indentItem(item) {
  var before = item.previousElementSibling;
  if (!before || before.tagName !== "LI") return;
  var nested = before.lastElementChild;
  if (!nested || nested.tagName !== item.parentNode.tagName) {
    nested = document.createElement(item.parentNode.tagName);
    before.appendChild(nested);
  }
  nested.appendChild(item);
}

// A nested item comes out after the item holding its list, taking the items
// after it along as its own nested list.
function outdentItem(item) {
  var list = item.parentNode;
  var holder = list.parentNode;
  if (!holder || holder.tagName !== "LI") return;
  if (item.nextElementSibling) {
    var rest = list.cloneNode(false);
    while (item.nextElementSibling) rest.appendChild(item.nextElementSibling);
    item.appendChild(rest);
  }
  holder.parentNode.insertBefore(item, holder.nextSibling);
  if (!list.children.length) list.remove();
}

// Tab moves between table cells and indents list items; it never takes the
// focus out of the document. Code blocks handle it themselves.
function handleTab(event) {
  if (event.key !== "Tab" || event.ctrlKey || event.altKey || event.metaKey) return;
  var selection = getSelection();
  if (!selection.rangeCount) return;
  var node = selection.getRangeAt(0).startContainer;
  var element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
  if (!element || element.closest(".cm-editor-wrapper")) return;
  event.preventDefault();
  var cell = element.closest("td, th");
  var item = element.closest("li");
  if (cell && editorBody().contains(cell)) {
    moveBetweenCells(cell, event.shiftKey);
  } else if (item && editorBody().contains(item)) {
    // The caret's node moves with its item: it is put back where it was.
    var range = selection.getRangeAt(0);
    var start = { node: range.startContainer, offset: range.startOffset };
    var end = { node: range.endContainer, offset: range.endOffset };
    if (event.shiftKey) outdentItem(item);
    else indentItem(item);
    var kept = document.createRange();
    kept.setStart(start.node, start.offset);
    kept.setEnd(end.node, end.offset);
    selection.removeAllRanges();
    selection.addRange(kept);
  }
}

// At some points (beside a list item, for one, while the engine is busy) it
// finds no caret position and puts the caret at the start of the document,
// out of sight, where the next keys would go. A click there takes the
// nearest position a few pixels away, or the end of what was clicked.
// The block ending above `y` in the view, or the first one: where a click
// between blocks puts the caret.
function blockBeside(y) {
  var beside = null;
  var besideTop = -Infinity;
  var highest = null;
  var highestTop = Infinity;
  drawnBlocks.forEach(function (block) {
    var top = block.getBoundingClientRect().top;
    if (top <= y && top > besideTop) { beside = block; besideTop = top; }
    if (top < highestTop) { highest = block; highestTop = top; }
  });
  return beside || highest || editorBody().firstElementChild;
}

function keepClickedCaretInSight(event) {
  if (event.button !== 0 || event.detail > 1 || event.shiftKey) return;
  if (event.target.closest(".CodeMirror, [contenteditable=false]")) return;
  if (document.caretRangeFromPoint(event.clientX, event.clientY)) return;
  var range = null;
  for (var distance = 1; distance <= 8 && !range; distance++) {
    range = document.caretRangeFromPoint(event.clientX, event.clientY + distance)
      || document.caretRangeFromPoint(event.clientX, event.clientY - distance);
  }
  if (!range || !editorBody().contains(range.startContainer)) {
    range = document.createRange();
    range.selectNodeContents(event.target === editorBody() ? blockBeside(event.clientY) : event.target);
    range.collapse(false);
  }
  event.preventDefault();
  editorBody().focus({ preventScroll: true });
  var selection = getSelection();
  selection.removeAllRanges();
  selection.addRange(range);
}

// An empty page says what to do only once it is known to hold its document.
function showPlaceholder() {
  editorBody().setAttribute("data-placeholder", document.documentElement.dataset.focusPlaceholder || "");
}

function setPlaceholder(text) {
  document.documentElement.dataset.focusPlaceholder = text;
  editorBody().setAttribute("data-placeholder", text);
}

window.addEventListener("load", function () {
  var body = editorBody();
  body.addEventListener("keydown", handleTab);
  document.execCommand("enableObjectResizing", false, true);
  document.execCommand("enableInlineTableEditing", false, true);

  body.addEventListener("keyup", function (event) {
    if (event.key === "Enter") handleEnter();
    else handleMarkdownShortcut();
  });
  body.addEventListener("click", function (event) {
    var link = event.target.closest ? event.target.closest("a") : null;
    if (!link || !body.contains(link)) return;
    event.preventDefault();
    if (!contentObj) return;
    if (event.ctrlKey) {
      contentObj.openUrl(link.getAttribute("href") || "");
    } else {
      currentTarget = link;
      contentObj.modifyLink(link.textContent, link.getAttribute("href") || "");
    }
  });
  body.addEventListener("mousedown", keepClickedCaretInSight);
  body.addEventListener("dragover", function (event) { currentEvent = event; });
  // Whatever the user does next may reach beyond the part already in.
  ["keydown", "mousedown", "beforeinput", "dragenter"].forEach(function (type) {
    document.addEventListener(type, flushPendingHtml, true);
  });
  body.addEventListener("input", markModified);
  body.addEventListener("paste", function (event) { event.preventDefault(); });
  body.addEventListener("copy", copyAsWritten);
  body.addEventListener("cut", copyAsWritten);
  documentObserver = new MutationObserver(takeChanges);
  documentObserver.observe(body, { childList: true, characterData: true, subtree: true, attributes: true,
                                   attributeFilter: changedAttributes });

  body.setAttribute("contenteditable", "true");
  // Enter after a heading starts a paragraph, as it will be in Markdown.
  document.execCommand("defaultParagraphSeparator", false, "p");
  body.focus();
  takeFirstDocument();
  new QWebChannel(qt.webChannelTransport, connectBridge);
});
