# The RTF documents the command-line tool makes for the people and settings
# that reports.e2e types into Vek.exe: the program must write the same bytes.
set -euo pipefail
vek="$E2E_ROOT/build/native/cli/vek"
out="$E2E_WORK/expected"
mkdir -p "$out"
export VEK_DATA_DIR="$E2E_WORK/vek-data"
mkdir -p "$VEK_DATA_DIR"
archive=(--archive "$E2E_DATA/Text_English.arc")
maria=(--birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria --current-last Torres
       --born 5/15/1949)
juan=(--second-birth-first Juan --second-birth-middle Carlos --second-birth-last Lopez --second-current-first Juan
      --second-current-last Lopez --second-born 2/29/1948)
month=$(date +%-m) year=$(date +%Y)
last_month=$(( (month + 10) % 12 + 1 )) last_year=$(( month == 1 ? year : year + 1 ))
report() { "$vek" report "${archive[@]}" "$@" >/dev/null; }
report --type profile "${maria[@]}" --rtf "$out/profile.rtf"
report --type short "${maria[@]}" --rtf "$out/short.rtf"
report --type chart-calculator "${maria[@]}" --rtf "$out/chart-calculator.rtf"
# By then the Lucky Numbers' time ranges were confirmed and kept: their twelve
# months are the compatibility report's Personal Months too.
report --type compatibility "${maria[@]}" "${juan[@]}" --months "$month/$year-$last_month/$last_year" \
  --rtf "$out/compatibility.rtf"
report --type lucky "${maria[@]}" --daily --months "$month/$year-$last_month/$last_year" --rtf "$out/lucky.rtf"
report --type diamond "${maria[@]}" --age 30 --rtf "$out/diamond.rtf"
report --type name "${maria[@]}" --phrase 1 "Sunrise Bakery" --phrase 2 "Maria Torres" --rtf "$out/name.rtf"
report --type everyday --address "12 Oak Street" --phone 5551234 --nine-digits 123456789 --rtf "$out/everyday.rtf"
