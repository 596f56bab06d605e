#!/usr/bin/env bash
# The Debian package as a user gets it: made by CPack from this build,
# unpacked into a scratch root, its programs run from there (an archive
# extracted by the installed command), its desktop entry and metainfo
# validated. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export MARROWLYN_LANGUAGE=en

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/marrowlyn_*.deb)
dpkg-deb --field "$deb" Depends | grep -q libzip || { echo "no libzip among the dependencies"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr

"$usr/bin/marrowlyn-batch" --version | grep -q "^engine libunzip32 " || { echo "the installed engine was not found"; exit 1; }
for said in "de|Rückgabewert:" "fr|Code de retour" "es|Estado de salida:" "ja|終了ステータス:"; do
  MARROWLYN_LANGUAGE=${said%%|*} "$usr/bin/marrowlyn-batch" --help | grep -q "^${said#*|}" \
    || { echo "the installed translation ${said%%|*} was not found"; exit 1; }
done
mkdir "$scratch/out/x"
HOME=$scratch XDG_CONFIG_HOME=$scratch "$usr/bin/marrowlyn-batch" -q -o "$scratch/out/x" \
  "$usr/lib/marrowlyn/Samples/Short Stories.zip"
[ -n "$(find "$scratch/out/x/Short Stories" -type f)" ] || { echo "the installed command extracted nothing"; exit 1; }

# The file managers' action: each archive into a folder beside it, the result shown.
if ! command -v notify-send zenity kdialog >/dev/null 2>&1; then
  mkdir "$scratch/fm"
  cp "$usr/lib/marrowlyn/Samples/Garden Notebook.zip" "$scratch/fm/"
  said=$(HOME=$scratch XDG_CONFIG_HOME=$scratch PATH="$usr/bin:$PATH" marrowlyn-extract-each "$scratch/fm/Garden Notebook.zip")
  [ "$said" = "Done." ] && [ -d "$scratch/fm/Garden Notebook" ] || { echo "the file managers' action said: $said"; exit 1; }
fi

desktop-file-validate "$usr/share/applications/app.marrowlyn.Marrowlyn.desktop"
# Each language's names beside the English ones, for the menu and both file managers' actions.
for language in de fr es ja; do
  for check in "^Name\[$language\]=|share/applications/app.marrowlyn.Marrowlyn.desktop" \
               "^Comment\[$language\]=|share/applications/app.marrowlyn.Marrowlyn.desktop" \
               "^Name\[$language\]=|share/kio/servicemenus/marrowlyn-extract-each.desktop" \
               "<name xml:lang=\"$language\">|share/marrowlyn/file-managers/thunar-uca.xml"; do
    grep -q "${check%%|*}" "$usr/${check#*|}" || { echo "no $language in ${check#*|}: ${check%%|*}"; exit 1; }
  done
done
dpkg-deb --field "$deb" Recommends | grep -q qt6-gtk-platformtheme || { echo "the desktop's file dialogs are not recommended"; exit 1; }
dpkg-deb --field "$deb" Recommends | grep -q fonts-ipafont-gothic || { echo "no font for Japanese is recommended"; exit 1; }
# Pedantic notes are allowed (the id's capitals are the desktop file's name);
# an error or a warning is not.
said=$(appstreamcli validate --pedantic --no-net "$usr/share/metainfo/app.marrowlyn.Marrowlyn.metainfo.xml" 2>&1) \
  && ! grep -q '^[EW]:' <<<"$said" || { echo "appstreamcli: $said"; exit 1; }
# Infos stay (hardening, a "spelling" in binary data); overridden tags are
# explained in packaging/lintian-overrides.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" 2>/dev/null || { echo "lintian found errors or warnings (above)"; exit 1; }
else
  echo "lintian is missing (scripts/deps installs it)"; exit 1
fi
zcat "$usr/share/doc/marrowlyn/changelog.gz" | head -1 | grep -q "^marrowlyn ($(dpkg-deb --field "$deb" Version)) " \
  || { echo "the changelog's version is not the package's"; exit 1; }
for f in bin/marrowlyn share/man/man1/marrowlyn.1.gz share/man/man1/marrowlyn-batch.1.gz \
         share/man/man1/marrowlyn-extract-each.1.gz share/doc/marrowlyn/copyright \
         share/bash-completion/completions/marrowlyn-batch share/icons/hicolor/256x256/apps/marrowlyn.png \
         lib/marrowlyn/x/o.cjs lib/marrowlyn/HAND-M.CUR share/kio/servicemenus/marrowlyn-extract-each.desktop \
         share/marrowlyn/file-managers/nautilus-extract-each share/marrowlyn/file-managers/thunar-uca.xml; do
  [ -e "$usr/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
echo "package ok: $(basename "$deb")"
