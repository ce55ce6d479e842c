// Raw HTML and front matter from the Markdown, shown as islands the writer
// cannot edit here. An island carries its source, which goes back into the
// Markdown as it was, and the HTML the source renders to, which is shown only
// as DOMPurify leaves it: presentational elements and attributes, ordinary
// addresses, no script, event handler, form, frame, style or class.
"use strict";

var islandPurifyConfig = {
  ALLOWED_TAGS: ["a", "abbr", "b", "bdi", "bdo", "blockquote", "br", "caption", "center", "cite", "code", "col",
                 "colgroup", "dd", "del", "details", "dfn", "div", "dl", "dt", "em", "figcaption", "figure", "h1",
                 "h2", "h3", "h4", "h5", "h6", "hr", "i", "img", "ins", "kbd", "li", "mark", "ol", "p", "picture",
                 "pre", "q", "rp", "rt", "ruby", "s", "samp", "small", "source", "span", "strike", "strong", "sub",
                 "summary", "sup", "table", "tbody", "td", "tfoot", "th", "thead", "time", "tr", "tt", "u", "ul",
                 "var", "wbr"],
  ALLOWED_ATTR: ["align", "alt", "cite", "colspan", "datetime", "dir", "height", "href", "lang", "media", "name",
                 "open", "reversed", "rowspan", "scope", "sizes", "span", "src", "srcset", "start", "title", "type",
                 "valign", "width"],
  ALLOW_DATA_ATTR: false,
  ALLOW_ARIA_ATTR: false,
  RETURN_DOM_FRAGMENT: true
};

// No address may carry its content along: data: URLs go as well.
DOMPurify.addHook("uponSanitizeAttribute", function (node, data) {
  if (/^\s*data:/i.test(data.attrValue) || (data.attrName === "srcset" && /data:/i.test(data.attrValue))) {
    data.keepAttr = false;
  }
});

function islandHtml(island) {
  return island.hasAttribute("data-html") ? island.getAttribute("data-html") : island.getAttribute("data-source");
}

// Fills the islands in `root` that are still empty.
function fillIslands(root) {
  var islands = selectWithin(root, "x-html").filter(function (island) { return !island.firstChild; });
  if (!islands.length) return;
  untracked(function () {
    islands.forEach(function (island) {
      island.setAttribute("contenteditable", "false");
      if (island.getAttribute("type") === "front-matter") {
        island.textContent = island.getAttribute("data-source") || "";
        return;
      }
      island.appendChild(DOMPurify.sanitize(islandHtml(island) || "", islandPurifyConfig));
    });
  });
  islands.forEach(function (island) { showLocalImages(island); });
}

// An island's copy in an export: what the page shows of it, without its source.
function exportedIsland(copy) {
  var type = copy.getAttribute("type");
  var shown = document.createElement(type === "front-matter" ? "pre" : type === "block" ? "div" : "span");
  while (copy.firstChild) shown.appendChild(copy.firstChild);
  return shown;
}
