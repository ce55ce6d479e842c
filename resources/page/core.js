// The editor page's shared state and helpers: the bridge, element paths,
// the document HTML for conversion, word count and outline.
"use strict";

var contentObj;
var currentTarget = null;
var currentEvent = null;
var cmThemeName = document.documentElement.dataset.cmTheme || "default";
var showLeftSidebar = document.documentElement.dataset.showLeftSidebar === "true";
var myWorker = null;

function editorBody() {
  return document.getElementById("bodyeditor");
}

// Whether anything was edited since the program last had the document, and
// how many documents the program has given the page: an answer about an
// older one tells the program that the newest has not come in yet.
var editedSinceShown = false;
var documentNumber = 0;
// Key presses that reached the page: the program waits for those it passed on
// before it asks for the document.
var keysReceived = 0;
document.addEventListener("keydown", function () { keysReceived += 1; }, true);

// Each top-level element of a document the program gave carries the index of
// the source block it was rendered from (sourceBlock); those changed since
// are touched. The program writes the others back as their own source. The
// items of a top-level list, and the blocks of a top-level quote, carry their
// index too (sourceItem), and so do the items of lists nested in those list
// items at any depth, so that an edit in one of them re-spells it alone. Every item
// holding a change is touched; the innermost one has a change of its own.
// A container whose own attributes changed is re-spelled whole.
var touchedBlocks = new WeakSet();
var touchedItems = new WeakSet();
var itemsChangedThemselves = new WeakSet();
var reshapedContainers = new WeakSet();
// How often the program read the document in parts, and whether it changed
// since the last read: the program may take the page's document as read.
var readsTaken = 0;
var changedSinceRead = false;

function forgetTouches() {
  touchedBlocks = new WeakSet();
  touchedItems = new WeakSet();
  itemsChangedThemselves = new WeakSet();
  reshapedContainers = new WeakSet();
}

function isList(element) {
  return element.tagName === "UL" || element.tagName === "OL";
}

function isContainer(element) {
  return isList(element) || element.tagName === "BLOCKQUOTE";
}

function touchBlock(node, attributesOfNode) {
  var block = topLevelBlock(node);
  if (!block) return;
  touchedBlocks.add(block);
  changedSinceRead = true;
  if (!isContainer(block)) return;
  if (attributesOfNode && isContainer(node)) reshapedContainers.add(node);
  // Items taken from or added to a list change no item around it.
  var own = !isContainer(node);
  for (var item = node; item !== block; item = item.parentNode) {
    if (!isItem(item, block)) continue;
    touchedItems.add(item);
    if (own) itemsChangedThemselves.add(item);
    own = false;
  }
}

// Changes inside a code block are its editor's, which reports them itself:
// the editor also redraws its own lines whenever it scrolls into view.
function isInCodeEditor(node) {
  var element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentNode;
  return !!(element && element.closest && element.closest(".cm-editor-wrapper"));
}

// A text node already taken out of the page has no block left to touch.
function touchChangedBlocks(records) {
  var body = editorBody();
  records.forEach(function (record) {
    var target = record.target;
    if (target !== body && (target.nodeType === Node.ELEMENT_NODE || target.parentNode)) {
      touchBlock(target, record.type === "attributes");
    }
  });
}

// A child of the top-level container, or an item of a list nested in a list
// item: marked, or new there.
function isItem(element, block) {
  if (element.parentNode === block || element.sourceItem !== undefined) return true;
  var list = element.parentNode;
  return element.tagName === "LI" && isList(list) && list.parentNode.tagName === "LI"
    && list.parentNode.sourceItem !== undefined;
}

function markItems(container) {
  if (!isContainer(container)) return;
  for (var item = container.firstElementChild, index = 0; item; item = item.nextElementSibling, index += 1) {
    item.sourceItem = index;
    if (item.tagName !== "LI") continue;
    for (var child = item.firstElementChild; child; child = child.nextElementSibling)
      if (isList(child)) markItems(child);
  }
}

// A touched container's items in page order: the index of each untouched
// one, [index or -1 for a new one, HTML, nested lists] for the others; null
// where they can no longer be told apart. The nested lists of an item changed
// inside them only are those lists' items likewise, else null.
function itemParts(container) {
  if (!isContainer(container) || reshapedContainers.has(container)) return null;
  var items = [];
  for (var child = container.firstChild; child; child = child.nextSibling) {
    if (child.nodeType === Node.TEXT_NODE && !child.data.trim()) continue;
    if (child.nodeType !== Node.ELEMENT_NODE || (container.tagName !== "BLOCKQUOTE") !== (child.tagName === "LI"))
      return null;
    if (child.sourceItem !== undefined && !touchedItems.has(child)) items.push(child.sourceItem);
    else items.push([child.sourceItem === undefined ? -1 : child.sourceItem, topLevelHtml(child), nestedListParts(child)]);
  }
  return items;
}

function nestedListParts(item) {
  if (item.tagName !== "LI" || item.sourceItem === undefined || itemsChangedThemselves.has(item)) return null;
  var lists = [];
  for (var child = item.firstElementChild; child; child = child.nextElementSibling)
    if (isList(child)) lists.push(itemParts(child));
  return lists;
}

function markModified() {
  editedSinceShown = true;
  changedSinceRead = true;
  if (contentObj) contentObj.updateModifyStatus(true);
}

// Hundreds of code blocks are built within one millisecond, before they go
// into the page, where a random suffix alone would repeat: the ids given in
// the current millisecond are remembered.
var idsOfThisMillisecond = { at: 0, given: new Set() };

function generateId() {
  for (;;) {
    var now = Date.now();
    if (now !== idsOfThisMillisecond.at) idsOfThisMillisecond = { at: now, given: new Set() };
    var id = "el-" + now + "-" + Math.floor(Math.random() * 1000);
    if (!idsOfThisMillisecond.given.has(id) && !document.getElementById(id)) {
      idsOfThisMillisecond.given.add(id);
      return id;
    }
  }
}

// The elements below `root` that match `selector`, and `root` itself if it does.
function selectWithin(root, selector) {
  var found = Array.prototype.slice.call(root.querySelectorAll(selector));
  if (root.matches && root.matches(selector)) found.unshift(root);
  return found;
}

function getXPath(element) {
  if (element.id) return '//*[@id="' + element.id + '"]';
  if (element === document.body) return "/html/body";
  var index = 1;
  for (var sibling = element.previousElementSibling; sibling; sibling = sibling.previousElementSibling) {
    if (sibling.tagName === element.tagName) index++;
  }
  return getXPath(element.parentNode) + "/" + element.tagName.toLowerCase() + "[" + index + "]";
}

function getElementByXPath(path) {
  return document.evaluate(path, document, null, XPathResult.FIRST_ORDERED_NODE_TYPE, null).singleNodeValue;
}

function GetElementFromPoint(x, y) {
  var element = document.elementFromPoint(x, y);
  if (!element) return "";
  var names = [];
  for (; element && element.nodeType === Node.ELEMENT_NODE; element = element.parentNode) names.unshift(element.tagName);
  return names.join("|");
}

// Links may only lead to ordinary addresses, never run script.
function safeHref(url) {
  return /^\s*(javascript|vbscript|data):/i.test(url || "") ? "" : url;
}

// Parses an HTML fragment inertly and strips everything that could run script.
function sanitizedFragment(html) {
  var parsed = new DOMParser().parseFromString("<body>" + html + "</body>", "text/html");
  var forbidden = "script,style,iframe,frame,frameset,object,embed,link,meta,base,form,noscript,template,svg,math";
  parsed.body.querySelectorAll(forbidden).forEach(function (element) { element.remove(); });
  parsed.body.querySelectorAll("*").forEach(function (element) {
    Array.prototype.slice.call(element.attributes).forEach(function (attribute) {
      var name = attribute.name.toLowerCase();
      var urlAttribute = name === "href" || name === "src" || name === "xlink:href" || name === "action" ||
        name === "formaction" || name === "srcset";
      if (name.indexOf("on") === 0 || name === "srcdoc" || (urlAttribute && safeHref(attribute.value) === "")) {
        element.removeAttribute(attribute.name);
      }
    });
  });
  var fragment = document.createDocumentFragment();
  while (parsed.body.firstChild) fragment.appendChild(document.adoptNode(parsed.body.firstChild));
  return fragment;
}

// The page's own insertions (a paste, a formula, a code block) are no edits
// the engine knows of: its undo would pass them by and take back the edit
// before them instead. So the engine replaces the selection with an empty
// image, as an edit of its own, and the inserted nodes go in beside it;
// when the engine's undo takes the image away, they leave with it, and when
// its redo brings the image back, they come back. (An image, because the
// engine moves an empty element or a comment to the end of the paragraph.)
// Blocks would join the text around them in the Markdown if they went into
// a paragraph, so for blocks the engine puts the image in a paragraph of its
// own, splitting the one at the caret; the first inserted paragraph fills
// that paragraph, the other blocks follow it. The image has no part in the
// document's HTML.
var insertionMarkers = [];
var insertionCount = 0;

function isBlockNode(node) {
  return node.nodeType === Node.ELEMENT_NODE
    && (/^(P|H[1-6]|UL|OL|PRE|BLOCKQUOTE|TABLE|HR|DIV|DL|FIGURE|DETAILS)$/.test(node.tagName)
        || (node.localName === "x-html" && node.getAttribute("type") !== "inline"));
}

// Replaces the selection with `node`; the caret ends after it.
function replaceSelection(node) {
  var selection = window.getSelection();
  if (!selection.rangeCount) return false;
  var inserted = node.nodeType === Node.DOCUMENT_FRAGMENT_NODE ? Array.prototype.slice.call(node.childNodes) : [node];
  var blocks = inserted.some(isBlockNode);
  // Between blocks, line ends of the markup are no text.
  if (blocks) {
    inserted = inserted.filter(function (child) { return child.nodeType !== Node.TEXT_NODE || child.data.trim(); });
  }
  var marker = null;
  if (editorBody().contains(selection.anchorNode) && !isInCodeEditor(selection.anchorNode)) {
    setAsideMiddleOf(selection);
    insertionCount += 1;
    var id = "insertion-" + insertionCount;
    var image = '<img alt="" width="0" height="0" class="insertion-marker" id="' + id + '">';
    document.execCommand("insertHTML", false, blocks ? "<p>" + image + "</p>" : image);
    marker = document.getElementById(id);
  }
  var caret = document.createRange();
  if (!marker) {
    var range = selection.getRangeAt(0);
    range.deleteContents();
    range.insertNode(node);
    var last = inserted[inserted.length - 1];
    if (!last || !last.isConnected) return true;
    caret.setStartAfter(last);
  } else if (!blocks) {
    placeInserted(marker, inserted);
    caret.setStartBefore(marker);
  } else {
    var paragraph = marker.parentNode;
    if (inserted[0].tagName === "P") {
      var first = inserted.shift();
      withoutSelection(function () { while (first.firstChild) paragraph.insertBefore(first.firstChild, marker); });
    }
    marker.block = paragraph;
    marker.filled = paragraph.firstChild !== marker;
    placeInserted(marker, inserted);
    // At the end of the last block's text, else in the empty paragraph after the blocks.
    if (marker.filled && inserted.length) {
      caret.selectNodeContents(inserted[inserted.length - 1]);
      caret.collapse(false);
    } else {
      caret.setStartBefore(marker);
    }
  }
  if (marker) {
    marker.inserted = inserted;
    marker.present = true;
    insertionMarkers.push(marker);
  }
  selection.removeAllRanges();
  selection.addRange(caret);
  return true;
}

// Puts the marker's nodes in their place: inline ones before it, blocks
// after its filled paragraph or before its empty one.
function placeInserted(marker, nodes) {
  withoutSelection(function () {
    var block = marker.block;
    var before = !block ? marker : marker.filled ? block.nextSibling : block;
    var parent = block ? block.parentNode : marker.parentNode;
    nodes.forEach(function (node) { parent.insertBefore(node, before); });
  });
}

// Follows the engine's undo and redo of the insertions. Only the undo of
// the insertion takes its marker away (the writer's own edits may, but their
// undo brings it back), and only its redo brings the marker back.
function followInsertionMarkers(inputType) {
  insertionMarkers.forEach(function (marker) {
    if (marker.isConnected === marker.present) return;
    marker.present = marker.isConnected;
    if (inputType === "historyUndo" && !marker.present) {
      withoutSelection(function () { marker.inserted.forEach(function (node) { node.remove(); }); });
    } else if (inputType === "historyRedo" && marker.present) {
      placeInserted(marker, marker.inserted);
    }
  });
}

// A copy of page content without the insertion markers.
function withoutInsertionMarkers(copy) {
  selectWithin(copy, "img.insertion-marker").forEach(function (marker) { marker.remove(); });
  return copy;
}

function isPageMarker(node) {
  return node.setAside !== undefined || (node.nodeType === Node.ELEMENT_NODE && node.matches("img.insertion-marker"));
}

function forgetPageMarkers() {
  insertionMarkers = [];
  setAsideMarkers = [];
}

document.addEventListener("input", function (event) {
  followSetAsideMarkers(event.inputType);
  followInsertionMarkers(event.inputType);
}, true);

function isInViewport(element) {
  var box = element.getBoundingClientRect();
  return box.bottom >= 0 && box.top <= window.innerHeight;
}

function scrollToElement(selector) {
  var target = document.querySelector(selector);
  if (target) bringIntoView(target);
  return Boolean(target);
}

// A link to "#name" leads to the element of that id, or to the heading whose
// text makes that name as code hosts make it: lower case, punctuation
// dropped, spaces as hyphens, "-1", "-2" after repeats.
function jumpToAnchor(name) {
  var target = document.getElementById(name);
  if (!target || !editorBody().contains(target)) {
    var seen = {};
    target = Array.prototype.find.call(editorBody().querySelectorAll("h1, h2, h3, h4, h5, h6"), function (heading) {
      var slug = heading.textContent.trim().toLowerCase().replace(/[^\p{L}\p{N}\p{M}\s_-]/gu, "").replace(/\s/g, "-");
      var count = seen[slug] || 0;
      seen[slug] = count + 1;
      return (count ? slug + "-" + count : slug) === name.toLowerCase();
    });
  }
  if (!target) return false;
  bringIntoView(target);
  var range = document.createRange();
  range.setStart(target, 0);
  getSelection().removeAllRanges();
  getSelection().addRange(range);
  return true;
}

function prevHeading(element) {
  for (var node = element; node; node = node.previousElementSibling) {
    if (/^H[1-6]$/.test(node.tagName)) return node;
  }
  return null;
}

function codeBlockHtml(wrapper) {
  var pre = document.createElement("pre");
  var code = document.createElement("code");
  var language = codeBlockLanguage(wrapper);
  if (language && language !== "plaintext") code.className = language;
  code.textContent = codeBlockValue(wrapper);
  pre.appendChild(code);
  return pre.outerHTML;
}

// A document names a local image by its path; the page can only show it
// through a file URL, so the path waits in data-local-src until getHtml.
function isLocalPath(src) {
  return /^\/(?!\/)/.test(src) || /^[a-zA-Z]:[\\/]/.test(src);
}

// The document's folder as a file URL ending in "/", where its relative
// image addresses lead; empty for a document without a file.
var documentFolder = "";

function isRelativePath(src) {
  return !!src && !/^[a-zA-Z][a-zA-Z0-9+.-]*:/.test(src) && !/^[\/\\#?]/.test(src);
}

// Local images are shown from their files; the page keeps the address as
// written for the Markdown.
function showLocalImages(root) {
  var local = selectWithin(root, "img[src]:not([data-local-src])").filter(function (image) {
    var src = image.getAttribute("src");
    return isLocalPath(src) || (documentFolder && isRelativePath(src));
  });
  if (!local.length) return;
  untracked(function () {
    local.forEach(function (image) {
      var path = image.getAttribute("src");
      var slashed = path.replace(/\\/g, "/");
      image.setAttribute("data-local-src", path);
      image.setAttribute("src", isLocalPath(path) ? "file://" + (slashed.charAt(0) === "/" ? "" : "/") + slashed
                                                  : new URL(slashed, documentFolder).href);
    });
  });
}

// A copy of `element` with its code blocks as pre/code, its formulas as
// their TeX source and its local images by their paths.
function convertedCopy(element) {
  var clone = withoutPageState(element.cloneNode(true));
  // The HTML is only ever turned into Markdown, where a formula is its source.
  asWritten(clone, element.querySelectorAll(".cm-editor-wrapper"));
  var localImages = Array.prototype.slice.call(clone.querySelectorAll("img[data-local-src]"));
  if (clone.matches("img[data-local-src]")) localImages.push(clone);
  localImages.forEach(function (image) {
    image.setAttribute("src", image.getAttribute("data-local-src"));
    image.removeAttribute("data-local-src");
  });
  clone.querySelectorAll("table").forEach(function (table) {
    if (table.parentNode.tagName !== "P") {
      var paragraph = document.createElement("p");
      table.parentNode.replaceChild(paragraph, table);
      paragraph.appendChild(table);
    }
  });
  return clone.outerHTML;
}

// Turns the code editors and drawn formulas inside a copy back into what the
// document holds: code blocks as pre/code, formulas as their TeX source.
// `liveWrappers` are the code editors the copy's were made from, in order.
function asWritten(copy, liveWrappers) {
  copy.querySelectorAll(".cm-editor-wrapper").forEach(function (wrapper, index) {
    var holder = document.createElement("div");
    holder.innerHTML = codeBlockHtml(liveWrappers[index]);
    wrapper.parentNode.replaceChild(holder.firstChild, wrapper);
  });
  copy.querySelectorAll("x-equation").forEach(function (formula) {
    formula.textContent = formulaSource(formula);
  });
}

// The document as HTML for conversion to Markdown: code blocks as pre/code
// with their current text, formulas as their TeX source, tables inside a
// paragraph. The page itself is not changed; only blocks that need a change
// are copied. A formula KaTeX has not rendered yet is already its source.
var needsConvertedCopy = ".cm-editor-wrapper, x-equation *, table, img[data-local-src], img.insertion-marker";

function topLevelHtml(node) {
  if (isPageMarker(node)) {
    return "";
  } else if (node.nodeType === Node.TEXT_NODE) {
    var holder = document.createElement("span");
    holder.textContent = node.textContent;
    return holder.innerHTML;
  } else if (node.nodeType !== Node.ELEMENT_NODE) {
    return "";
  } else if (node.classList.contains("cm-editor-wrapper")) {
    return codeBlockHtml(node);
  } else if (node.tagName === "TABLE") {
    return "<p>" + convertedCopy(node) + "</p>";
  } else if (node.matches("img[data-local-src], x-equation") || node.querySelector(needsConvertedCopy)) {
    return convertedCopy(node);
  }
  return blockHtml(node);
}

function getHtml() {
  flushPendingHtml();
  var parts = [];
  editorBody().childNodes.forEach(function (node) { parts.push(topLevelHtml(node)); });
  return parts.join("");
}

// The document in parts for the program: the source block of each untouched
// element, [block, HTML, list items] for a touched one, the HTML of anything new.
function documentParts() {
  flushPendingHtml();
  readsTaken += 1;
  changedSinceRead = false;
  var parts = [];
  editorBody().childNodes.forEach(function (node) {
    if (node.nodeType === Node.TEXT_NODE && !node.data.trim()) return;
    if (isPageMarker(node)) return;
    if (node.sourceBlock === undefined) parts.push(topLevelHtml(node));
    else if (touchedBlocks.has(node)) parts.push([node.sourceBlock, topLevelHtml(node), itemParts(node)]);
    else parts.push(node.sourceBlock);
  });
  return parts;
}

// The document when it was edited since the program last had it, else
// false: the Markdown the program has is then still the document, word for word.
function editedHtml() {
  var parts = editedSinceShown ? documentParts() : false;
  return { document: documentNumber, keys: keysReceived, parts: parts, read: readsTaken };
}

// On paper every formula is drawn, also those never scrolled to.
function preparePrinting() {
  renderEveryFormula();
  return true;
}

// The document's text as a reader sees it, for the word count. Blocks off
// screen are not rendered, so their text cannot come from innerText; it is
// read from the elements instead, each top-level block once until it changes.
var blockTexts = new WeakMap();
var blockTags = /^(P|DIV|LI|UL|OL|H[1-6]|BLOCKQUOTE|PRE|TABLE|THEAD|TBODY|TFOOT|TR|TD|TH|HR|DL|DT|DD)$/;

// Pieces go into one list joined once per block: a string grown piece by
// piece would be kept as a chain of every piece.
function collectReaderText(node, pieces) {
  if (node.nodeType === Node.TEXT_NODE) {
    pieces.push(node.data);
  } else if (node.nodeType !== Node.ELEMENT_NODE) {
    return;
  } else if (node.classList.contains("cm-editor-wrapper")) {
    pieces.push("\n", codeBlockValue(node), "\n");
  } else if (node.tagName === "X-EQUATION") {
    pieces.push(formulaSource(node));
  } else if (node.tagName === "X-HTML") {
    // Raw HTML is not counted, as in the Source Code Editor's count.
    pieces.push(" ");
  } else if (node.tagName === "BR") {
    pieces.push("\n");
  } else {
    var block = blockTags.test(node.tagName);
    if (block) pieces.push("\n");
    for (var child = node.firstChild; child; child = child.nextSibling) collectReaderText(child, pieces);
    if (block) pieces.push("\n");
  }
}

function readerText(node) {
  var pieces = [];
  collectReaderText(node, pieces);
  return pieces.join("");
}

// Reading a long document for the first time takes a good part of a second,
// so it goes a few milliseconds at a time and the page keeps answering in
// between. A change meanwhile cancels the reading; the next one starts over,
// with the blocks read so far remembered.
var textReading = null;

function readDocumentText(done) {
  cancelTextReading();
  var reading = { node: editorBody().firstChild, parts: [], timer: null };
  var readSlice = function () {
    var deadline = performance.now() + 8;
    while (reading.node && performance.now() < deadline) {
      var text = blockTexts.get(reading.node);
      if (text === undefined) {
        text = readerText(reading.node);
        blockTexts.set(reading.node, text);
      }
      reading.parts.push(text);
      reading.node = reading.node.nextSibling;
    }
    if (reading.node) {
      reading.timer = setTimeout(readSlice, 0);
      return;
    }
    textReading = null;
    done(reading.parts.join("\n"));
  };
  textReading = reading;
  readSlice();
}

function cancelTextReading() {
  if (textReading) clearTimeout(textReading.timer);
  textReading = null;
}

// The block of the document, directly in the editor, that holds `node`.
function topLevelBlock(node) {
  var body = editorBody();
  while (node && node.parentNode !== body) node = node.parentNode;
  return node;
}

// A change anywhere in a top-level block makes its text be read again.
function forgetTextAround(node) {
  var block = topLevelBlock(node);
  if (block) blockTexts.delete(block);
}

function forgetChangedTexts(records) {
  records.forEach(function (record) { forgetTextAround(record.target); });
}

// A worker that has counted a long document holds tens of megabytes of
// strings until it is gone, so it goes once nothing is left to count.
var textsToCount = 0;

function startWorker(text) {
  if (typeof Worker === "undefined") return;
  if (!myWorker) {
    var worker = new Worker("qrc:/resources/calculate.js");
    worker.onmessage = function (event) {
      if (contentObj) contentObj.updateWordsCount(String(event.data));
      textsToCount -= 1;
      if (textsToCount === 0) {
        stopWorker();
        countIsIn();
      }
    };
    myWorker = worker;
  }
  textsToCount += 1;
  myWorker.postMessage(text);
}

function stopWorker() {
  if (!myWorker) return;
  myWorker.terminate();
  myWorker = null;
  textsToCount = 0;
}

function updateSideBar() {
  if (!showLeftSidebar || !contentObj) return;
  var headings = [];
  editorBody().querySelectorAll("h1, h2").forEach(function (heading) {
    headings.push({ tag: heading.tagName.toLowerCase(), text: heading.textContent });
  });
  contentObj.updateLeftBar(headings);
}

function setShowLeftSidebar(show) {
  showLeftSidebar = show === true || show === "true";
}
