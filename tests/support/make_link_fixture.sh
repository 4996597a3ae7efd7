#!/usr/bin/env bash
# Builds a folder tree with unix symbolic links inside the test prefix's C: drive. Wine cannot
# create links itself, but it shows a directory symlink as a reparse-point directory, which is
# how a junction or directory link looks on Windows.
#   C:\tamberlock-fixtures\NAME\outside\keep.txt         must survive every walk and shred
#   C:\tamberlock-fixtures\NAME\outside\deep\keep2.txt
#   C:\tamberlock-fixtures\NAME\tree\real\inner.txt
#   C:\tamberlock-fixtures\NAME\tree\top.txt
#   C:\tamberlock-fixtures\NAME\tree\dirlink  -> ../outside   (directory link)
#   C:\tamberlock-fixtures\NAME\dirlink       -> outside      (a link given as the start)
set -euo pipefail
prefix=${1:?usage: make_link_fixture.sh WINEPREFIX [NAME]}
root="$prefix/drive_c/tamberlock-fixtures/${2:-links}"
rm -rf "$root"
mkdir -p "$root/outside/deep" "$root/tree/real"
echo keep > "$root/outside/keep.txt"
echo keep2 > "$root/outside/deep/keep2.txt"
echo inner > "$root/tree/real/inner.txt"
echo top > "$root/tree/top.txt"
ln -s ../outside "$root/tree/dirlink"
ln -s outside "$root/dirlink"
