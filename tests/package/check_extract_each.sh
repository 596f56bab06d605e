#!/usr/bin/env bash
# The file managers' action over archives whose names read like options, as
# a shell glob hands them over: each is extracted, none is taken as an option
# (a "--report=important.zip" once wrote a report over important.zip).
# Usage: check_extract_each.sh DIR_OF_MARROWLYN_BATCH SOURCE_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
action=$(cd "$2" && pwd)/packaging/file-managers/marrowlyn-extract-each
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export MARROWLYN_LANGUAGE=en HOME=$scratch XDG_CONFIG_HOME=$scratch

# The result goes to a stand-in for notify-send, whatever the machine has.
mkdir "$scratch/bin"
ln -s "$bin/marrowlyn-batch" "$scratch/bin/marrowlyn-batch"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"$NOTIFIED"\n' >"$scratch/bin/notify-send"
chmod +x "$scratch/bin/notify-send"
export PATH="$scratch/bin:$PATH"

# Each order puts another name first: the output folder comes from the first.
orders=("other.zip --report=important.zip important.zip -o.zip"
        "--report=important.zip important.zip other.zip -o.zip"
        "-o.zip other.zip important.zip --report=important.zip")
for order in "${orders[@]}"; do
  dir=$(mktemp -d "$scratch/fm.XXXX")
  python3 - "$dir" <<'EOF'
import sys, zipfile
for name in ("--report=important.zip", "important.zip", "other.zip", "-o.zip"):
    with zipfile.ZipFile(f"{sys.argv[1]}/{name}", "w") as z:
        z.writestr("inside.txt", name)
EOF
  before=$(sha256sum "$dir/important.zip")
  # shellcheck disable=SC2086
  (cd "$dir" && NOTIFIED="$scratch/notified" "$action" $order) || { echo "[$order] the action failed: $(cat "$scratch/notified")"; exit 1; }
  for folder in "--report=important" important other -o; do
    [ "$(cat "$dir/$folder/inside.txt" 2>/dev/null)" = "$folder.zip" ] || { echo "[$order] not extracted: $folder.zip"; exit 1; }
  done
  [ "$(sha256sum "$dir/important.zip")" = "$before" ] || { echo "[$order] important.zip was changed"; exit 1; }
  [ "$(ls -A "$dir" | wc -l)" = 8 ] || { echo "[$order] more than the four archives and their folders:"; ls -A "$dir"; exit 1; }
  [ "$(tail -n 2 "$scratch/notified")" = "$(printf 'Marrowlyn\nDone.')" ] || { echo "[$order] said: $(cat "$scratch/notified")"; exit 1; }
done
# The result in the desktop's language, where the program has one.
for said in "de_DE|Fertig." "fr_FR|Terminé." "es_ES|Listo." "ja_JP|完了しました。"; do
  dir=$(mktemp -d "$scratch/lang.XXXX")
  python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w").writestr("o.txt", "o")' "$dir/a.zip"
  MARROWLYN_LANGUAGE="" LANGUAGE="" LC_ALL="" LC_MESSAGES="" LANG=${said%%|*}.UTF-8 NOTIFIED="$scratch/notified" "$action" "$dir/a.zip" \
    && [ "$(tail -n 1 "$scratch/notified")" = "${said#*|}" ] || { echo "[${said%%|*}] said: $(cat "$scratch/notified")"; exit 1; }
done
# An archive that needs a password is asked for through the desktop's box
# (a stand-in zenity answers), and extracted with the answer; the result
# counts the clean ones and gives one line per archive that is not.
if command -v 7zz >/dev/null 2>&1; then
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"$ZENITY_CALLS"\ncase "$*" in *--password*) printf "%%s\\n" "$ZENITY_ANSWER" ;; *--progress*) cat >/dev/null ;; esac\n' >"$scratch/bin/zenity"
  chmod +x "$scratch/bin/zenity"
  export XDG_STATE_HOME=$scratch/state
  for answer in secret wrong; do
    dir=$(mktemp -d "$scratch/pw.XXXX")
    printf 'inside' >"$dir/inside.txt"
    (cd "$dir" && 7zz a -tzip -psecret locked.zip inside.txt >/dev/null && rm inside.txt)
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w").writestr("o.txt", "o")' "$dir/open.zip"
    : >"$scratch/zenity-calls"
    status=0
    ZENITY_CALLS="$scratch/zenity-calls" ZENITY_ANSWER=$answer NOTIFIED="$scratch/notified" "$action" "$dir/open.zip" "$dir/locked.zip" || status=$?
    grep -q -- '--password --title=Password for locked.zip:' "$scratch/zenity-calls" || { echo "[$answer] not asked: $(cat "$scratch/zenity-calls")"; exit 1; }
    grep -q -- '--progress' "$scratch/zenity-calls" || { echo "[$answer] no progress shown"; exit 1; }
    said=$(cat "$scratch/notified")
    if [ "$answer" = secret ]; then
      [ $status = 0 ] && [ "$(cat "$dir/locked/inside.txt")" = inside ] && [ "$(tail -n 1 "$scratch/notified")" = Done. ] \
        || { echo "[$answer] status $status, said: $said"; exit 1; }
    else
      [ $status = 1 ] && [ ! -e "$dir/locked/inside.txt" ] || { echo "[$answer] status $status"; exit 1; }
      case "$said" in *"1 of 2 archives extracted"*"locked.zip: "*"Details: $XDG_STATE_HOME/marrowlyn/extract-each.log"*) ;;
        *) echo "[$answer] said: $said"; exit 1 ;; esac
      grep -q 'wrong password' "$XDG_STATE_HOME/marrowlyn/extract-each.log" || { echo "[$answer] no detail in the log"; exit 1; }
    fi
  done
else
  echo "7zz is missing: the password case is not checked"
fi
echo "file managers' action ok"
