# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/build-windows and the Windows stage of scripts/test; sourced
# from the repository's root. Where the static Qt for MinGW comes from, where
# it is unpacked, and the Wine settings every run under Wine uses.

qt_windows_name=qt-6.4.2-mingw-w64-x86_64-static.tar.xz
# The CMake preset "windows" expects the unpacked toolchain here.
qt_windows_dir=build/windows-qt
qt_windows_prefix=$qt_windows_dir/qt-6.4.2-mingw-w64-static

# Prints the toolchain archive: $PARLOMATIC_QT_WINDOWS when set, else the one
# in ../shared/toolchains beside the repository. Fails when there is none.
qt_windows_archive() {
    local archive=${PARLOMATIC_QT_WINDOWS:-../shared/toolchains/$qt_windows_name}
    [ -f "$archive" ] || return 1
    printf '%s\n' "$archive"
}

# Unpacks the archive under build/ unless the same archive is unpacked there
# already; checks it against SHA256SUMS when that file lies beside it.
unpack_qt_windows() {
    local archive=$1 sums stamp sum
    sums=$(dirname "$archive")/SHA256SUMS
    if [ -f "$sums" ]; then
        (cd "$(dirname "$archive")" && grep " $(basename "$archive")\$" SHA256SUMS | sha256sum --check --quiet) || {
            echo "The toolchain archive $archive does not match its SHA256SUMS." >&2
            return 1
        }
    fi
    sum=$(sha256sum "$archive" | cut -d' ' -f1)
    stamp=$qt_windows_dir/unpacked-from
    if [ "$(cat "$stamp" 2>/dev/null)" != "$sum" ]; then
        echo "== unpacking $archive into $qt_windows_dir"
        rm -rf "$qt_windows_dir"
        mkdir -p "$qt_windows_dir"
        tar -xJf "$archive" -C "$qt_windows_dir"
        echo "$sum" >"$stamp"
    fi
}

# Wine runs in a prefix of its own under build/, made once; quietly, and
# without asking to install Mono or Gecko or touching the desktop's menus.
export WINEPREFIX=$PWD/build/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Makes the prefix if needed and starts one Wine server, with the prefix's
# services, to serve every later run. They start detached from any pipe: a
# service started by a later run would inherit that run's output and keep
# whoever reads it waiting for its end. stop_wine ends them.
start_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "== making the Wine prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1 </dev/null
        wineserver --wait
    fi
    wineserver --persistent >/dev/null 2>&1 </dev/null || true # 2: one runs already
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}
stop_wine() {
    wineserver --kill >/dev/null 2>&1 || true
}
