# SPDX-License-Identifier: MIT
# Sourced by scripts/run, scripts/test and scripts/fuzz: installs the Debian 12 packages and
# locales that are missing, as root directly or through sudo, and says what it does.
#   zirev1_setup PURPOSE...   the groups of scripts/packages.txt to install, e.g. run test

ZIREV1_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Prints the packages of the given groups of scripts/packages.txt, one per line.
packages_for() {
    awk -v wanted=" $* " '
        /^[[:space:]]*(#|$)/ { next }
        /^\[.*\]$/ { group = substr($0, 2, length($0) - 2); next }
        index(wanted, " " group " ") { print $1 }
    ' "$ZIREV1_ROOT/scripts/packages.txt"
}

# Names that installed packages provide (Node.js from elsewhere may provide npm, say).
provided_names() {
    dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null | grep '^install ok installed|' |
        cut -d'|' -f2 | tr ',' '\n' | sed 's/(.*)//; s/ //g' | grep -v '^$' | sort -u
}

missing_packages() {
    local pkg provided
    provided=$(provided_names)
    for pkg in $(packages_for "$@"); do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
            grep -qx "$pkg" <<<"$provided" || echo "$pkg"
    done
}

missing_locales() {
    local loc key available
    available=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    for loc in "$@"; do
        key=$(echo "$loc" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
        grep -qx "$key" <<<"$available" || echo "$loc"
    done
}

# Runs a command as root: directly, through sudo without a password, or through sudo asking for
# one when someone is at the terminal to answer. Returns 126 when there is no way to be root.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo "$@"
    elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
        sudo "$@"
    else
        return 126
    fi
}

# The apt log of this user: a fixed name in a shared folder could belong to someone else.
setup_log() {
    local dir=${XDG_CACHE_HOME:-$HOME/.cache}/zirev1
    mkdir -p "$dir" 2>/dev/null || dir=$(mktemp -d)
    echo "$dir/setup.log"
}

# Says that a step failed, with apt's own error lines, or what to run as root when the failure
# is that nobody here may install.
setup_failed() {
    local step=$1 status=$2 log=$3 command=$4
    if [ "$status" -eq 126 ]; then
        echo "setup: cannot $step: installing needs root. Run this as root, then run me again:" >&2
        echo "    $command" >&2
    else
        echo "setup: $step failed (exit status $status). apt said:" >&2
        grep -E '^(E|W|Err):|^dpkg: error|[Ee]rror' "$log" | tail -n 15 | sed 's/^/    /' >&2
        echo "setup: the whole log is $log" >&2
    fi
}

# Copies apt's output to the log and prints a line when it begins to download, to unpack and to
# configure, with the count of packages done every so often.
show_apt_progress() {
    tee -a "$1" | awk '
        function say(text) { print "setup: " text; fflush() }
        function phase(name, text) { if (!(name in seen)) { seen[name] = 1; say(text) } }
        / newly installed, / { total = $3 }
        /^Get:/ { phase("get", "downloading " total " packages (those asked for, and their needs)") }
        /^Unpacking / {
            phase("unpack", "unpacking")
            if (++unpacked % 50 == 0) say("  unpacked " unpacked " of " total)
        }
        /^Setting up / {
            phase("setup", "configuring")
            if (++configured % 50 == 0) say("  configured " configured " of " total)
        }'
}

zirev1_setup() {
    local packages locales log status=0
    packages=$(missing_packages "$@" | tr '\n' ' ')
    packages=${packages% }
    log=$(setup_log)
    if [ -n "$packages" ]; then
        local count
        count=$(wc -w <<<"$packages")
        local install="apt-get install -y --no-install-recommends $packages"
        : >"$log"
        echo "setup: $count packages missing: $packages"
        echo "setup: updating the package lists (log: $log)"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update >>"$log" 2>&1 || status=$?
        if [ "$status" -ne 0 ]; then
            setup_failed "update the package lists" "$status" "$log" "apt-get update && $install"
            return 1
        fi
        # apt goes on when a list cannot be fetched (no network, a dead mirror); say so now, as
        # the install that follows may fail for it.
        if grep -q '^Err:' "$log"; then
            echo "setup: some package lists could not be fetched:" >&2
            grep -E '^(Err|W):' "$log" | head -n 6 | sed 's/^/    /' >&2
        fi
        echo "setup: installing them and what they depend on"
        as_root env DEBIAN_FRONTEND=noninteractive $install 2>&1 | show_apt_progress "$log" ||
            status=$?
        if [ "$status" -ne 0 ]; then
            setup_failed "install the packages" "$status" "$log" "$install"
            return 1
        fi
    fi
    if [[ " $* " == *" test "* ]]; then
        locales=$(missing_locales it_IT.UTF-8 | tr '\n' ' ')
        locales=${locales% }
        local loc
        for loc in $locales; do
            echo "setup: generating the locale $loc"
            local enable="sed -i 's/^# *\\(${loc} UTF-8\\)/\\1/' /etc/locale.gen && locale-gen"
            as_root sh -c "sed -i 's/^# *\(${loc} UTF-8\)/\1/' /etc/locale.gen &&
                { grep -q '^${loc} UTF-8' /etc/locale.gen || echo '${loc} UTF-8' >>/etc/locale.gen; } &&
                locale-gen" >>"$log" 2>&1 || status=$?
            if [ "$status" -ne 0 ]; then
                setup_failed "generate the locale $loc" "$status" "$log" "$enable"
                return 1
            fi
        done
    fi
}

# Configures and builds a preset of CMakePresets.json (cmake reads the presets of the current
# folder); Ninja chooses how many jobs to run. Configuring says only what is amiss.
zirev1_build() {
    (cd "$ZIREV1_ROOT" && cmake --preset "$1" --log-level=WARNING && cmake --build --preset "$1")
}
