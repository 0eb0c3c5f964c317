#!/usr/bin/env bash
# fudemaru-inspect check on the built Data folder and on copies of it, each broken one way:
# the sound folder prints nothing on standard error and exits 0; each broken one prints one line
# per file that failed to load (or loaded in part), naming it, and exits 1.
# Usage: check-broken-data.sh INSPECT DATA_DIR
set -u
inspect=$1; data=$(realpath "$2")
work=$(mktemp -d)
# A player's folder of its own: what the game saves here no other test reads.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
trap 'rm -rf "$work"' EXIT
failed=0

# A copy of the Data folder made of links, with the named entries as folders of links instead,
# so that a case can change one file inside them.
fresh() {
  rm -rf "$work/Data"
  mkdir "$work/Data"
  for entry in "$data"/*; do ln -s "$entry" "$work/Data/"; done
  for dir in "$@"; do
    rm "$work/Data/$dir"
    mkdir "$work/Data/$dir"
    for entry in "$data/$dir"/*; do ln -s "$entry" "$work/Data/$dir/"; done
  done
}

# check NAME WANT...: each WANT is the start of one line after "Fudemaru: "; no other line.
check() {
  local name=$1; shift
  local err out status
  out=$("$inspect" --data "$work/Data" check 2>"$work/err")
  status=$?
  err=$(cat "$work/err")
  local ok=1
  [ "$status" -eq $(( $# > 0 ? 1 : 0 )) ] || { echo "  exit code $status"; ok=0; }
  [ "$out" = "{\"problems\":$#}" ] || { echo "  printed $out"; ok=0; }
  [ "$(grep -c . <<<"$err")" -eq $# ] || ok=0
  for want in "$@"; do
    grep -qF -- "Fudemaru: $want" <<<"$err" || { echo "  no line 'Fudemaru: $want'"; ok=0; }
  done
  if [ $ok -eq 1 ]; then
    echo "ok: $name"
  else
    echo "FAIL: $name"; sed 's/^/  | /' <<<"$err"; failed=1
  fi
}

fresh
check "the built data"

fresh; rm "$work/Data/Fonts"
check "no Fonts folder" "Data/Fonts/xtal-14.bdf: cannot be opened (No such file or directory)" \
  "Data/Fonts/xtal-12.bdf: cannot be opened" "Data/Fonts/jis48.fnt: cannot be opened" "Data/Fonts/kijis16.fnt: cannot be opened"

fresh Languages; rm "$work/Data/Languages/Language01.bin"
check "a language missing" "Data/Languages/Language01.bin: cannot be opened (No such file or directory)"

fresh Languages; rm "$work/Data/Languages/Language02.bin"
head -c 600 "$data/Languages/Language02.bin" > "$work/Data/Languages/Language02.bin"
check "a language cut" "Data/Languages/Language02.bin: is cut or corrupt: string"

fresh; rm "$work/Data/kanjidic"
check "no kanjidic" "Data/kanjidic: cannot be opened (No such file or directory)"

fresh; rm "$work/Data/kanjidic"; : > "$work/Data/kanjidic"
check "an empty kanjidic" "Data/kanjidic: is empty"

fresh; rm "$work/Data/kanjidic"
awk 'BEGIN { srand(7); for (i = 0; i < 20000; i++) printf "%c", int(rand() * 256) }' > "$work/Data/kanjidic"
check "random bytes as kanjidic" "Data/kanjidic: is no KANJIDIC file"

fresh; rm "$work/Data/words"
check "no words" "Data/words: cannot be opened (No such file or directory)"

fresh; rm "$work/Data/meanings"; printf 'FudemaruMeanings 1\n\306\374\tjour\n' > "$work/Data/meanings"
check "a meanings line short of its fields" "Data/meanings: has a line that is not a kanji and three tab-separated fields, at byte 19"

fresh; rm "$work/Data/FudemaruStroke.db"
head -c $(( $(stat -L -c %s "$data/FudemaruStroke.db") * 2 / 3 )) "$data/FudemaruStroke.db" > "$work/Data/FudemaruStroke.db"
check "a stroke database cut" "Data/FudemaruStroke.db: element record"

# Every list of the file is gone, "Grade 1" among them.
fresh KanjiList; rm "$work/Data/KanjiList/Lists.xml"
line=$(grep -n -m1 '<KanjiList ' "$data/KanjiList/Lists.xml" | cut -d: -f1)
sed "${line}s/<KanjiList /<KanjiList Name=\"Broken\" Name=\"Twice\" /" "$data/KanjiList/Lists.xml" > "$work/Data/KanjiList/Lists.xml"
check "Lists.xml malformed" "Data/KanjiList/Lists.xml: line $line, column" \
  "Data/config.xml: StartupList \"Grade 1\" names no kanji list"

fresh KanjiList
printf '<KanjiList Name="Ping" Source="Pong"/>\n<KanjiList Name="Pong" Source="Ping"/>\n' > "$work/Data/KanjiList/Loop.xml"
check "a Source loop" "Data/KanjiList/Loop.xml: list \"Pong\": its Source \"Ping\" leads back" \
  "Data/KanjiList/Loop.xml: list \"Ping\": its Source \"Pong\" leads back"

fresh; rm "$work/Data/config.xml"
printf '<Config Lang="En" StartupList="Grade 7" QuizCardCount="10"/>\n' > "$work/Data/config.xml"
check "a start-up list that does not exist" "Data/config.xml: StartupList \"Grade 7\" names no kanji list; the lists are: \"Days of the week\", \"Numbers\""

# Text lists fill the table first: the last XML list is left out, and the lists drawn from it
# start from the whole dictionary.
fresh KanjiList
for i in $(seq 47); do printf '\xff\xfe\x00\x4e' > "$work/Data/KanjiList/Extra$i.txt"; done
check "more than 64 lists" "Data/KanjiList/: 65 lists found, only the first 64 are kept: text lists first, then the XML lists in file order; left out: \"All kanji\"" \
  "Data/KanjiList/Lists.xml: list \"Frequency 1-500\": its Source \"All kanji\" names no list" \
  "Data/KanjiList/Lists.xml: list \"Frequency 501-1000\": its Source \"All kanji\" names no list" \
  "Data/KanjiList/Lists.xml: list \"Frequency 1001-2500\": its Source \"All kanji\" names no list"

fresh; rm "$work/Data/config.xml"
awk 'BEGIN { srand(3); for (i = 0; i < 300; i++) printf "%c", int(rand() * 256) }' > "$work/Data/config.xml"
check "random bytes as config.xml" "Data/config.xml: "

fresh Themes; rm "$work/Data/Themes/Default"; mkdir -p "$work/Data/Themes/Default"
for entry in "$data/Themes/Default"/*; do ln -s "$entry" "$work/Data/Themes/Default/"; done
rm "$work/Data/Themes/Default/Background"; mkdir "$work/Data/Themes/Default/Background"
ln -s "$data/Themes/Default/Background/FondIntro.png" "$work/Data/Themes/Default/Background/"
printf 'not a picture' > "$work/Data/Themes/Default/Background/FondEcran.png"
check "a background that is no PNG" "Data/Themes/Default/Background/FondEcran.png: is no PNG picture"

# The player's own folder, in the scratch home: lists shows their lists with their own file, check
# reads their config.xml and their lists too and names a broken one by its full path.
mkdir -p "$XDG_CONFIG_HOME/fudemaru" "$XDG_DATA_HOME/fudemaru/KanjiList"
fresh
printf '<KanjiList Name="Mine" Source="Grade 1" Max="2"/>\n' > "$XDG_DATA_HOME/fudemaru/KanjiList/Mine.xml"
printf '<Config Lang="Fr"/>\n' > "$XDG_CONFIG_HOME/fudemaru/config.xml"
last=$("$inspect" --data "$work/Data" lists | tail -n1)
case $last in
  *'"name":"Mine","type":1,"file":"'"$XDG_DATA_HOME"'/fudemaru/KanjiList/Mine.xml","names":["Mine","Mine","Mine"]}')
    echo "ok: lists shows the player's list, with its one name" ;;
  *) echo "FAIL: lists ends with $last"; failed=1 ;;
esac
check "the player's sound files"
printf '<KanjiList Name="Mine" Source="Grade 1"\n' > "$XDG_DATA_HOME/fudemaru/KanjiList/Mine.xml"
printf '<Config Lang="Fr" QuizCardCount="many"/>\n' > "$XDG_CONFIG_HOME/fudemaru/config.xml"
check "the player's broken files" "$XDG_DATA_HOME/fudemaru/KanjiList/Mine.xml: line 1, column" \
  "$XDG_CONFIG_HOME/fudemaru/config.xml: QuizCardCount \"many\" is no whole number; a quiz round deals 10 cards"

exit $failed
