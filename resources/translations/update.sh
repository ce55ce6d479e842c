#!/bin/sh
# Refreshes every catalogue from the sources: new texts appear unfinished,
# texts that are gone become obsolete.
cd "$(dirname "$0")/../.." || exit 1
lupdate -no-obsolete -locations none src -ts resources/translations/*.ts
