#pragma once

#include <md4c.h>

// How the program reads Markdown. Raw HTML in the Markdown is shown as text,
// never run in the page.
constexpr unsigned markdownParserFlags = MD_FLAG_PERMISSIVEAUTOLINKS | MD_FLAG_NOHTML | MD_FLAG_TABLES
    | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS | MD_FLAG_LATEXMATHSPANS | MD_FLAG_UNDERLINE;
