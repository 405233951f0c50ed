# Installs the Debian packages the build and its tests need (and any named as arguments),
# only when some are missing. poppler-utils reads the printed lists back in the tests.
velquora_packages="cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev \
fonts-liberation2 fonts-liberation fonts-comic-neue fonts-dejavu-core libbenchmark-dev \
qt6-translations-l10n qt6-svg-dev poppler-utils"

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
