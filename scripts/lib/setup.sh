# Sourced by scripts/run and scripts/test: installs what the project needs and is missing, on a
# Debian 12 machine, as root directly or through sudo. Prints one line per step taken.

ZIREV1_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ZIREV1_LOCALES=(it_IT.UTF-8)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo "$@"
    else
        return 1
    fi
}

missing_packages() {
    local pkg
    grep -v -E '^\s*(#|$)' "$ZIREV1_ROOT/scripts/packages.txt" | while read -r pkg; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$pkg"
    done
}

missing_locales() {
    local loc available
    available=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    for loc in "${ZIREV1_LOCALES[@]}"; do
        local key
        key=$(echo "$loc" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
        grep -qx "$key" <<<"$available" || echo "$loc"
    done
}

zirev1_setup() {
    local packages locales
    packages=$(missing_packages | tr '\n' ' ')
    if [ -n "${packages// /}" ]; then
        echo "setup: installing $packages"
        if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
            ! as_root env DEBIAN_FRONTEND=noninteractive \
                apt-get install -y --no-install-recommends $packages >/tmp/zirev1-apt.log 2>&1; then
            echo "setup: cannot install $packages (needs root or sudo; see /tmp/zirev1-apt.log)" >&2
            return 1
        fi
    fi
    locales=$(missing_locales | tr '\n' ' ')
    if [ -n "${locales// /}" ]; then
        echo "setup: generating locales $locales"
        local loc
        for loc in $locales; do
            as_root sed -i "s/^# *\(${loc} UTF-8\)/\1/" /etc/locale.gen &&
                { grep -q "^${loc} UTF-8" /etc/locale.gen ||
                    echo "${loc} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null; } ||
                { echo "setup: cannot enable locale $loc (needs root or sudo)" >&2; return 1; }
        done
        as_root locale-gen >/dev/null || { echo "setup: locale-gen failed" >&2; return 1; }
    fi
}

# Configures and builds into $1 with the remaining arguments passed to cmake.
zirev1_build() {
    local dir=$1
    shift
    cmake -S "$ZIREV1_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
        cmake --build "$dir" -j 2
}
