#!/usr/bin/env bash
# Checks that the desktop program's sources, and those of the libraries it
# uses, compile for Windows: each file of a Linux build's compile commands
# goes through the 32-bit mingw-w64 compiler with -fsyntax-only, with the
# same include paths and definitions. Debian has no Qt built for Windows, so
# the Linux Qt headers stand in; what this finds is code that assumes a
# POSIX system (sigaction, dlopen, unistd.h) outside a platform branch.
# The header-only JSON library is the one other outside header: it comes
# from a folder that holds it alone, so no other Linux header is found.
#
#   scripts/check-windows-sources.sh [build-dir]     default build
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

python3 - "$build/compile_commands.json" "$PWD/" <<'EOF'
import json, os, shlex, subprocess, sys, tempfile

commands = json.load(open(sys.argv[1]))
source = sys.argv[2]
folders = ('solvane/', 'lightquality/', 'spectrumfile/', 'colorimetry/', 'cie/', 'devlink/')
checked = failed = 0
headers = tempfile.mkdtemp()
os.symlink('/usr/include/nlohmann', os.path.join(headers, 'nlohmann'))
for command in commands:
    path = command['file']
    relative = path[len(source):] if path.startswith(source) else path
    if not relative.startswith(folders) or '/tests/' in relative or relative.endswith('.c'):
        continue
    args = shlex.split(command['command'])[1:]
    output = args.index('-o')
    del args[output:output + 2]
    # Linux-only code generation and warning flags do not apply.
    args = [a for a in args if a not in ('-c', '-Werror', '-fPIC', '-fPIE', path)
            and not a.startswith('-fsanitize')]
    result = subprocess.run(['i686-w64-mingw32-g++', '-fsyntax-only', '-w', '-idirafter', headers]
                            + args + [path],
                            cwd=command['directory'], capture_output=True, text=True)
    checked += 1
    if result.returncode != 0:
        failed += 1
        errors = [line for line in result.stderr.splitlines() if 'error' in line]
        print('check-windows-sources: ' + relative + ':\n  ' + '\n  '.join(errors[:5]),
              file=sys.stderr)
print(f'check-windows-sources: {checked} files, {failed} do not compile for Windows')
sys.exit(1 if failed else 0)
EOF
