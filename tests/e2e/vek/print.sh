# A printer that writes PDF files for print.e2e: a CUPS server of the test's
# own (its state in a fresh folder under /tmp, listening on a socket there,
# which E2E_WORK/environment hands to the program as CUPS_SERVER) with one
# queue through cups-pdf, the server's default, which Wine shows as the
# default printer. Then what the printed report must hold, laid out for that
# printer by printer_pages.exe: E2E_WORK/expected. print.after.sh stops the
# server and checks the PDF files.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "print.e2e runs a CUPS server of its own, which needs root" >&2; exit 1; }
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for need in cupsd lpadmin lpstat "$ppd" /usr/lib/cups/backend/cups-pdf; do
  command -v "$need" >/dev/null || [ -e "$need" ] ||
    { echo "print.e2e needs $need (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

state="$(mktemp -d /tmp/tamsi-cups.XXXXXX)"
chmod 755 "$state"
echo "$state" >"$E2E_WORK/cups-state"
socket="$state/cups.sock"
mkdir -p "$state/conf" "$state/spool/tmp" "$state/cache" "$state/state" "$state/log"
cat >"$state/conf/cups-files.conf" <<CONF
ServerRoot $state/conf
RequestRoot $state/spool
TempDir $state/spool/tmp
CacheDir $state/cache
StateDir $state/state
ErrorLog $state/log/error_log
AccessLog $state/log/access_log
PageLog $state/log/page_log
Printcap $state/printcap
User lp
Group lp
SystemGroup root
CONF
cat >"$state/conf/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF

# The server outlives this script; print.after.sh ends it by its process id.
setsid cupsd -f -c "$state/conf/cupsd.conf" -s "$state/conf/cups-files.conf" </dev/null \
  >"$state/log/cupsd.out" 2>&1 &
echo $! >"$state/cupsd.pid"
stop_server() { kill "$(cat "$state/cupsd.pid")" 2>/dev/null || true; rm -rf "$state"; }
trap 'stop_server' ERR

export CUPS_SERVER="$socket"
running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
for _ in $(seq 100); do running && break; sleep 0.1; done
running || { echo "the CUPS server did not start:" >&2; cat "$state/log/cupsd.out" "$state/log/error_log" >&2; false; }
# (lpadmin warns that printer drivers are deprecated; the queue works.)
if ! lpadmin -p TamsiPDF -E -v cups-pdf:/ -P "$ppd" 2>"$state/log/lpadmin.err"; then
  cat "$state/log/lpadmin.err" >&2
  false
fi
lpadmin -d TamsiPDF
lpstat -p TamsiPDF -d
echo "CUPS_SERVER=$socket" >"$E2E_WORK/environment"
# The PDF files that come after this are the test's.
touch "$state/started"

. "$E2E_ROOT/scripts/wine-env.sh" "$E2E_ROOT/build/win32/e2e-prefix"
wine "$E2E_ROOT/build/win32/tests/printer_pages.exe" 'C:\Tamsi\Text_English.arc' --type profile \
  --birth-first Maria --birth-middle Elena --birth-last Torres --current-first Maria --current-last Torres \
  --born 5/15/1949 | tr -d '\r' >"$E2E_WORK/expected"
wineserver -w
cat "$E2E_WORK/expected"
grep -q '^pages [0-9]' "$E2E_WORK/expected"
