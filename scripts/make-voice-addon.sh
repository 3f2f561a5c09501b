#!/usr/bin/env bash
# Builds a voice add-on for the voice keys: the 36 key sounds (a.wav .. z.wav,
# 0.wav .. 9.wav), the marker on.dll and the version line ver.dll, spoken by
# espeak-ng (its Mandarin voice, letters read as English) and trimmed and
# normalised with sox. Install the folder as tools\yy beside Vantrel.exe.
#
#   scripts/make-voice-addon.sh DEST     (default build/voice/yy)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=${1:-"$root/build/voice/yy"}
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

voice=cmn
espeak-ng --voices=cmn 2>/dev/null | grep -q ' cmn ' || voice=en

# Speaks text $2 into $dest/$1.wav: 22.05 kHz mono 16-bit, leading and
# trailing silence cut, peak at -1 dB, a short fade so cut-offs do not click.
speak() {
    espeak-ng -v "$voice" -s 170 -w "$work/raw.wav" "$2"
    sox "$work/raw.wav" -r 22050 -c 1 -b 16 "$dest/$1.wav" \
        silence 1 0.01 1% reverse silence 1 0.01 1% reverse norm -1
    sox "$dest/$1.wav" "$work/faded.wav" fade t 0.005 -0 0.02
    mv "$work/faded.wav" "$dest/$1.wav"
}

for letter in {a..z}; do
    speak "$letter" "${letter^^}"
done
digits=(零 一 二 三 四 五 六 七 八 九)
for d in {0..9}; do
    if [[ $voice == cmn ]]; then speak "$d" "${digits[d]}"; else speak "$d" "$d"; fi
done

# The marker's content does not matter; the version line is GBK with CR LF.
printf 'Vantrel voice add-on\r\n' >"$dest/on.dll"
printf '1.0,%s\r\n' "$(espeak-ng --version | grep -o '[0-9][0-9.]*' | head -n1)" >"$dest/ver.dll"
echo "$dest"
