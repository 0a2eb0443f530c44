#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as an owner would, and checks the installed
# program: its files, a demo shop made from the command line, and the login window on a display.
# Removes the package again at the end. Needs root (or sudo); not part of "make test", CI runs it
# after the suite (.ci/run).
#   scripts/test-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt run on the machine (an update, say) holds the lock for a while: wait for it.
apt_wait=(-o DPkg::Lock::Timeout=300)

make package BUILD_DIR="$build" JOBS="${JOBS:-2}"
deb=$(ls -t "$build"/cvi-zelto_*.deb | head -1)
echo "== package: $deb"
dpkg-deb --field "$deb"
echo "== files"
dpkg -c "$deb"

work=$(mktemp -d)
cleanup() {
    "${sudo_cmd[@]}" apt-get "${apt_wait[@]}" remove -y -qq cvi-zelto >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

"${sudo_cmd[@]}" apt-get "${apt_wait[@]}" install -y -qq "./$deb"
echo "== installed: $(command -v cvi-zelto)"
for f in /usr/share/cvi-zelto/ayuda.html /usr/share/cvi-zelto/img/producto.jpg /usr/share/cvi-zelto/img/logo.jpg \
         /usr/share/applications/cvi-zelto.desktop /usr/share/icons/hicolor/scalable/apps/cvi-zelto.svg \
         /usr/share/cvi-zelto/iconos/LICENCIA-iconos-breeze.txt; do
    test -f "$f" || { echo "missing $f"; exit 1; }
done
stat -c '%A %G %n' /usr/share/cvi-zelto/img
desktop-file-validate /usr/share/applications/cvi-zelto.desktop 2>/dev/null || true

echo "== demo shop from the installed program"
(cd "$work" && cvi-zelto --create-database "$work/x.sqlite" --demo)
cvi-zelto --check "$work/x.sqlite"
# The copy is named by the shop's latest cash session (the demo has traded for days).
cvi-zelto --backup "$work/x.sqlite" "$work"
copies=("$work"/C[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]-*.sqlite)
test -f "${copies[0]}" || { echo "no backup copy written"; exit 1; }
echo "backup: $(basename "${copies[0]}")"

echo "== start as from the menu: the login window must appear"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/cvi-zelto.desktop)
export HOME="$work" CVI_SETTINGS_FILE="$work/settings.ini"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    $exec_line & pid=\$!
    for i in \$(seq 1 30); do
        if xdotool search --name 'Iniciar Sesion' >/dev/null 2>&1; then
            echo 'login window shown'; kill \$pid; exit 0
        fi
        sleep 0.5
    done
    kill \$pid 2>/dev/null; echo 'no login window'; exit 1"
echo "== package works; removing it"
