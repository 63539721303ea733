# Sourced by run.sh, test.sh and package.sh: installs the Debian packages the build needs
# when they are missing (as root with apt-get; otherwise prints the one line
# to run).
TREMBLO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libpng-dev zlib1g-dev
  libgtest-dev libzstd-dev zstd bzip2 xz-utils python3 libhwy-dev libcli11-dev nlohmann-json3-dev libkissfft-dev libarchive-dev
  libgeographiclib-dev libnetcdf-dev gmt-gshhg-low
  libmseed-dev libpugixml-dev pybind11-dev python3-dev python3-numpy python3-pytest python3-matplotlib
  fonts-ipafont-gothic
  dpkg-dev librsvg2-bin man-db
)
# What the package check of CI uses besides (.ci/package-check).
TREMBLO_CHECK_PACKAGES=(desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin)

# Installs the packages named, or by default those of the build.
tremblo_install_missing() {
  local missing=() wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${TREMBLO_PACKAGES[@]}")
  for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "These Debian packages are missing. Install them with:"
    echo "  sudo apt-get install ${missing[*]}"
    return 1
  fi
}

tremblo_jobs() { nproc 2>/dev/null || echo 2; }
