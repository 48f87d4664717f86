#!/bin/sh
# Draws the program's own pictures with ImageMagick: the 31 mod logos (65 x 65 tiles with the
# mod's short label), the About picture (300 x 225) and the "no picture" stand-in for models
# without a picture. The outputs are committed; run this again only to change the drawings. The
# build packs the logos and the About picture into the program's resources itself
# (tools/pack_picture), in the pixel format the program paints from.
set -eu
cd "$(dirname "$0")/.."

command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

FONT=DejaVu-Sans-Bold
# No timestamps in the files, so a re-run gives the same bytes.
STRIP="-strip -define png:exclude-chunks=date,time -depth 8 -define png:compression-level=0"

mkdir -p ui/logos ui/about data/models

# key|label, in the main window's order; the hue of each tile steps by the golden angle, so
# tiles that often stand side by side never look alike.
LOGOS='Action|AHL
Botm|BotM
CStrike|CS
Darkmatch|Dark
Dod|DoD
DMC|DMC
DragonmodZ|DMZ
ESForces|ESF
Existence|EX
EFMatch|EFM
Firearms|FA
Frontline|FLF
Gangstawars|GW
Gathering|TG
GlobalWarfare|GWF
Goldeneye|GE
Deathmatch|HLDM
Holywars|HW
Judgedm|JDM
Opera|OPR
Op4|OP4
Palisade|PAL
Rocket|RC
Scihunt|SH
Snark_wars|SNW
SVInstaGib|SVIG
TFC|TFC
VS|VS
Wantedhl|W!
Wizwars|WW
WormsHL|WHL'

i=0
printf '%s\n' "$LOGOS" | while IFS='|' read -r key label; do
    # Alternate two lightness levels so neighbouring hues still look apart.
    hue=$(( i * 137 % 360 ))
    if [ $(( i % 2 )) -eq 0 ]; then light=38; else light=30; fi
    case ${#label} in
        1|2) size=28 ;;
        3)   size=22 ;;
        *)   size=16 ;;
    esac
    convert -size 65x65 xc:none \
        -fill "hsl($hue,60%,$light%)" -stroke "hsl($hue,50%,70%)" -strokewidth 2 \
        -draw "roundrectangle 2,2 62,62 9,9" \
        -stroke none -fill "hsla($hue,60%,80%,0.25)" -draw "roundrectangle 6,6 58,30 6,6" \
        -font "$FONT" -pointsize "$size" -fill white -gravity center -annotate +0+1 "$label" \
        $STRIP "PNG32:ui/logos/$key.png"
    i=$(( i + 1 ))
done

# The About picture: the name on a dusk gradient; the lower third stays calm for the texts that
# the About window lays over it.
convert -size 300x225 gradient:'#1d2b45'-'#6a4a3c' \
    -fill 'rgba(255,255,255,0.06)' -draw "circle 250,40 250,150" \
    -fill 'rgba(255,255,255,0.05)' -draw "circle 40,200 40,260" \
    -font "$FONT" -pointsize 46 -fill '#00000066' -gravity north -annotate +2+44 'Qorvane' \
    -fill '#f2ecda' -annotate +0+42 'Qorvane' \
    -font DejaVu-Sans -pointsize 13 -fill '#d2ac93' -annotate +0+104 'Half-Life games with bots' \
    -stroke '#d2ac93' -strokewidth 1 -draw "line 70,128 230,128" \
    $STRIP PNG24:ui/about/about.png

# The stand-in for a model without a picture of its own, at the size of the preview's image.
convert -size 164x200 xc:'#8f8f8f' \
    -fill '#a6a6a6' -draw "circle 82,62 82,92" -draw "roundrectangle 42,100 122,190 20,20" \
    -font "$FONT" -pointsize 16 -fill '#303030' -gravity center -annotate +0+0 'no picture' \
    -strip -quality 90 data/models/nopic.jpg

# The class and character pictures of the mods whose bots pick from a fixed list stored as a
# number (Wizard Wars, Battle of the Millennium, Dragon Mod Z): <mod folder>/<number>.jpg, the
# mod's name above a plain figure and the class below it, each class in a hue of its own.
# folder|title|names separated by commas, in the mod's order (item k is picture k + 1)
CLASSES='Wizwars|Wizard Wars|Healer,Pyromancer,Aquamancer,Nature,Voltamancer,Necromancer,Geomancer,Aeromancer,Dracomancer
Botm|BotM|Goku,Vegeta,Gohan,Piccolo,Trunks,Cell,< Random >
DragonmodZ|Dragon Mod Z|Goku,Vegeta,Gohan,Piccolo,Trunks,Krillin,Frieza,Cell,Buu,Android 18'
printf '%s\n' "$CLASSES" | while IFS='|' read -r folder title names; do
    mkdir -p "data/models/$folder"
    n=1
    printf '%s\n' "$names" | tr ',' '\n' | while read -r name; do
        hue=$(( (n * 137 + ${#folder} * 29) % 360 ))
        convert -size 164x200 xc:"hsl($hue,35%,26%)" \
            -fill "hsl($hue,45%,58%)" -draw "circle 82,62 82,92" -draw "roundrectangle 42,100 122,172 20,20" \
            -font "$FONT" -pointsize 13 -fill white -gravity north -annotate +0+6 "$title" \
            -pointsize 14 -gravity south -annotate +0+6 "$name" \
            -strip -quality 90 "data/models/$folder/$n.jpg"
        n=$(( n + 1 ))
    done
done

echo "images written"
