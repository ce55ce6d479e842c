// Formulas: x-equation elements hold TeX source and are rendered by KaTeX
// when they come near the viewport. KaTeX itself is loaded with the first
// formula drawn: most documents have none, and it is the page's largest script.
"use strict";

var formulaObserver = null;
var katexWaiting = null;

function withKatex(then) {
  if (typeof katex !== "undefined") {
    then();
    return;
  }
  if (!katexWaiting) {
    katexWaiting = [];
    var script = document.createElement("script");
    script.src = "qrc:/katex/katex.min.js";
    script.onload = function () {
      var waiting = katexWaiting;
      katexWaiting = null;
      waiting.forEach(function (callback) { callback(); });
    };
    document.head.appendChild(script);
  }
  katexWaiting.push(then);
}

// Whether KaTeX is in for the document's formulas; starts loading it if not.
function formulaScriptReady() {
  if (typeof katex !== "undefined" || !editorBody().querySelector("x-equation")) return true;
  withKatex(function () {});
  return false;
}

function formulaSource(formula) {
  var annotation = formula.querySelector('annotation[encoding="application/x-tex"]');
  return annotation ? annotation.textContent : formula.textContent;
}

function renderFormula(formula) {
  withKatex(function () {
    var source = formulaSource(formula);
    untracked(function () {
      katex.render(source, formula, { throwOnError: false, displayMode: formula.getAttribute("type") === "display" });
    });
  });
}

function observeFormula(formula) {
  if (!formulaObserver) {
    formulaObserver = new IntersectionObserver(function (entries) {
      entries.forEach(function (entry) {
        if (!entry.isIntersecting) return;
        formulaObserver.unobserve(entry.target);
        if (!entry.target.querySelector(".katex")) renderFormula(entry.target);
      });
    }, { rootMargin: "800px 0px" });
  }
  formulaObserver.observe(formula);
}

function renderEveryFormula() {
  editorBody().querySelectorAll("x-equation").forEach(function (formula) {
    if (!formula.querySelector(".katex")) renderFormula(formula);
  });
}

function renderFormulas(root) {
  selectWithin(root, "x-equation").forEach(observeFormula);
}

function formulaAt(x, y) {
  var element = document.elementFromPoint(x, y);
  return element ? element.closest("x-equation") : null;
}

function modifyLaTeX(x, y) {
  var formula = formulaAt(x, y);
  if (formula) contentObj.modifyLaTeX(formulaSource(formula), getXPath(formula));
}

function deleteLaTeX(x, y) {
  var formula = formulaAt(x, y);
  if (!formula) return;
  formula.remove();
  markModified();
}

function insertLaTeXAtSelection(source) {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var paragraph = document.createElement("p");
  var formula = document.createElement("x-equation");
  formula.setAttribute("contenteditable", "false");
  formula.textContent = source;
  paragraph.appendChild(formula);
  replaceSelection(paragraph);
  renderFormula(formula);
  markModified();
}

function replaceFormula(source, xpath) {
  var formula = getElementByXPath(xpath);
  if (!formula) return;
  formula.textContent = source;
  renderFormula(formula);
  markModified();
}
