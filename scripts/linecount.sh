#!/usr/bin/env bash
# Counts C++ lines that are neither blank nor comments: product code (src/) against tests (tests/).
# Usage: linecount.sh [REV]  (with REV: only what was added or changed since REV)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
/usr/bin/env python3 - "$@" <<'PY'
import re, subprocess, sys, pathlib
def code_lines(text):
    text = re.sub(r'/\*.*?\*/', lambda m: '\n' * m.group(0).count('\n'), text, flags=re.S)
    n = 0
    for line in text.splitlines():
        s = line.strip()
        if s and not s.startswith('//'):
            n += 1
    return n
def files(top):
    return [p for p in pathlib.Path(top).rglob('*') if p.suffix in ('.cpp', '.h')]
if len(sys.argv) > 1:
    diff = subprocess.run(['git', 'diff', '-U0', sys.argv[1], '--', 'src', 'tests'],
                          capture_output=True, text=True).stdout
    counts = {'src': 0, 'tests': 0}; cur = None
    for line in diff.splitlines():
        if line.startswith('+++ '):
            path = line[6:] if line.startswith('+++ b/') else ''
            cur = path.split('/')[0] if path.endswith(('.cpp', '.h')) else None
        elif cur in counts and line.startswith('+') and not line.startswith('+++'):
            s = line[1:].strip()
            if s and not s.startswith('//') and not s.startswith('*') and not s.startswith('/*'):
                counts[cur] += 1
    src, tst = counts['src'], counts['tests']
else:
    src = sum(code_lines(p.read_text(errors='replace')) for p in files('src'))
    tst = sum(code_lines(p.read_text(errors='replace')) for p in files('tests'))
print(f"product {src}, tests {tst}, ratio {tst / max(src, 1):.2f}")
PY
