# Sourced by the scripts that build Qt for another target: Debian's own source of the Qt that the
# Linux build uses, fetched once, from wherever this machine gets its packages. apt reads it from
# a private sources list and state folder in the cache; the system's apt configuration is left
# alone.
#   qt_source CACHE VERSION     leaves the source in CACHE/qt-source-VERSION/qtbase
#   qt_seed CACHE NAME          unpacks the prebuilt Qt NAME.tar.xz that ../shared/cache offers,
#                               if any, into CACHE; a seed is only ever a head start
#   qt_build CACHE VERSION NAME TOOLCHAIN CONFIGURE...
#                               prints CACHE/NAME, the Qt that CONFIGURE builds from that source
#                               with TOOLCHAIN, built there once (or taken from its seed)

# The machine's own `deb` lines of Debian's suites for this release, as `deb-src` lines, from the
# one-line lists and the deb822 files alike: the mirror or proxy the machine uses, whatever it
# is. Lines of other suites (another vendor's repository) are left out, since they may have no
# source to offer.
apt_source_lines() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  local lists=() sources=()
  [ -f /etc/apt/sources.list ] && lists+=(/etc/apt/sources.list)
  for file in /etc/apt/sources.list.d/*.list; do [ -f "$file" ] && lists+=("$file"); done
  for file in /etc/apt/sources.list.d/*.sources; do [ -f "$file" ] && sources+=("$file"); done
  if [ ${#lists[@]} -gt 0 ]; then
    awk -v codename="$codename" '
      function ours(suite) {
        return suite == codename || suite == codename "-updates" || suite == codename "-security"
      }
      $1 == "deb" {
        options = ""; field = 2
        if ($2 ~ /^\[/) {
          while (field <= NF && $field !~ /\]$/) { options = options $field " "; field++ }
          options = options $field " "; field++
        }
        if (ours($(field + 1))) {
          line = "deb-src " options $field
          for (i = field + 1; i <= NF && $i !~ /^#/; i++) line = line " " $i
          print line
        }
      }' "${lists[@]}"
  fi
  if [ ${#sources[@]} -gt 0 ]; then
    awk -v codename="$codename" '
      function ours(suite) {
        return suite == codename || suite == codename "-updates" || suite == codename "-security"
      }
      function flush(   n, uris, m, suites, i, j, options) {
        if (types ~ /(^| )deb( |$)/ && enabled != "no") {
          options = signedby != "" ? "[signed-by=" signedby "] " : ""
          n = split(urilist, uris, " "); m = split(suitelist, suites, " ")
          for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
            if (ours(suites[j])) print "deb-src " options uris[i] " " suites[j] " " components
        }
        types = urilist = suitelist = components = signedby = enabled = ""
      }
      FNR == 1 { flush() }
      /^[ \t]*$/ { flush(); next }
      /^#/ { next }
      /^[A-Za-z-]+:/ {
        name = tolower(substr($0, 1, index($0, ":") - 1))
        value = substr($0, index($0, ":") + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
        if (name == "types") types = value
        else if (name == "uris") urilist = value
        else if (name == "suites") suitelist = value
        else if (name == "components") components = value
        else if (name == "enabled") enabled = tolower(value)
        # A key written out in the file itself is left to the keys that apt trusts anyway.
        else if (name == "signed-by" && value ~ /^\//) signedby = value
      }
      END { flush() }' "${sources[@]}"
  fi
}

qt_source() {
  local cache=$1 version=$2
  local source_dir=$cache/qt-source-$version
  [ -d "$source_dir/qtbase" ] && return 0
  local apt_dir=$cache/apt
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$source_dir"
  apt_source_lines >"$apt_dir/sources.list"
  if [ ! -s "$apt_dir/sources.list" ]; then
    echo "No Debian sources in this machine's apt configuration to fetch Qt's source from." >&2
    return 1
  fi
  local apt=(apt-get -q -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o Dir::Etc::SourceParts=/dev/null -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir" -o Debug::NoLocking=1)
  "${apt[@]}" update >&2
  (cd "$source_dir" && "${apt[@]}" source --download-only "qt6-base=$version" >&2)
  mkdir -p "$source_dir/qtbase"
  tar -xf "$source_dir"/qt6-base_*.orig.tar.* -C "$source_dir/qtbase" --strip-components=1
}

qt_seed() {
  local cache=$1 name=$2
  local seed
  seed="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/shared/cache/$name.tar.xz"
  if [ ! -f "$cache/$name/.complete" ] && [ -f "$seed" ]; then
    echo "Qt from the seed $seed" >&2
    mkdir -p "$cache"
    tar -xJf "$seed" -C "$cache" || rm -rf "${cache:?}/$name"
  fi
}

qt_build() {
  local cache=$1 version=$2 name=$3 toolchain=$4
  shift 4
  local prefix=$cache/$name
  qt_seed "$cache" "$name"
  if [ ! -f "$prefix/.complete" ]; then
    qt_source "$cache" "$version"
    local build_dir=$cache/qt-build-${name##*-}
    rm -rf "$build_dir" "$prefix"
    cmake -S "$cache/qt-source-$version/qtbase" -B "$build_dir" \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >&2
    cmake --build "$build_dir" --parallel "$(nproc)" >&2
    cmake --install "$build_dir" >&2
    rm -rf "$build_dir"
    touch "$prefix/.complete"
  fi
  echo "$prefix"
}
