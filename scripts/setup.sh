# Shared by ./play, ./check and bench/run_all: installs the Debian packages that are missing, then
# configures and builds. Sourced, not run.

# Packages for building and playing the game.
# Qt Linguist's tools build the translations; Qt's own translations and a font with Chinese and Japanese
# letters serve the players of those languages.
GAME_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
               libfluidsynth-dev libasound2-dev libpulse-dev libgif-dev libjpeg-dev libgl-dev libheif-dev
               qt6-image-formats-plugins fonts-ebgaramond fonts-liberation fonts-dejavu-core fonts-noto-cjk
               timgm6mb-soundfont mate-backgrounds lomiri-wallpapers-16.04)
# What making the Debian package adds: its tools and its checks.
PACKAGE_PACKAGES=(dpkg-dev file lintian appstream desktop-file-utils)
# What the tests add: an X server with two window managers (openbox, and Xfce's xfwm4 on a session bus),
# a mouse driver, screenshots and the OCR that reads them, desktop-file checks, clang for fuzzing,
# pictures of every kind to play (HEIF and AVIF from heif-enc, WebP animations), and the loudness meter
# of the benchmarks.
TEST_PACKAGES=("${PACKAGE_PACKAGES[@]}" libebur128-dev xvfb openbox xfwm4 dbus-daemon wmctrl pulseaudio
               pulseaudio-utils xdotool imagemagick tesseract-ocr libheif-examples webp x11-utils clang
               libclang-rt-14-dev)

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

# build DIR PROGRAM_DIR [cmake options...]: configures and builds. PROGRAM_DIR is where the game lands
# beside its library (build/ for the game that ./play starts). The options reach a folder configured
# before as well; configuring again costs a second when nothing changed.
build() {
    local dir=$1 program=$2
    shift 2
    cmake -S . -B "$dir" -DVARERIZ_PROGRAM_DIR="$program" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# Tests run on Qt's offscreen platform: a 1024 x 768 screen without frame margins.
test_environment() {
    export QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/offscreen.json"
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
}
