# Installs the Debian packages the build and its tests need (and any named as arguments),
# only when some are missing, in one apt-get run. poppler-utils reads the printed lists
# back in the tests; ninja-build keeps both cores busy across the libraries' boundaries.
velquora_packages="cmake ninja-build g++ make qt6-base-dev qt6-base-dev-tools libgl-dev \
fonts-liberation2 fonts-liberation fonts-comic-neue fonts-dejavu-core libbenchmark-dev \
qt6-translations-l10n qt6-svg-dev poppler-utils libfontconfig-dev"

# What CI's other stages add: the package check's tools and the fuzzers' compiler.
velquora_ci_packages="dpkg-dev desktop-file-utils appstream clang libclang-rt-14-dev libmpfr-dev"

velquora_install_deps() {
    local missing=()
    for p in $velquora_packages "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# velquora_configure <source> <build folder> [options]: with Ninja when the folder is new
# (a folder configured before keeps its generator).
velquora_configure() {
    local source=$1 dir=$2
    shift 2
    local generator=()
    [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
    cmake -S "$source" -B "$dir" "${generator[@]}" "$@"
}
