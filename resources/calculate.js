// Word count of the editor page's text: each run of Latin-1 characters between
// blanks counts one, every other character counts one.
"use strict";

function countWords(text) {
  try {
    return String(text)
      .replace(/[\r\n\s\u3000]+/g, "\u9f98")
      .replace(/[\u0000-\u00ff]/g, "m")
      .replace(/m+/g, "*")
      .replace(/\u9f98+/g, "").length;
  } catch (error) {
    return 0;
  }
}

self.onmessage = function (event) {
  self.postMessage(countWords(event.data));
};
