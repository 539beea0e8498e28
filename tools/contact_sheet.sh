#!/usr/bin/env bash
# Builds docs/contact-sheet.png: every image the generator draws, labelled,
# at the scale the game draws it, plus mock-ups of the play field and the
# title screen put together from the same art.
#   tools/contact_sheet.sh BUILD_DIR [OUT.png]
# BUILD_DIR is a configured build with crownlift_assetgen built; needs
# ImageMagick and the DejaVu fonts.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?usage: tools/contact_sheet.sh BUILD_DIR [OUT.png]}
out=${2:-$root/docs/contact-sheet.png}
gen="$build/tools/crownlift_assetgen"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$gen" "$work/Files"
"$gen" --preview "$work/preview"
G="$work/Files/270" C="$work/Files/Common"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
bg='#1b1d2e'

# tile NAME IMAGE SCALE% LABEL [crop]: the image on the sheet colour, scaled
# smoothly like a filtered sprite, with its label underneath.
tile() {
  local name=$1 image=$2 scale=$3 label=$4 crop=${5:-}
  local src="$image"
  if [ -n "$crop" ]; then convert "$image" -crop "$crop" +repage "$work/crop-$name.png"; src="$work/crop-$name.png"; fi
  convert "$src" -background "$bg" -flatten -filter triangle -resize "$scale%" \
    \( -background "$bg" -fill '#d8dcf0' -font "$font" -pointsize 15 label:"$label" \) \
    -gravity center -append -bordercolor "$bg" -border 10 "$work/tile-$name.png"
}
heading() {
  convert -background "$bg" -fill '#ffd75a' -font "$bold" -pointsize 22 label:"$1" \
    -bordercolor "$bg" -border 10 "$work/head-$2.png"
}

tile royals "$G/folk.png" 200 "folk.png cells 0-4 king, 10-14 queen (x2)" 160x64+0+0
tile wockit "$G/wockit.png" 200 "wockit.png (x2)"
tile grip "$G/grip.png" 200 "grip.png (x2)"
tile stick "$G/stick.png" 200 "stick.png (x2)"
tile smashb "$G/smashb.png" 200 "smashb.png (x2, tinted in play)"
tile smash "$G/smash.png" 400 "smash.png (x4, tinted in play)"
tile top "$G/top.png" 200 "top.png terrain row tile (x2, tinted per row)"
tile bot "$G/bot.png" 200 "bot.png ground strip tile (x2)"
tile badges "$G/badges.png" 100 "badges.png (16 cells, x1)"
tile icons "$C/icons.png" 300 "icons.png (64 cells, x3)"
tile logo "$G/logo.png" 100 "logo.png (x1)"
tile pack "$C/logopack.png" 100 "logopack.png (x1)"
tile site "$C/Brasslane.png" 100 "Brasslane.png (x1)"
tile play "$work/preview/play.png" 50 "mock-up: one frame of play, 1280 x 960 shown at half size"
tile menu "$work/preview/menu.png" 50 "mock-up: title logo and the two small logos on the menu backdrop (half size)"
heading "Crownlift: generated art (tools/assetgen)" title
heading "Play sprites, drawn at scale 2" play
heading "Engine art" engine
heading "Put together" together

T="$work/tile"
convert -background "$bg" \
  "$work/head-title.png" "$work/head-play.png" \
  \( "$T-royals.png" "$T-wockit.png" "$T-grip.png" "$T-smashb.png" "$T-smash.png" "$T-stick.png" -gravity south +append \) \
  \( "$T-top.png" "$T-bot.png" -gravity south +append \) \
  "$work/head-engine.png" \
  \( "$T-logo.png" \( "$T-pack.png" "$T-site.png" +append \) -gravity center -append \) \
  \( "$T-icons.png" "$T-badges.png" -gravity center +append \) \
  "$work/head-together.png" \
  \( "$T-play.png" "$T-menu.png" +append \) \
  -gravity northwest -append -bordercolor "$bg" -border 12 +repage -depth 8 "$out"
echo "wrote $out"
