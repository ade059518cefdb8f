#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source and header, CMake file and script of the checkout names its licence in
# its first lines:   licence-check.sh SOURCE-FOLDER
cd "$1" || exit 1
files=$(git ls-files 2>/dev/null) || { echo "not a git checkout: nothing to check"; exit 77; }
status=0
for f in $(echo "$files" | grep -E '\.(cpp|h|py|sh|cmake)$|(^|/)CMakeLists\.txt$|^\.ci/run$'); do
    if ! head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "$f: no SPDX-License-Identifier line"
        status=1
    fi
done
exit $status
