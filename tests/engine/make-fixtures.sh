#!/usr/bin/env bash
# Builds the trees the engine tests need that a Win32 program cannot make
# under Wine: read-only folders (the Unix mode), immutable files (a refused
# attribute change) and symbolic links.
#   make-fixtures.sh DIR
set -euo pipefail
root=$1
mkdir -p "$root"
cd "$root"

# A read-only folder target holding a read-only subfolder.
mkdir -p ro-folder/ro-sub
echo x >ro-folder/ro-sub/file.txt
chmod a-w ro-folder/ro-sub/file.txt ro-folder/ro-sub ro-folder

# A change the platform refuses, as a target and inside a walk.
mkdir -p refused
echo x >refused/locked.txt
echo x >refused/other.txt
echo x >refused-target.txt
chmod a-w refused/locked.txt refused/other.txt refused-target.txt
chattr +i refused/locked.txt refused-target.txt

# Links back to enclosing folders (a cycle) and out of the tree.
mkdir -p cycle/a cycle/b outside
echo x >cycle/a/file.txt
echo x >outside/far.txt
chmod a-w cycle/a/file.txt outside/far.txt
ln -s .. cycle/a/up
ln -s . cycle/a/self
ln -s ../a cycle/b/sibling
ln -s ../outside cycle/out

# A read-only folder target whose walk is cancelled at once.
mkdir -p ro-cancel
echo x >ro-cancel/f.txt
chmod a-w ro-cancel/f.txt ro-cancel
