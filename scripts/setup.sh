# Shared by ./play and ./check: installs the Debian packages that are missing, then configures and
# builds. Sourced, not run.

# Packages for building and playing the game.
GAME_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libfluidsynth-dev libasound2-dev libgif-dev
               libgl-dev fonts-ebgaramond fonts-liberation fonts-dejavu-core timgm6mb-soundfont)
# What the tests add: an X server, a mouse driver, screenshots, desktop-file checks, sanitizers.
TEST_PACKAGES=(xvfb xdotool imagemagick x11-utils libxcb1-dev desktop-file-utils clang libclang-rt-14-dev)

ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build DIR [cmake options...]: configures once and builds; the game lands in build/ beside its library.
build() {
    local dir=$1
    shift
    if [[ ! -f $dir/CMakeCache.txt ]]; then
        cmake -S . -B "$dir" -DVARERIZ_PROGRAM_DIR="$PWD/build" "$@" >/dev/null
    fi
    cmake --build "$dir" -j "$(nproc)"
}
