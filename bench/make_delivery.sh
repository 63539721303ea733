#!/usr/bin/env bash
# Builds an earthquake delivery as NIED hands one out, from the sample
# record: OUT.tar holding EVENT.knt.tar.gz (K-NET stations: X.NS X.EW X.UD
# and a waveform plot X.NS.ps.gz each) and EVENT.kik.tar.gz (KiK-net
# stations: X.NS1 ... X.UD2), beside an img/ folder. The stations lie on a
# spiral around the epicentre, and their counts-to-gal factor falls with
# distance, so that intensities range from strong near the epicentre to
# weak far away.
#   bench/make_delivery.sh OUT.tar RECORDS [gz|zst|bz2|xz] [SECONDS]
# RECORDS is the number of records (a KiK-net station gives two); the third
# argument compresses the two archives inside (gz, as NIED does, by default;
# zst as the zstd program writes it, with its checksum). SECONDS, a multiple
# of the sample's 60 s, lengthens every record: the sample's data lines
# repeated, its Duration Time stated accordingly.
set -euo pipefail
out=$1
records=${2:-1000}
compression=${3:-gz}
seconds=${4:-60}
case $compression in
  gz) compress=(gzip -n) ;;
  zst) compress=(zstd -q -c) ;;
  bz2) compress=(bzip2 -c) ;;
  xz) compress=(xz -c) ;;
  *) echo "unknown compression: $compression" >&2; exit 64 ;;
esac
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ] || [ $((seconds % 60)) -ne 0 ]; then
  echo "SECONDS must be a positive multiple of 60: $seconds" >&2; exit 64
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
sample="$root/samples/knet/AIC0012411051012"
event=20241105101200
stamp=2411051012  # in the file names: YYMMDDHHMM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/knt" "$work/kik" "$work/img"

# station NUMBER FOLDER CODE EXTENSIONS...: one station's files, rewritten
# from the sample's with the code, a place on the spiral and the factor.
station() {
  local n=$1 folder=$2 code=$3
  shift 3
  local i=0
  for ext in "$@"; do
    local component=${ext:0:2}
    awk -v n="$n" -v code="$code" -v total="$records" -v repeats=$((seconds / 60)) '
      BEGIN {
        angle = n * 2.39996; radius = 0.05 + 4.0 * sqrt(n / total)
        lat = 34.512 + radius * sin(angle); lon = 136.874 + radius * cos(angle) / 0.82
        denominator = int(6182761 * (0.6 + radius * radius * 2.0)) }
      NR == 6 { printf "Station Code      %s\n", code; next }
      NR == 7 { printf "Station Lat.      %.4f\n", lat; next }
      NR == 8 { printf "Station Long.     %.4f\n", lon; next }
      NR == 14 { printf "Scale Factor      3920(gal)/%d\n", denominator; next }
      # The same counts over another factor: the maximum acceleration with them.
      NR == 15 { printf "Max. Acc. (gal)   %.3f\n", $4 * 6182761 / denominator; next }
      NR == 12 { printf "Duration Time(s)  %d\n", 60 * repeats; next }
      NR <= 17 { print; next }
      { data[++lines] = $0 }
      END { for (r = 0; r < repeats; ++r) for (i = 1; i <= lines; ++i) print data[i] }' "$sample.${component^^}" > "$folder/$code$stamp.$ext"
    i=$((i + 1))
  done
}

n=0
kik=$((records / 6))
knet=$((records - 2 * kik))
for s in $(seq 1 "$knet"); do
  n=$((n + 1))
  code=$(printf 'KN%04d' "$s")
  station "$n" "$work/knt" "$code" NS EW UD
  printf 'plot' | gzip > "$work/knt/$code$stamp.NS.ps.gz"
done
for s in $(seq 1 "$kik"); do
  n=$((n + 1))
  code=$(printf 'KK%04d' "$s")
  station "$n" "$work/kik" "$code" NS1 EW1 UD1 NS2 EW2 UD2
done
printf 'picture' > "$work/img/$event.png"
(cd "$work/knt" && tar cf - --sort=name *) | "${compress[@]}" > "$work/$event.knt.tar.$compression"
(cd "$work/kik" && tar cf - --sort=name *) | "${compress[@]}" > "$work/$event.kik.tar.$compression"
(cd "$work" && tar cf out.tar "$event.knt.tar.$compression" "$event.kik.tar.$compression" img)
mv "$work/out.tar" "$out"
echo "$out: $knet K-NET and $kik KiK-net stations ($((knet + 2 * kik)) records of $seconds s)"
