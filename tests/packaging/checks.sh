# Checks shared by the install and package tests; sourced, not run.

failures=0
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Exits 77 when one of the named tools is missing (a skip where the test declares it so).
need_tools() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "Missing tool: $tool is not installed (scripts/setup installs it)." >&2
      exit 77
    fi
  done
}

# check_manpage ROOT PAGE SECTION...: clean roff, a NAME line that whatis can index, the promised
# sections, and the paths the page lists actually installed.
check_manpage() {
  local root=$1 page=$2
  shift 2
  local manpage=$root$page
  if [ ! -f "$manpage" ]; then
    fail "no manual page at $page"
    return
  fi
  local warnings
  warnings=$(zcat "$manpage" | LC_ALL=C.UTF-8 groff -man -ww -z -k -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
  lexgrog "$manpage" | grep -q ': "tierce - ' || fail "$page has no NAME line for tierce"
  local section
  for section in "$@"; do
    zcat "$manpage" | grep -qxF ".SH $section" || fail "$page has no $section section"
  done
  local path
  for path in $(zcat "$manpage" | sed -n 's/^\.I \(\/[^ ]*\)$/\1/p'); do
    [ -e "$root$path" ] || fail "$page lists $path, which is not installed"
  done
}

# check_tree ROOT APP_ID BINDIR DATADIR MANDIR DOCDIR: an installed tree, with absolute install
# folders as the program will see them, each found under ROOT.
check_tree() {
  local root=$1 id=$2 bindir=$3 datadir=$4 mandir=$5 docdir=$6
  local program=$root$bindir/tierce
  local desktop=$root$datadir/applications/$id.desktop
  local metainfo=$root$datadir/metainfo/$id.metainfo.xml

  [ -x "$program" ] || fail "no executable program at $bindir/tierce"
  [ -s "$root$docdir/copyright" ] || fail "no copyright file in $docdir"

  # The desktop entry: valid, and pointing at the program and icon that were installed.
  if [ -f "$desktop" ]; then
    # desktop-file-utils before 0.27 (Debian 12) predates SingleMainWindow and calls it an error;
    # that one line is expected there and nothing else is.
    local report
    report=$(desktop-file-validate "$desktop" 2>&1 |
      grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending')
    [ -z "$report" ] || fail "desktop-file-validate reports: $report"
    local exec icon
    exec=$(sed -n 's/^Exec=//p' "$desktop")
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "${exec%% *}" = tierce ] || fail "desktop entry starts '$exec', not the installed tierce"
    [ "$icon" = "$id" ] || fail "desktop entry names icon '$icon', not $id"
    grep -qx 'Categories=Game;BoardGame;' "$desktop" || fail "desktop entry is not in Game;BoardGame;"
    # Its words in every language the game carries: French and each translation file's, English
    # as the default (unmarked).
    local keys languages language locale key
    keys=$(sed -n 's/=..*//p' "$desktop")
    languages=("$here"/../../translations/tierce_*.ts)
    languages=("${languages[@]##*/tierce_}")
    for language in fr "${languages[@]%.ts}"; do
      locale="[$language]"
      [ "$language" = en ] && locale=
      for key in GenericName Comment Keywords; do
        grep -qxF "$key$locale" <<<"$keys" || fail "desktop entry has no $key$locale"
      done
    done
  else
    fail "no desktop entry at $datadir/applications/$id.desktop"
  fi

  # Icons: at least one, each a square PNG as large as its folder says.
  local icons=("$root$datadir"/icons/hicolor/*/apps/"$id".png)
  if [ ! -e "${icons[0]}" ]; then
    fail "no icon named $id.png under $datadir/icons/hicolor"
  else
    local file size actual
    for file in "${icons[@]}"; do
      size=$(basename "$(dirname "$(dirname "$file")")")
      actual=$(file -b "$file" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
      [ "$actual" = "$size" ] || fail "icon in $size/ is ${actual:-not a PNG}"
    done
  fi
  local stray
  stray=$(find "$root$datadir/icons" -type f ! -name "$id.png" 2>/dev/null)
  [ -z "$stray" ] || fail "icons not named after the application id: $stray"

  # The software-centre data: no issue at all, pedantic ones included, and tied to the entry.
  # AppStream before 1.0 does not know the <developer> tag that 1.0 requires, and says so as an
  # info; that one line is expected there and nothing else is.
  if [ -f "$metainfo" ]; then
    local report expected='^$'
    appstreamcli --version | grep -q 'version: 0\.' && expected='^I: .*unknown-tag developer$'
    report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
      fail "appstreamcli rejects the metainfo"
    if grep -v "$expected" <<<"$report" | grep -q '^[EWIP]: '; then
      fail "appstreamcli reports issues"
    fi
    echo "$report"
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
      fail "metainfo does not launch $id.desktop"
    python3 "$here/check-store-page.py" "$metainfo" "$here/../.." || fail "the store page falls short"
  else
    fail "no metainfo at $datadir/metainfo/$id.metainfo.xml"
  fi

  # The manual pages, English and French (man -L fr).
  check_manpage "$root" "$mandir/man6/tierce.6.gz" NAME SYNOPSIS DESCRIPTION 'HOW TO PLAY' FILES \
    AUTHOR
  check_manpage "$root" "$mandir/fr/man6/tierce.6.gz" NOM SYNOPSIS DESCRIPTION 'COMMENT JOUER' \
    FICHIERS AUTEUR
}
