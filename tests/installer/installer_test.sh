#!/usr/bin/env bash
# installer_test.sh BIN INSTALLER_DIR: the setup program in a fresh Wine prefix of its own.
# A silent install gives every file, key, shortcut and running service; the Alert Manager and
# the host start from the installed folder; an install over the installed copy keeps its
# settings; the uninstaller leaves no service, driver, key or program file and keeps the data.
set -uo pipefail
bin="$1" installer_dir="$2"
work="$(mktemp -d /tmp/vexsetup-test.XXXXXX)"
export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
finish() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$work"; }
trap finish EXIT

reg_value() {  # reg_value KEY VALUE: the value's text, nothing when missing
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
expect_value() {  # expect_value KEY VALUE TEXT
    local got; got="$(reg_value "$1" "$2")"
    [[ "$got" == "$3" ]] && pass "$1 $2 = $3" || fail "$1 $2 is '$got', not '$3'"
}
expect_no_key() {
    wine reg query "$1" >/dev/null 2>&1 && fail "$1 is still there" || pass "$1 is gone"
}
service_state() { wine "$work/SETPROBE.EXE" service "$1" 2>/dev/null | tr -d '\r'; }
expect_service() {  # expect_service NAME STATE
    local got; got="$(service_state "$1")"
    [[ "$got" == "$2" ]] && pass "service $1 $2" || fail "service $1 is '$got', not $2"
}

wineboot -i >/dev/null 2>&1
# Windows without a display; the driver is chosen when a server starts.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w
# One server for the whole test, so that the services outlive each command; the services
# manager starts with it, before the setup program asks it for anything.
wineserver -p
wine wineboot >/dev/null 2>&1
cp "$bin/SETPROBE.EXE" "$work/"
installed="$WINEPREFIX/drive_c/Vexomar"
mapfile -t product < <(awk '/^[a-z]/ && $3 != "-" { print $2 }' "$installer_dir/product-files.txt")

echo "== silent install into C:\\Vexomar"
started=$(date +%s%N)
wine "$bin/VEXSETUP.EXE" /S '/D=C:\Vexomar' || fail "VEXSETUP.EXE /S answered $?"
echo "install: $(( ($(date +%s%N) - started) / 1000000 )) ms"
for name in "${product[@]}" UNINSTAL.EXE; do
    [[ -f "$installed/$name" ]] || fail "$name is not installed"
done
pass "${#product[@]} product files and the uninstaller are in place"
expect_value 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion' InstallPath 'C:\Vexomar'
expect_value 'HKLM\SOFTWARE\Morwick\ALERT\CurrentVersion\Path' Home 'C:\MORWICK\ALERT'
expect_value 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion\Path' TMP 'C:\MORWICK\TEMP'
expect_value 'HKLM\SOFTWARE\Morwick\PostOffice' Folder 'C:\Morwick\PostOffice'
expect_value 'HKLM\Software\Clients\Mail\Vexomar Mail' DLLPath 'C:\Vexomar\VXMAIL32.DLL'
expect_value 'HKLM\System\CurrentControlSet\Services\VexomarNet\NetworkProvider' ProviderPath 'C:\Vexomar\VXMNET.DLL'
order="$(reg_value 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' ProviderOrder)"
[[ ",$order," == *,VexomarNet,* ]] && pass "provider order '$order'" || fail "provider order '$order' lacks VexomarNet"
expect_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexomar' DisplayName 'Vexomar Administration Suite'
expect_service "Morwick Alert Notification Server" running
expect_service "Vexomar Service" running
expect_service "VxmFilter" running
links="$(find "$WINEPREFIX/drive_c" -path '*Programs/Vexomar/*.lnk' -printf '%f\n' 2>/dev/null | sort | tr '\n' ',')"
[[ "$links" == "Alert Manager.lnk,Uninstall Vexomar.lnk,Vexomar Administration.lnk," ]] \
    && pass "shortcuts $links" || fail "shortcuts are '$links'"
[[ -n "$(find "$WINEPREFIX/drive_c" -ipath '*Startup/Vexomar Messenger.lnk' 2>/dev/null)" ]] \
    && pass "the messenger starts with each logon" || fail "no Startup shortcut for the messenger"
for program in ORVANE.EXE VXMGR.EXE; do
    shown="$(wine "$work/SETPROBE.EXE" window "C:\\Vexomar\\$program" 60 2>/dev/null | tr -d '\r')"
    [[ "$shown" == window:* ]] && pass "$program shows '$shown'" || fail "$program: $shown"
done

echo "== install over the installed copy"
wine reg add 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion\Path' /v TMP /d 'C:\Scratch' /f >/dev/null 2>&1
wine reg add 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion\Options' /v Kept /t REG_DWORD /d 7 /f >/dev/null 2>&1
mkdir -p "$installed/DB" && printf 'report\r\n' >"$installed/DB/IN000001.REC" && printf 'log' >"$installed/MASTER.DB"
# A damaged program is replaced by the upgrade.
printf 'damaged' >"$installed/ORVANE.EXE"
wine "$bin/VEXSETUP.EXE" /S '/D=C:\Vexomar' || fail "the second VEXSETUP.EXE /S answered $?"
expect_value 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion\Path' TMP 'C:\Scratch'
expect_value 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion\Options' Kept '0x7'
[[ "$(stat -c %s "$installed/ORVANE.EXE")" -gt 7 ]] && pass "ORVANE.EXE replaced" || fail "ORVANE.EXE not replaced"
expect_service "Morwick Alert Notification Server" running
expect_service "Vexomar Service" running

echo "== uninstall"
started=$(date +%s%N)
wine "$installed/UNINSTAL.EXE" /S
# The uninstaller runs from a copy of itself and ends after the caller.
for _ in $(seq 1 600); do [[ -f "$installed/UNINSTAL.EXE" ]] || break; sleep 0.1; done
echo "uninstall: $(( ($(date +%s%N) - started) / 1000000 )) ms"
for name in "${product[@]}" UNINSTAL.EXE; do
    [[ -e "$installed/$name" ]] && fail "$name is still installed"
done
pass "no program file is left"
expect_service "Morwick Alert Notification Server" absent
expect_service "Vexomar Service" absent
expect_service "VxmFilter" absent
expect_no_key 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexomar'
expect_no_key 'HKLM\Software\Clients\Mail\Vexomar Mail'
expect_no_key 'HKLM\System\CurrentControlSet\Services\VexomarNet'
expect_value 'HKLM\SOFTWARE\Morwick\Vexomar\CurrentVersion' InstallPath ''
order="$(reg_value 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' ProviderOrder)"
[[ ",$order," != *,VexomarNet,* ]] && pass "provider order '$order'" || fail "provider order still '$order'"
[[ -z "$(find "$WINEPREFIX/drive_c" -path '*Programs/Vexomar*' -o -name 'Vexomar Messenger.lnk' 2>/dev/null)" ]] \
    && pass "no shortcut left" || fail "shortcuts left"
# Windows names ignore case: C:\Morwick and C:\MORWICK are one folder.
for kept in 'MORWICK/ALERT' 'MORWICK/PostOffice' 'Vexomar/DB/IN000001.REC' 'Vexomar/MASTER.DB'; do
    [[ -n "$(find "$WINEPREFIX/drive_c" -ipath "$WINEPREFIX/drive_c/$kept" 2>/dev/null)" ]] \
        && pass "kept C:/$kept" || fail "C:/$kept was removed"
done

[[ $failures -eq 0 ]] && echo "installer test passed" || echo "installer test: $failures failures"
exit $((failures > 0))
