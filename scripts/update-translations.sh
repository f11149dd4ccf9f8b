#!/usr/bin/env bash
# Picks up new and changed texts from src/ into resources/Localization/*.ts, keeping every
# existing translation, drops texts that are no longer used, and prints what is left to translate.
# Locations are left out on purpose so that moving code does not churn the translation files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

lupdate_bin="$(command -v lupdate || command -v lupdate-qt5 || true)"
[ -n "$lupdate_bin" ] || lupdate_bin=/usr/lib/qt5/bin/lupdate
if [ ! -x "$lupdate_bin" ]; then
    echo "lupdate was not found (Debian package qttools5-dev-tools)" >&2
    exit 1
fi

files=()
for lang in en ru uk; do
    files+=("resources/Localization/AirvaneLite_${lang}.ts")
done
mkdir -p resources/Localization

"$lupdate_bin" -silent -locations none -no-obsolete src -ts "${files[@]}"

printf '%-26s %9s %12s %11s\n' "file" "messages" "translated" "unfinished"
for f in "${files[@]}"; do
    total=$(grep -c '<message' "$f" || true)
    unfinished=$(grep -c 'type="unfinished"' "$f" || true)
    printf '%-26s %9d %12d %11d\n' "$(basename "$f")" "$total" "$((total - unfinished))" "$unfinished"
done
echo "(the English file is the source language: its messages stay unfinished unless a text is a key)"
