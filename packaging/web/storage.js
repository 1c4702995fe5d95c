// Runs before the game: the files that last (the kept game) come back from the browser's
// storage into the page's own files, where the game reads them as on the desktop; the game
// copies them back each time it writes one (ShellPortWeb.cpp).
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  // A page in another site's frame may be refused the storage: it plays unkept, and says so
  // when it first keeps.
  let stored;
  try {
    stored = window.localStorage;
  } catch (error) {
    return;
  }
  for (let i = 0; i < stored.length; ++i) {
    const key = stored.key(i);
    if (!key.startsWith('tessaro:/')) {
      continue;
    }
    const path = key.substring('tessaro:'.length);
    const text = stored.getItem(key);
    const bytes = new Uint8Array(text.length);
    for (let j = 0; j < text.length; ++j) {
      bytes[j] = text.charCodeAt(j);
    }
    FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
    FS.writeFile(path, bytes);
  }
});
