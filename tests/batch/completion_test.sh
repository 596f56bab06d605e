#!/usr/bin/env bash
# The bash completion of marrowlyn-batch, called as bash calls it.
set -u
source "$1" || exit 1
cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
mkdir -p "Old Books" out/deeper
touch "Short Stories.zip" "set.zip.001" notes.txt "Old Books/x.zip"
failed=0

# expect "WORDS..." -- replies (in any order)
expect()
{
    local line=$1; shift
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _marrowlyn_batch
    local got want
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    want=$(printf '%s\n' "$@" | sort)
    if [[ $got != "$want" ]]; then
        echo "FAIL: '$line': got [$got], want [$want]"
        failed=1
    fi
}

expect "marrowlyn-batch Sh" "Short Stories.zip"
expect "marrowlyn-batch " "Short Stories.zip" "set.zip.001" "Old Books" "out"
expect "marrowlyn-batch no" "notes.txt"
expect "marrowlyn-batch -o o" "out"
expect "marrowlyn-batch --after m" "move:"
expect "marrowlyn-batch --after move:o" "move:out"
expect "marrowlyn-batch --after move : o" "out"
expect "marrowlyn-batch --after move : " "Old Books" "out"
expect "marrowlyn-batch --li" "--list"
exit $failed
