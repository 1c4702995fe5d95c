# Writes the size of the game's code where the page reads it: cmake -DWASM=... -DPAGE=... -P
file(SIZE ${WASM} size)
file(WRITE ${PAGE} "window.tessaroSizes = { wasm: ${size} };\n")
