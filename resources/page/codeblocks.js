// Code blocks: each pre/code of the document becomes a wrapper holding a
// CodeMirror editor and a toolbar. Editors are built when their block comes
// near the viewport; until then the wrapper keeps the block's text.
"use strict";

var codeBlockObserver = null;

// The mode of a fence's language: by its label, else by the names and
// aliases CodeMirror knows ("bash", "js", "yml"); the fence keeps its name.
function findLanguageKey(label) {
  var wanted = String(label || "").toLowerCase();
  for (var key in languageLabels) {
    if (languageLabels[key].toLowerCase() === wanted) return key;
  }
  var known = wanted && CodeMirror.findModeByName ? CodeMirror.findModeByName(wanted) : null;
  if (!known && wanted && CodeMirror.findModeByExtension) known = CodeMirror.findModeByExtension(wanted);
  if (!known) return "";
  var mimes = known.mimes || [known.mime];
  for (var index = 0; index < mimes.length; index++) {
    if (languageLabels.hasOwnProperty(mimes[index])) return mimes[index];
  }
  return known.mime;
}

// Mode files load when a code block first needs them, not with the page.
CodeMirror.modeURL = "qrc:/codemirror/mode/%N/%N.js";

// The modes of a document that comes with the page are written into the
// page while it is parsed, so that they run before the document is drawn
// and its first frame shows its code coloured. A mode's own dependencies
// are only known once it runs; they follow as they load.
(function loadFirstDocumentModes() {
  var block = document.getElementById("first-document");
  if (!block || !block.textContent) return;
  var html = JSON.parse(block.textContent)[0];
  var language = /<code class="language-([^"]+)"/g;
  var names = [];
  for (var found = language.exec(html); found; found = language.exec(html)) {
    var name = modeNameOf(findLanguageKey(found[1]));
    if (/^[\w-]+$/.test(name) && name !== "null" && !CodeMirror.modes.hasOwnProperty(name) && names.indexOf(name) < 0)
      names.push(name);
  }
  if (document.readyState === "loading") {
    names.forEach(function (name) {
      document.write('<script src="' + CodeMirror.modeURL.replace(/%N/g, name) + '"><\/script>');
    });
  }
  document.addEventListener("DOMContentLoaded", function () {
    names.forEach(function (name) { CodeMirror.requireMode(name, function () {}); });
  });
})();

function modeNameOf(key) {
  if (!key || key === "plaintext") return "";
  var info = CodeMirror.findModeByMIME(key);
  return info ? info.mode : key;
}

function whenModeLoaded(key, then) {
  var name = modeNameOf(key);
  if (!name || name === "null" || CodeMirror.modes.hasOwnProperty(name)) then();
  else CodeMirror.requireMode(name, then);
}

// Sets a code block's mode, again once its file is in.
function setCodeMode(editor, key) {
  editor.setOption("mode", key);
  whenModeLoaded(key, function () { editor.setOption("mode", key); });
}

// Whether every mode the document's code blocks need is in; starts loading
// the others. Exports and printing colour every block.
function codeModesReady() {
  var ready = true;
  editorBody().querySelectorAll(".cm-editor-wrapper").forEach(function (wrapper) {
    var lang = codeBlockLanguage(wrapper);
    var name = modeNameOf(lang && lang !== "plaintext" ? findLanguageKey(lang) : "");
    if (name && name !== "null" && !CodeMirror.modes.hasOwnProperty(name)) {
      ready = false;
      CodeMirror.requireMode(name, function () {});
    }
  });
  return ready;
}

function codeBlockLanguage(wrapper) {
  return wrapper.getAttribute("data-language") || "";
}

function codeBlockValue(wrapper) {
  return wrapper.cmInstance ? wrapper.cmInstance.getValue() : wrapper.pendingValue;
}

function toolbarButton(className, title, glyph) {
  var button = document.createElement("button");
  button.className = "cm-btn " + className;
  if (title) button.title = title;
  if (glyph) {
    var icon = document.createElement("i");
    icon.className = "fa " + glyph;
    button.appendChild(icon);
  }
  button.setAttribute("contenteditable", "false");
  return button;
}

function copyText(text) {
  var fallback = function () {
    var area = document.createElement("textarea");
    area.value = text;
    document.body.appendChild(area);
    area.select();
    document.execCommand("copy");
    area.remove();
  };
  if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).catch(fallback);
  else fallback();
}

// Replaces the pre around `code` by a code-block wrapper.
function addCodeMirror(code, lang, buildNow) {
  var pre = code.parentNode;
  var wrapper = document.createElement("div");
  wrapper.className = "cm-editor-wrapper";
  wrapper.id = generateId();
  wrapper.style.position = "relative";
  wrapper.setAttribute("contenteditable", "false");
  wrapper.setAttribute("data-language", lang || "plaintext");

  var value = code.textContent.replace(/\n$/, "");
  wrapper.pendingValue = value;
  var preview = document.createElement("pre");
  preview.className = "cm-pending";
  preview.textContent = value;
  wrapper.appendChild(preview);
  wrapper.sourceBlock = pre.sourceBlock;
  wrapper.sourceItem = pre.sourceItem;
  pre.parentNode.replaceChild(wrapper, pre);
  if (buildNow) buildCodeMirror(wrapper, true);
  return wrapper;
}

// A document holds thousands of code blocks: each gets its tool bar when
// the pointer first comes to it, not with the document. The page listens for
// all of them at once (entering and leaving reach the document as they are
// dispatched, though they do not bubble).
function showCodeToolbar(event) {
  var wrapper = event.target;
  if (wrapper.classList && wrapper.classList.contains("cm-editor-wrapper"))
    codeToolbar(wrapper).style.display = event.type === "mouseenter" ? "flex" : "none";
}
document.addEventListener("mouseenter", showCodeToolbar, true);
document.addEventListener("mouseleave", showCodeToolbar, true);

// The code block's tool bar, made on first use.
function codeToolbar(wrapper) {
  var toolbar = wrapper.querySelector(":scope > .cm-toolbar");
  if (toolbar) return toolbar;
  toolbar = document.createElement("div");
  toolbar.className = "cm-toolbar";
  toolbar.style.display = "none";
  var copy = toolbarButton("copy", "copy", "fa-copy");
  var clear = toolbarButton("clear", "clear", "fa-eraser");
  var remove = toolbarButton("delete", "delete", "fa-trash");
  var language = toolbarButton("lang", "", "");
  language.textContent = codeBlockLanguage(wrapper);
  // Delete stands apart from the others, at the far end.
  remove.style.marginLeft = "12px";
  [language, copy, clear, remove].forEach(function (button) { toolbar.appendChild(button); });
  untracked(function () { wrapper.insertBefore(toolbar, wrapper.firstChild); });

  copy.addEventListener("click", function () { copyText(codeBlockValue(wrapper)); });
  clear.addEventListener("click", function () {
    buildCodeMirror(wrapper);
    wrapper.cmInstance.setValue("");
    markModified();
  });
  // Deleted as an edit of the page, so that Undo brings the block back.
  remove.addEventListener("click", function () {
    var range = document.createRange();
    range.selectNode(wrapper);
    getSelection().removeAllRanges();
    getSelection().addRange(range);
    document.execCommand("delete");
    markModified();
  });
  language.addEventListener("click", function (event) {
    event.stopPropagation();
    openLanguageMenu(wrapper, language);
  });
  return toolbar;
}

// Building an editor lays the page out again, so a jump into a part of the
// document with many code blocks builds them one per frame: the text shows
// at once as it stands, and no frame waits for all of them.
var codeBlocksToBuild = [];
var codeBlockBuildQueued = false;

function buildNextCodeBlock() {
  codeBlockBuildQueued = false;
  var wrapper = codeBlocksToBuild.shift();
  if (wrapper && wrapper.isConnected) buildCodeMirror(wrapper);
  if (codeBlocksToBuild.length) queueCodeBlockBuild();
}

function queueCodeBlockBuild() {
  if (codeBlockBuildQueued) return;
  codeBlockBuildQueued = true;
  requestAnimationFrame(buildNextCodeBlock);
}

function observeCodeBlock(wrapper) {
  if (!codeBlockObserver) {
    codeBlockObserver = new IntersectionObserver(function (entries) {
      entries.forEach(function (entry) {
        var queued = codeBlocksToBuild.indexOf(entry.target);
        if (entry.isIntersecting && queued < 0) codeBlocksToBuild.push(entry.target);
        else if (!entry.isIntersecting && queued >= 0) codeBlocksToBuild.splice(queued, 1);
      });
      if (codeBlocksToBuild.length) queueCodeBlockBuild();
    }, { rootMargin: "800px 0px" });
  }
  codeBlockObserver.observe(wrapper);
}

// A block that leaves the page, or is hidden, is no longer drawn, and its
// code blocks and formulas are no longer watched.
function forgetBlock(block) {
  unwatchDrawingsOf(block);
  drawnBlocks.delete(block);
}

// Code editors and formulas are built as they come near the view. Only those
// in blocks drawn near the view are watched for that: the engine looks at
// every watched element in every frame, and a document holds thousands.
function watchDrawingsOf(block) {
  if (block.drawingsWatched) return;
  block.drawingsWatched = true;
  selectWithin(block, ".cm-editor-wrapper").forEach(function (wrapper) { if (!wrapper.cmInstance) observeCodeBlock(wrapper); });
  selectWithin(block, "x-equation").forEach(function (formula) { if (!formula.querySelector(".katex")) observeFormula(formula); });
}

function unwatchDrawingsOf(block) {
  if (!block.drawingsWatched) return;
  block.drawingsWatched = false;
  selectWithin(block, ".cm-editor-wrapper").forEach(function (wrapper) {
    if (codeBlockObserver) codeBlockObserver.unobserve(wrapper);
    var queued = codeBlocksToBuild.indexOf(wrapper);
    if (queued >= 0) codeBlocksToBuild.splice(queued, 1);
  });
  if (formulaObserver) selectWithin(block, "x-equation").forEach(function (formula) { formulaObserver.unobserve(formula); });
}

// Stops watching every code block and formula of the page, before the page
// lets its whole document go.
function forgetObservedBlocks() {
  if (codeBlockObserver) codeBlockObserver.disconnect();
  if (formulaObserver) formulaObserver.disconnect();
  codeBlockObserver = formulaObserver = null;
  codeBlocksToBuild = [];
  forgetDrawnBlocks();
}

function buildCodeMirror(wrapper, focus) {
  if (wrapper.cmInstance) return;
  if (codeBlockObserver) codeBlockObserver.unobserve(wrapper);
  var preview = wrapper.querySelector(".cm-pending");
  var lang = codeBlockLanguage(wrapper);
  var mode = lang && lang !== "plaintext" ? findLanguageKey(lang) : "plaintext";
  var editor = CodeMirror(function (element) {
    if (preview) wrapper.replaceChild(element, preview);
    else wrapper.appendChild(element);
  }, {
    value: wrapper.pendingValue,
    mode: mode,
    lineNumbers: true,
    theme: cmThemeName,
    lineWrapping: true
  });
  wrapper.cmInstance = editor;
  setCodeMode(editor, mode);
  editor.on("beforeChange", function (instance, change) {
    if (change.origin === "setValue" && change.text.length > 1 && change.text[change.text.length - 1] === "") {
      change.update(change.from, change.to, change.text.slice(0, -1));
    }
  });
  editor.on("change", function () {
    touchBlock(wrapper);
    forgetTextAround(wrapper);
    markModified();
    scheduleCount();
  });
  editor.getWrapperElement().addEventListener("paste", function (event) {
    event.preventDefault();
    event.stopPropagation();
    var text = event.clipboardData.getData("text/plain");
    var from = editor.getCursor("from");
    editor.replaceSelection(text);
    editor.setSelection(from, editor.getCursor("to"));
  }, true);
  if (focus) {
    setTimeout(function () {
      editor.focus();
      editor.setCursor(editor.lastLine(), 0);
    }, 10);
  }
}

function closeLanguageMenu() {
  var menu = document.getElementById("cm-language-menu");
  if (menu) menu.remove();
}

function openLanguageMenu(wrapper, button) {
  closeLanguageMenu();
  var menu = document.createElement("div");
  menu.id = "cm-language-menu";
  menu.className = "cm-language-menu";
  menu.setAttribute("contenteditable", "false");
  var filter = document.createElement("input");
  filter.placeholder = "filter...";
  var list = document.createElement("ul");
  list.className = "cm-language-list";
  Object.keys(languageLabels).forEach(function (key) {
    var item = document.createElement("li");
    item.textContent = languageLabels[key];
    // The filter knows a language by its other names too ("bash" for shell).
    var info = key && CodeMirror.findModeByMIME ? CodeMirror.findModeByMIME(key) : null;
    item.names = [languageLabels[key]].concat(info ? [info.name].concat(info.alias || []) : []).join(" ").toLowerCase();
    item.addEventListener("click", function (event) {
      event.stopPropagation();
      buildCodeMirror(wrapper);
      setCodeMode(wrapper.cmInstance, key || "plaintext");
      touchBlock(wrapper);
      wrapper.setAttribute("data-language", languageLabels[key]);
      button.textContent = languageLabels[key];
      closeLanguageMenu();
      markModified();
    });
    list.appendChild(item);
  });
  filter.addEventListener("input", function () {
    var wanted = filter.value.toLowerCase();
    list.querySelectorAll("li").forEach(function (item) {
      item.style.display = item.names.indexOf(wanted) >= 0 ? "" : "none";
    });
  });
  filter.addEventListener("click", function (event) { event.stopPropagation(); });
  filter.addEventListener("keydown", function (event) {
    if (event.key === "Escape") closeLanguageMenu();
    if (event.key !== "Enter") return;
    event.preventDefault();
    var first = Array.prototype.find.call(list.querySelectorAll("li"), function (item) { return item.style.display !== "none"; });
    if (first) first.click();
  });
  menu.appendChild(filter);
  menu.appendChild(list);
  document.body.appendChild(menu);

  var box = button.getBoundingClientRect();
  var width = 180;
  var height = Math.min(220, menu.offsetHeight || 220);
  var top = box.bottom + 4;
  if (top + height > window.innerHeight) top = box.top - 4 - height;
  var left = Math.min(box.left + 12, window.innerWidth - width - 20);
  menu.style.top = top + "px";
  menu.style.left = left + "px";
  filter.focus();
}

document.addEventListener("click", closeLanguageMenu);

function changeCmTheme(name) {
  cmThemeName = name;
  document.querySelectorAll(".cm-editor-wrapper").forEach(function (wrapper) {
    if (wrapper.cmInstance) wrapper.cmInstance.setOption("theme", name);
  });
}

function insertCodeMirror() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var pre = document.createElement("pre");
  var code = document.createElement("code");
  code.textContent = getSelectedText();
  pre.appendChild(code);
  // The block goes in as it stays, so that an undo finds it.
  document.createDocumentFragment().appendChild(pre);
  var wrapper = addCodeMirror(code, "", false);
  replaceSelection(wrapper);
  buildCodeMirror(wrapper, true);
  markModified();
}

function inserCode() {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var range = selection.getRangeAt(0);
  var code = document.createElement("code");
  code.appendChild(range.extractContents());
  range.insertNode(code);
  markModified();
}

function cmOnClick(button, name, id) {
  var wrapper = button.parentNode.parentNode;
  if (name === "undo") {
    buildCodeMirror(wrapper);
    wrapper.cmInstance.setValue("");
  } else if (name === "copy") {
    contentObj.copyToClipboard(codeBlockValue(wrapper));
  } else {
    contentObj.requestDeleteElement(id);
  }
}

function buildCodeBlocks(root) {
  root.querySelectorAll("pre > code").forEach(function (code) {
    addCodeMirror(code, (code.className || "").replace(/^language-/, ""), false);
  });
}
