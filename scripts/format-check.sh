#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ file of the checkout differs from what clang-format
# makes of it. clang-format -i on those files mends them.
cd "$(dirname "$0")/.." || exit 1
format=$(command -v clang-format-14 || command -v clang-format) || {
    echo "format-check: clang-format is not installed" >&2
    exit 1
}
git ls-files '*.cpp' '*.h' | xargs "$format" --dry-run --Werror
