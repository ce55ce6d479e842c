// HTML and Word exports: the document as a standalone page. The page is built
// as a document of its own from copies of the blocks, so that nothing the
// document holds (text, link titles, image descriptions, addresses) can ever
// become markup or script in it.
"use strict";

var exportDroppedElements = "script, style, link, meta, base, iframe, frame, frameset, object, embed, applet, form, "
  + "input, button, textarea, select, template, noscript, .cm-toolbar, .cm-language-menu";
var exportUrlAttributes = ["href", "src", "srcset", "action", "formaction", "poster", "background", "xlink:href"];
var exportSafeSchemes = /^(https?|mailto|ftp|file|tel):$/;

function isSafeExportAddress(attribute, value) {
  if (attribute === "src" && /^\s*data:image\//i.test(value)) return true;
  try {
    return exportSafeSchemes.test(new URL(value, "https://relative.invalid/").protocol);
  } catch (error) {
    return false;
  }
}

// Event handlers, editing state and script addresses go; the rest stays.
function cleanExportElement(element) {
  Array.prototype.slice.call(element.attributes).forEach(function (attribute) {
    var name = attribute.name.toLowerCase();
    if (name.indexOf("on") === 0 || name === "contenteditable" || name === "spellcheck" || name === "data-local-src"
        || (exportUrlAttributes.indexOf(name) >= 0 && !isSafeExportAddress(name, attribute.value))) {
      element.removeAttribute(attribute.name);
    }
  });
}

// A code block as highlighted static text in the code block style.
function exportedCodeBlock(wrapper) {
  var lang = codeBlockLanguage(wrapper);
  var pre = document.createElement("pre");
  pre.className = "CodeMirror cm-s-" + cmThemeName;
  var code = document.createElement("code");
  if (lang && lang !== "plaintext") code.className = "language-" + lang;
  var value = codeBlockValue(wrapper);
  var mode = lang && lang !== "plaintext" ? findLanguageKey(lang) : "";
  if (mode) CodeMirror.runMode(value, mode, code);
  else code.textContent = value;
  pre.appendChild(code);
  return pre;
}

// A formula drawn by KaTeX; for Word as MathML alone, without its TeX
// annotation, so that a reader that ignores styles shows it once.
function exportedFormula(formula, forWord) {
  var copy = document.createElement("x-equation");
  if (formula.hasAttribute("type")) copy.setAttribute("type", formula.getAttribute("type"));
  katex.render(formulaSource(formula), copy, {
    throwOnError: false,
    displayMode: formula.getAttribute("type") === "display",
    output: forWord ? "mathml" : "htmlAndMathml"
  });
  if (forWord) copy.querySelectorAll("annotation").forEach(function (annotation) { annotation.remove(); });
  return copy;
}

function exportedBlocks(forWord) {
  var body = document.createElement("div");
  body.className = "markdown-body";
  editorBody().childNodes.forEach(function (node) {
    if (node.nodeType === Node.TEXT_NODE) {
      body.appendChild(document.createTextNode(node.textContent));
    } else if (node.nodeType !== Node.ELEMENT_NODE || isPageMarker(node)) {
      return;
    } else if (node.classList.contains("cm-editor-wrapper")) {
      body.appendChild(exportedCodeBlock(node));
    } else {
      var holder = document.createElement("div");
      holder.appendChild(withoutPageState(node.cloneNode(true)));
      var formulas = node.matches("x-equation") ? [node] : node.querySelectorAll("x-equation");
      holder.querySelectorAll("x-equation").forEach(function (copy, index) {
        copy.replaceWith(exportedFormula(formulas[index], forWord));
      });
      holder.querySelectorAll("x-html").forEach(function (copy) { copy.replaceWith(exportedIsland(copy)); });
      body.appendChild(holder.firstChild);
    }
  });
  body.querySelectorAll(exportDroppedElements).forEach(function (element) { element.remove(); });
  body.querySelectorAll("*").forEach(cleanExportElement);
  return body;
}

// The fixed sidebar linking to every heading, and its script.
function addTableOfContents(doc, body, options) {
  var sidebar = doc.createElement("div");
  sidebar.id = "toc_sidebar";
  var caption = doc.createElement("h4");
  caption.textContent = "Table of Contents";
  var list = doc.createElement("ul");
  list.id = "toc_list";
  body.querySelectorAll("h1, h2, h3, h4, h5, h6").forEach(function (heading, index) {
    heading.id = "toc_anchor_" + index;
    var entry = doc.createElement("li");
    entry.setAttribute("data-level", heading.tagName.charAt(1));
    entry.setAttribute("data-anchor", heading.id);
    var link = doc.createElement("a");
    link.href = "#" + heading.id;
    link.textContent = heading.textContent;
    entry.appendChild(link);
    list.appendChild(entry);
  });
  sidebar.appendChild(caption);
  sidebar.appendChild(list);
  var footer = doc.createElement("div");
  footer.id = "footer_status";
  var home = doc.createElement("a");
  home.href = options.homepage;
  home.target = "_blank";
  home.textContent = "Made with Penwick";
  footer.appendChild(home);
  var script = doc.createElement("script");
  script.textContent = options.script;
  doc.body.appendChild(sidebar);
  doc.body.appendChild(footer);
  doc.body.appendChild(script);
}

// options: title, style, formulaStyle (added when there are formulas), policy,
// forWord, tableOfContents, script, homepage.
function exportDocument(options) {
  var doc = document.implementation.createHTMLDocument("");
  if (options.forWord) doc.documentElement.setAttribute("xmlns:office", "urn:schemas-microsoft-com:office:office");
  var charset = doc.createElement("meta");
  charset.setAttribute("charset", "utf-8");
  var policy = doc.createElement("meta");
  policy.setAttribute("http-equiv", "Content-Security-Policy");
  policy.setAttribute("content", options.policy);
  doc.head.insertBefore(policy, doc.head.firstChild);
  doc.head.insertBefore(charset, policy);
  doc.title = options.title;

  var body = exportedBlocks(options.forWord);
  var style = doc.createElement("style");
  style.textContent = options.style + (body.querySelector(".katex") ? options.formulaStyle : "");
  doc.head.appendChild(style);
  if (options.tableOfContents) addTableOfContents(doc, body, options);
  doc.body.insertBefore(doc.adoptNode(body), doc.body.firstChild);
  return "<!DOCTYPE html>\n" + doc.documentElement.outerHTML;
}
