// Formulas: x-equation elements hold TeX source and are rendered by KaTeX
// when they come near the viewport.
"use strict";

var formulaObserver = null;

function formulaSource(formula) {
  var annotation = formula.querySelector('annotation[encoding="application/x-tex"]');
  return annotation ? annotation.textContent : formula.textContent;
}

function renderFormula(formula) {
  var source = formulaSource(formula);
  untracked(function () {
    katex.render(source, formula, { throwOnError: false, displayMode: formula.getAttribute("type") === "display" });
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
