# After print.e2e: waits for the CUPS server to finish its jobs, stops it,
# moves the PDF files cups-pdf wrote (into the PDF folder of the home of
# the user who printed) to the results as whole.pdf and pages-3-5.pdf, and
# checks them against what printer_pages.exe computed (E2E_WORK/expected):
# the page count, "Page n" in the footer area of every page from the body
# on and nothing there before it, and each contents entry's heading on the
# page the contents give it. page-N.png is one printed page as a picture.
set -euo pipefail
state="$(cat "$E2E_WORK/cups-state")"
export CUPS_SERVER="$state/cups.sock"
pdf_folder="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"

# The jobs end once cups-pdf has written its files.
for _ in $(seq 600); do
  [ -z "$(lpstat -o 2>/dev/null)" ] && break
  sleep 0.1
done
lpstat -W completed -o || true
kill "$(cat "$state/cupsd.pid")"
for _ in $(seq 100); do kill -0 "$(cat "$state/cupsd.pid")" 2>/dev/null || break; sleep 0.1; done

# cups-pdf names a file after the job's title and number ("...job_7.pdf").
mapfile -t printed < <(find "$pdf_folder" -maxdepth 1 -name 'VEK*Report*.pdf' -newer "$state/started" 2>/dev/null |
                         sed -E 's/^(.*job_([0-9]+)[^/]*)$/\2 \1/' | sort -n | cut -d' ' -f2-)
for file in "${printed[@]}"; do mv "$file" "$E2E_RESULTS/"; done
cp "$state/log/error_log" "$E2E_RESULTS/cups-error_log" 2>/dev/null || true
rm -rf "$state"
# A script that failed has said why; there is nothing more to check.
[ "$E2E_STATUS" -eq 0 ] || exit 0

[ "${#printed[@]}" -eq 2 ] || { echo "expected two PDF files in $pdf_folder, found ${#printed[@]}" >&2; exit 1; }
whole="$E2E_RESULTS/whole.pdf" part="$E2E_RESULTS/pages-3-5.pdf"
mv "$E2E_RESULTS/$(basename "${printed[0]}")" "$whole"
mv "$E2E_RESULTS/$(basename "${printed[1]}")" "$part"

expected="$E2E_WORK/expected"
pages=$(sed -n 's/^pages //p' "$expected")
page_count() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
echo "whole copy: $(page_count "$whole") pages, the printer layout $pages"
[ "$(page_count "$whole")" -eq "$pages" ]
range_pages=$(( (pages < 5 ? pages : 5) - 3 + 1 ))
echo "pages 3 to 5: $(page_count "$part") pages, expected $range_pages"
[ "$(page_count "$part")" -eq "$range_pages" ]

# The footer area, 10 in to 10.5 in from the top, with a margin; the text
# area ends at 9.5 in.
footer_of() { pdftotext -f "$2" -l "$2" -x 0 -y 700 -W 612 -H 80 "$1" - | tr -d '\f' | sed '/^[[:space:]]*$/d'; }
check_footer() {
  local file="$1" printed_page="$2" page="$3" seen
  seen="$(footer_of "$file" "$printed_page")"
  if grep -qx "footer $page" "$expected"; then
    [ "$seen" = "Page $page" ] || { echo "$(basename "$file") page $printed_page: footer \"$seen\", not \"Page $page\"" >&2; exit 1; }
  else
    [ -z "$seen" ] || { echo "$(basename "$file") page $printed_page: a footer \"$seen\" before the body" >&2; exit 1; }
  fi
}
for page in $(seq 1 "$pages"); do check_footer "$whole" "$page" "$page"; done
for printed_page in $(seq 1 "$range_pages"); do check_footer "$part" "$printed_page" $((printed_page + 2)); done
first_body_page=$(sed -n 's/^footer //p' "$expected" | head -1)
echo "footers: \"Page n\" on $(grep -c '^footer' "$expected") pages, from page $first_body_page"

# Each heading stands on the page its contents entry names; the contents
# (the pages before the body) show that number after the entry.
contents="$(pdftotext -layout -l $((first_body_page - 1)) "$whole" -)"
while read -r _ page text; do
  pdftotext -f "$page" -l "$page" "$whole" - | grep -qF -- "$text" ||
    { echo "the heading \"$text\" is not on page $page" >&2; exit 1; }
  grep -qE -- "$(printf '%s' "$text" | sed 's/[][\.*^$/]/\\&/g')[[:space:]]+$page\$" <<<"$contents" ||
    { echo "the contents don't give \"$text\" page $page" >&2; exit 1; }
done < <(grep '^heading ' "$expected")
echo "headings: $(grep -c '^heading ' "$expected") on the pages the contents give"

# One body page as a picture, to look at.
pdftoppm -f 5 -l 5 -r 60 -png "$whole" "$E2E_RESULTS/page"
ls "$E2E_RESULTS"
