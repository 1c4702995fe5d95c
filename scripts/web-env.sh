# Sourced by the scripts that build for the browser: Debian's Emscripten as Qt expects to find
# it. Qt looks for an Emscripten SDK folder ($EMSDK) whose `.emscripten` names where emcc is;
# Debian installs emcc without such a folder, so a small one is made in the cache. emcc's own
# tools are JavaScript that needs Debian's node modules (acorn among them).
#   EMSCRIPTEN_TOOLCHAIN   Debian's CMake toolchain file for Emscripten
web_cache=${TESSARO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro}
export EMSDK=$web_cache/emsdk
if [ ! -x "$EMSDK/emscripten/emcc" ]; then
  mkdir -p "$EMSDK/emscripten"
  echo "EMSCRIPTEN_ROOT = '/emscripten'" >"$EMSDK/.emscripten"
  ln -sf /usr/bin/emcc "$EMSDK/emscripten/emcc"
fi
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
EMSCRIPTEN_TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
