// Connects the editor page to the native bridge object "content".
var contentObj = null;

function setDocumentHtml(html) {
  var editor = document.getElementById("bodyeditor");
  editor.innerHTML = html;
}

document.addEventListener("DOMContentLoaded", function () {
  var editor = document.getElementById("bodyeditor");
  editor.setAttribute("data-placeholder", focusPlaceholder);
  editor.setAttribute("contenteditable", "true");
  editor.addEventListener("input", function () {
    if (contentObj) contentObj.updateModifyStatus(true);
  });
  new QWebChannel(qt.webChannelTransport, function (channel) {
    contentObj = channel.objects.content;
    contentObj.setHtmlSignal.connect(setDocumentHtml);
  });
});
