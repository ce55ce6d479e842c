// Table editing at a point of the page: the cell under the point decides.
"use strict";

// The middle of the table cell holding the caret, in page coordinates; null
// outside a table.
function caretCellPoint() {
  var selection = getSelection();
  if (!selection.rangeCount) return null;
  var node = selection.getRangeAt(0).startContainer;
  var element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
  var cell = element ? element.closest("td, th") : null;
  if (!cell || !editorBody().contains(cell)) return null;
  var box = cell.getBoundingClientRect();
  return [Math.round(box.left + box.width / 2), Math.round(box.top + box.height / 2)];
}

function cellAt(x, y) {
  var element = document.elementFromPoint(x, y);
  var cell = element ? element.closest("td, th") : null;
  var table = element && !cell ? element.closest("table") : null;
  if (!table) return cell;
  // Rows not painted yet are not hit, though their cells already have their boxes.
  table.querySelectorAll("td, th").forEach(function (candidate) {
    var box = candidate.getBoundingClientRect();
    if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) cell = candidate;
  });
  return cell;
}

function filledCell(tag) {
  var cell = document.createElement(tag);
  cell.innerHTML = "&nbsp;";
  return cell;
}

function filledRow(tag, count) {
  var row = document.createElement("tr");
  for (var i = 0; i < count; i++) row.appendChild(filledCell(tag));
  return row;
}

function headerRow(table) {
  return table.tHead ? table.tHead.rows[0] : null;
}

function firstBody(table, create) {
  if (table.tBodies.length) return table.tBodies[0];
  if (!create) return null;
  var body = document.createElement("tbody");
  table.appendChild(body);
  return body;
}

function bodyRows(table) {
  var rows = [];
  Array.prototype.forEach.call(table.tBodies, function (body) {
    Array.prototype.forEach.call(body.rows, function (row) { rows.push(row); });
  });
  return rows;
}

function allRows(table) {
  var rows = table.tHead ? Array.prototype.slice.call(table.tHead.rows) : [];
  return rows.concat(bodyRows(table));
}

function swapContents(first, second) {
  var count = Math.max(first.cells.length, second.cells.length);
  for (var i = 0; i < count; i++) {
    var a = first.cells[i];
    var b = second.cells[i];
    if (!a || !b) continue;
    var html = a.innerHTML;
    a.innerHTML = b.innerHTML;
    b.innerHTML = html;
  }
}

function insertTable(rows, cols) {
  var selection = window.getSelection();
  if (!selection.rangeCount) return;
  var table = document.createElement("table");
  var head = table.createTHead();
  var header = head.insertRow();
  for (var c = 0; c < cols; c++) header.appendChild(document.createElement("th"));
  if (rows > 1) {
    var body = document.createElement("tbody");
    for (var r = 1; r < rows; r++) {
      var row = body.insertRow();
      for (var d = 0; d < cols; d++) row.appendChild(document.createElement("td"));
    }
    table.appendChild(body);
  }
  // A table is a block of its own: after the block holding the caret, or in
  // place of an empty one.
  var node = selection.getRangeAt(0).startContainer;
  var block = node === editorBody() ? null : topLevelBlock(node);
  if (block && block.nodeType === Node.ELEMENT_NODE && block.textContent.trim() === "" && !block.querySelector("img[src]")) {
    editorBody().replaceChild(table, block);
  } else if (block) {
    editorBody().insertBefore(table, block.nextSibling);
  } else {
    editorBody().appendChild(table);
  }
  placeCaretIn(table.rows[0].cells[0]);
  markModified();
}

function placeCaretIn(cell) {
  var range = document.createRange();
  range.selectNodeContents(cell);
  if (cell.textContent === "") range.collapse(true);
  getSelection().removeAllRanges();
  getSelection().addRange(range);
}

// Tab goes to the next cell, Shift+Tab to the one before; Tab in the last
// cell adds a row.
function moveBetweenCells(cell, backwards) {
  var table = cell.closest("table");
  var cells = Array.prototype.slice.call(table.querySelectorAll("th, td")).filter(function (candidate) {
    return candidate.closest("table") === table;
  });
  var index = cells.indexOf(cell) + (backwards ? -1 : 1);
  if (index < 0) return;
  if (index >= cells.length) {
    var row = filledRow("td", cell.parentNode.cells.length);
    firstBody(table, true).appendChild(row);
    placeCaretIn(row.cells[0]);
    markModified();
    return;
  }
  placeCaretIn(cells[index]);
}

function insertTableRow(x, y, type) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var row = cell.parentNode;
  var table = cell.closest("table");
  if (cell.tagName === "TD") {
    var fresh = filledRow("td", row.cells.length);
    row.parentNode.insertBefore(fresh, type === "above" ? row : row.nextSibling);
  } else if (type === "above") {
    var body = firstBody(table, true);
    var moved = document.createElement("tr");
    Array.prototype.forEach.call(row.cells, function (headerCell) {
      var bodyCell = document.createElement("td");
      bodyCell.innerHTML = headerCell.innerHTML;
      moved.appendChild(bodyCell);
    });
    row.parentNode.replaceChild(filledRow("th", row.cells.length), row);
    body.insertBefore(moved, body.firstChild);
  } else {
    var target = firstBody(table, true);
    target.insertBefore(filledRow("td", row.cells.length), target.firstChild);
  }
  markModified();
}

function insertTableColumn(x, y, type) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var table = cell.closest("table");
  var index = cell.cellIndex + (type === "right" ? 1 : 0);
  allRows(table).forEach(function (row) {
    var inHead = row.parentNode.tagName === "THEAD";
    var fresh = filledCell(inHead ? "th" : "td");
    row.insertBefore(fresh, row.cells[index] || null);
  });
  markModified();
}

function deleteRow(x, y) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var row = cell.parentNode;
  var table = cell.closest("table");
  if (cell.tagName === "TD") {
    row.remove();
  } else {
    var first = bodyRows(table)[0];
    if (first) {
      Array.prototype.forEach.call(row.cells, function (headerCell, index) {
        headerCell.innerHTML = first.cells[index] ? first.cells[index].innerHTML : "";
      });
      first.remove();
    } else {
      row.remove();
    }
  }
  markModified();
}

function deleteColumn(x, y) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var index = cell.cellIndex;
  allRows(cell.closest("table")).forEach(function (row) {
    if (row.cells[index]) row.cells[index].remove();
  });
  markModified();
}

function deleteTable(x, y) {
  var cell = cellAt(x, y);
  var element = document.elementFromPoint(x, y);
  var table = cell ? cell.closest("table") : element && element.closest("table");
  if (!table) return;
  table.remove();
  markModified();
}

function getTableHtml(x, y) {
  var element = document.elementFromPoint(x, y);
  var table = element ? element.closest("table") : null;
  return table ? blockHtml(table) : undefined;
}

function alignColumn(x, y, align) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var index = cell.cellIndex;
  allRows(cell.closest("table")).forEach(function (row) {
    if (row.cells[index]) row.cells[index].setAttribute("align", align);
  });
  markModified();
}

function shiftRow(x, y, type) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var row = cell.parentNode;
  var table = cell.closest("table");
  var rows = bodyRows(table);
  if (cell.tagName === "TH") {
    if (type !== "down" || !rows.length) return;
    swapContents(row, rows[0]);
  } else {
    var index = rows.indexOf(row);
    if (type === "up") {
      if (index > 0) rows[index - 1].parentNode.insertBefore(row, rows[index - 1]);
      else if (headerRow(table)) swapContents(headerRow(table), row);
      else return;
    } else {
      if (index + 1 >= rows.length) return;
      rows[index + 1].parentNode.insertBefore(rows[index + 1], row);
    }
  }
  markModified();
}

function shiftColumn(x, y, type) {
  var cell = cellAt(x, y);
  if (!cell) return;
  var index = cell.cellIndex;
  var other = type === "left" ? index - 1 : index + 1;
  if (other < 0 || other >= cell.parentNode.cells.length) return;
  allRows(cell.closest("table")).forEach(function (row) {
    var a = row.cells[Math.min(index, other)];
    var b = row.cells[Math.max(index, other)];
    if (a && b) row.insertBefore(b, a);
  });
  markModified();
}
