# Generates the Qt resource file for the page assets installed by npm
# (CodeMirror, KaTeX, DOMPurify, Font Awesome, the GitHub preview styles), so that no
# third-party file lives in the repository.

set(PAGE_ASSETS_DIR "${CMAKE_SOURCE_DIR}/node_modules")
foreach(pkg codemirror katex font-awesome github-markdown-css dompurify)
  if(NOT EXISTS "${PAGE_ASSETS_DIR}/${pkg}/package.json")
    message(FATAL_ERROR "Page asset package '${pkg}' is missing; run scripts/install-deps.sh")
  endif()
endforeach()

set(CODE_BLOCK_STYLES
  3024-day 3024-night abbott abcdef ambiance ayu-dark ayu-mirage base16-dark
  base16-light bespin blackboard cobalt colorforth darcula dracula duotone-dark
  duotone-light eclipse erlang-dark gruvbox-dark hopscotch icecoder isotope
  juejin lesser-dark liquibyte lucario material-darker material-ocean
  material-palenight material mbo mdn-like midnight monokai moxer night nord
  oceanic-next panda-syntax paraiso-dark paraiso-light pastel-on-dark railscasts
  rubyblue seti shadowfox solarized ssms the-matrix tomorrow-night-bright
  tomorrow-night-eighties ttcn twilight vibrant-ink xq-dark xq-light yeti yonce
  zenburn)

# Preview styles shipped from github-markdown-css; the others are our own.
set(GITHUB_PREVIEW_STYLES github-markdown-light github-markdown-dark)

set(_qrc "<!DOCTYPE RCC><RCC version=\"1.0\">\n")
macro(_qrc_prefix prefix)
  string(APPEND _qrc "<qresource prefix=\"${prefix}\">\n")
endmacro()
macro(_qrc_file alias path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "Page asset missing: ${path}")
  endif()
  string(APPEND _qrc "  <file alias=\"${alias}\">${path}</file>\n")
endmacro()
macro(_qrc_end)
  string(APPEND _qrc "</qresource>\n")
endmacro()

set(_cm "${PAGE_ASSETS_DIR}/codemirror")
_qrc_prefix(/codemirror)
_qrc_file(lib/codemirror.js "${_cm}/lib/codemirror.js")
_qrc_file(lib/codemirror.css "${_cm}/lib/codemirror.css")
_qrc_file(addon/mode/simple.js "${_cm}/addon/mode/simple.js")
_qrc_file(addon/mode/overlay.js "${_cm}/addon/mode/overlay.js")
_qrc_file(addon/mode/multiplex.js "${_cm}/addon/mode/multiplex.js")
_qrc_file(addon/runmode/runmode.js "${_cm}/addon/runmode/runmode.js")
_qrc_file(addon/mode/loadmode.js "${_cm}/addon/mode/loadmode.js")
_qrc_file(mode/meta.js "${_cm}/mode/meta.js")
file(GLOB _modes LIST_DIRECTORIES true RELATIVE "${_cm}/mode" "${_cm}/mode/*")
list(SORT _modes)
foreach(mode IN LISTS _modes)
  if(EXISTS "${_cm}/mode/${mode}/${mode}.js")
    _qrc_file("mode/${mode}/${mode}.js" "${_cm}/mode/${mode}/${mode}.js")
  endif()
endforeach()
foreach(style IN LISTS CODE_BLOCK_STYLES)
  _qrc_file("theme/${style}.css" "${_cm}/theme/${style}.css")
endforeach()
_qrc_end()

set(_katex "${PAGE_ASSETS_DIR}/katex/dist")
_qrc_prefix(/katex)
_qrc_file(katex.min.js "${_katex}/katex.min.js")
_qrc_file(katex.min.css "${_katex}/katex.min.css")
# All three formats, as the style sheet names them: the web engine falls back
# from one to the next.
file(GLOB _katex_fonts RELATIVE "${_katex}" "${_katex}/fonts/*.woff2" "${_katex}/fonts/*.woff" "${_katex}/fonts/*.ttf")
list(SORT _katex_fonts)
foreach(font IN LISTS _katex_fonts)
  _qrc_file("${font}" "${_katex}/${font}")
endforeach()
_qrc_end()

_qrc_prefix(/dompurify)
_qrc_file(purify.min.js "${PAGE_ASSETS_DIR}/dompurify/dist/purify.min.js")
_qrc_end()

set(_fa "${PAGE_ASSETS_DIR}/font-awesome")
_qrc_prefix(/font-awesome-4.7.0)
_qrc_file(css/font-awesome.min.css "${_fa}/css/font-awesome.min.css")
foreach(font fontawesome-webfont.woff2 fontawesome-webfont.woff fontawesome-webfont.ttf)
  _qrc_file("fonts/${font}" "${_fa}/fonts/${font}")
endforeach()
_qrc_end()
_qrc_prefix(/fontawesome)
_qrc_file(fontawesome-webfont.ttf "${_fa}/fonts/fontawesome-webfont.ttf")
_qrc_end()

_qrc_prefix(/themes)
foreach(style IN LISTS GITHUB_PREVIEW_STYLES)
  _qrc_file("${style}.css" "${PAGE_ASSETS_DIR}/github-markdown-css/${style}.css")
endforeach()
_qrc_end()
string(APPEND _qrc "</RCC>\n")

set(PAGE_ASSETS_QRC "${CMAKE_BINARY_DIR}/generated/pageassets.qrc")
file(WRITE "${PAGE_ASSETS_QRC}.in" "${_qrc}")
configure_file("${PAGE_ASSETS_QRC}.in" "${PAGE_ASSETS_QRC}" COPYONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/package-lock.json")

# The preview page and the HTML export read styles from a "themes" folder
# beside the executable; build trees and installs both get one.
set(PREVIEW_STYLE_FILES)
foreach(style IN LISTS GITHUB_PREVIEW_STYLES)
  list(APPEND PREVIEW_STYLE_FILES "${PAGE_ASSETS_DIR}/github-markdown-css/${style}.css")
endforeach()
file(GLOB _own_styles "${CMAKE_SOURCE_DIR}/resources/themes/*.css" "${CMAKE_SOURCE_DIR}/resources/themes/*.png")
list(APPEND PREVIEW_STYLE_FILES ${_own_styles})
