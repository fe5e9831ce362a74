#!/bin/sh
# Refreshes the translation sources from the code's texts (run after changing user-visible texts).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate -no-obsolete -locations none src -ts translations/Lang_Chinese.ts translations/Lang_English.ts
