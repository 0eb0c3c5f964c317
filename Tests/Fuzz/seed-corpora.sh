#!/usr/bin/env bash
# Fills OUT/<harness>/ with seed inputs: the real files of the Data folder (cut where they are
# large), small fixtures written here, and the PNG seeds PNG_SEEDS writes. Existing corpora are
# kept: the fuzzers add to them.
# Usage: seed-corpora.sh DATA_DIR OUT_DIR PNG_SEEDS
set -euo pipefail
data=$1
out=$2
png_seeds=$3
for h in dictionary kanjitexts stroke kanjilist font-bdf font-bin strings png config; do mkdir -p "$out/$h"; done

# Dictionary: short runs of real records behind the comment line. The first and the last kanji
# bound the records the loader makes: runs of neighbours keep each try small and quick.
if [ -f "$data/kanjidic" ]; then
  for start in 2 700 2000 4500; do
    sed -n "1p; ${start},$((start + 7))p" "$data/kanjidic" > "$out/dictionary/run$start"
  done
fi
printf '# x\n\xb0\xa1 3021 U4e9c N43 B1 C7 G8 S7 F1509 P4-7-1 DB4.3 \xa5\xa2 \xa4\xa2.\xa4\xb8 {Asia} {rank next}\n\xb0\xa2 3022 U5516 B30 S12 \xa5\xa2\n' \
  > "$out/dictionary/two"

# Meanings and words: the first lines of the real files, a kanji of each.
for f in meanings words; do
  [ -f "$data/$f" ] && head -n 40 "$data/$f" > "$out/kanjitexts/$f"
done
printf 'FudemaruMeanings 1\n\xc6\xfc\tjour;soleil\t\tdia\n\xb0\xa1\t;;a\t\t' > "$out/kanjitexts/two-meanings"
printf 'FudemaruWords 1\n\xc6\xfc\t\xc6\xfc\xcb\xdc\t\xa4\xcb\xa4\xdb\xa4\xf3\tJapan\n\xb0\xa1\ta\tb\tc' > "$out/kanjitexts/two-words"

# Stroke database: a single glyph of two strokes (a line, a curve) and a compound of it.
printf '\x00\x02\xb0\xa1\x00\x01\xb1\xca\x00\x02\x00\x00\x00\x00\x00\x02'\
'\x00\x01\x01\x00\x00''S\x6d\x6d\x00\x02'\
'\x02M\x01\x00\x02\x00L\x30\x00\x30\x00'\
'\x02M\x10\x00\x10\x00C\x20\x00\x00\x10\x30\x00\x20\x00\x40\x00\x40\x00'\
'\x00\x02\x01\x01\x00\x00\x01''C\x6d\x6d\x00\x01\x00\x00\x00\x00\x00\x36\x00\x6d'\
'\xff\xff\xff\xff' > "$out/stroke/two"

# Kanji lists: the real ones, and text lists of the fuzz dictionary's first kanji in both byte orders.
[ -d "$data/KanjiList" ] && cp "$data/KanjiList/"* "$out/kanjilist/"
printf '\xff\xfe\x00\x4e\x01\x4e\x0a\x00\x05\x4e' > "$out/kanjilist/le.txt"
printf '\xfe\xff\x4e\x00\x4e\x01\x00\x0d\x00\x0a\x4e\x05' > "$out/kanjilist/be.txt"
printf '<KanjiList Name="A" Min="2" Max="40"><Filter Index="G" Min="2" Max="5"/><Sort Index="S"/><Sort Index="F" Order="Desc"/></KanjiList><KanjiList Name="B" Source="a"><Filter Index="s" Value="3"/></KanjiList>' \
  > "$out/kanjilist/query.xml"

# Fonts: the real Latin font, a one-glyph font, and the first 64 glyphs of each fixed-cell font
# behind the five bytes that describe it (width, height, first code, bit order).
[ -f "$data/Fonts/xtal-14.bdf" ] && cp "$data/Fonts/xtal-14.bdf" "$out/font-bdf/"
printf 'STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 -2\nSTARTCHAR A\nENCODING 65\nDWIDTH 8 0\nBBX 8 2 0 0\nBITMAP\nFF\n81\nENDCHAR\nENDFONT\n' \
  > "$out/font-bdf/one"
if [ -f "$data/Fonts/kijis16.fnt" ]; then
  { printf '\x10\x10\x00\x00\x00'; head -c $((64 * 32)) "$data/Fonts/kijis16.fnt"; } > "$out/font-bin/kijis16"
  { printf '\x30\x30\x05\x82\x01'; head -c $((16 * 288)) "$data/Fonts/jis48.fnt"; } > "$out/font-bin/jis48"
fi
{ printf '\x08\x08\x00\x00\x00'; head -c 2048 /dev/zero | tr '\0' '\377'; } > "$out/font-bin/block8"

[ -d "$data/Languages" ] && cp "$data/Languages/"*.bin "$out/strings/"
printf '\x02\x00\x00\x00\x0c\x00\x00\x00\x0e\x00\x00\x00A\x00B\x00' > "$out/strings/two"

# Pictures: the small theme pieces (the backgrounds are too large to mutate quickly), and a small
# picture of every colour type, depth, transparency and interlacing.
[ -d "$data/Themes" ] && find "$data/Themes" -name '*.png' -size -4k -exec cp -t "$out/png/" {} +
"$png_seeds" "$out/png"

[ -f "$data/config.xml" ] && cp "$data/config.xml" "$out/config/"
printf '<Config Lang="fr" StartupList="Grade 1" QuizCardCount="300"/>' > "$out/config/short.xml"
exit 0
