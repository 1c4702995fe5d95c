// The page of the game. It loads the game (tessaro.js, tessaro.wasm) with a progress bar, asks
// the browser for the slot of the last game (one page of the game keeps its game at a time, as
// one program does on the desktop), starts the game in the page's language, and shows what
// comes after «Выход». «Новая» loads the page anew.
'use strict';

(function () {
  const params = new URLSearchParams(location.search);
  const browserLanguage = (navigator.languages && navigator.languages[0]) || navigator.language || '';
  const language = params.get('lang') === 'en' || params.get('lang') === 'ru'
    ? params.get('lang')
    : (browserLanguage.toLowerCase().startsWith('ru') ? 'ru' : 'en');

  const texts = {
    ru: {
      loading: 'Игра загружается…',
      starting: 'Игра запускается…',
      noWasm: 'Этот браузер не запускает WebAssembly. Откройте страницу в Firefox, Chrome, Edge или Safari последних лет.',
      noWebGL: 'Этот браузер не рисует WebGL, без которого игра не показывает окон. Включите в нём аппаратное ускорение или откройте страницу в другом браузере.',
      failed: 'Игра не загрузилась: ',
      crashed: 'Игра прервалась: ',
      ended: 'Игра закрыта.',
      again: 'Играть снова',
      continue: 'Продолжить игру',
      new: 'Новая игра',
    },
    en: {
      loading: 'Loading the game…',
      starting: 'Starting the game…',
      noWasm: 'This browser does not run WebAssembly. Open the page in a recent Firefox, Chrome, Edge or Safari.',
      noWebGL: 'This browser does not draw WebGL, which the game draws its windows with. Turn on its hardware acceleration or open the page in another browser.',
      failed: 'The game did not load: ',
      crashed: 'The game stopped: ',
      ended: 'The game is closed.',
      again: 'Play again',
      continue: 'Continue game',
      new: 'New game',
    },
  }[language];

  const element = id => document.getElementById(id);
  const canvas = element('game');
  const notice = element('notice');
  const message = element('message');
  const progress = element('progress');

  // A link to this page with the page's language, continuing the kept game or not.
  function pageAddress(continuing) {
    const next = new URLSearchParams(params);
    next.delete('continue');
    if (continuing) {
      next.set('continue', '');
    }
    const query = next.toString().replace(/=(&|$)/g, '$1');
    return location.pathname + (query ? '?' + query : '');
  }

  function storage() {
    try {
      return window.localStorage;
    } catch (error) {
      return null;
    }
  }

  function aGameIsKept() {
    const kept = storage();
    if (!kept) {
      return false;
    }
    for (let i = 0; i < kept.length; ++i) {
      if (kept.key(i).startsWith('tessaro:/') && kept.key(i).endsWith('/last-game.tso')) {
        return true;
      }
    }
    return false;
  }

  function offerTheWaysIn() {
    const continuing = element('continue');
    continuing.textContent = texts.continue;
    continuing.href = pageAddress(true);
    continuing.hidden = !aGameIsKept();
    const fresh = element('new');
    fresh.textContent = texts.new;
    fresh.href = pageAddress(false);
    fresh.hidden = false;
  }

  function say(text, showProgress) {
    message.textContent = text;
    progress.hidden = !showProgress;
    notice.hidden = false;
    canvas.hidden = true;
  }

  function showTheEnd() {
    say(texts.ended, false);
    const again = element('again');
    again.textContent = texts.again;
    again.href = pageAddress(false);
    element('actions').hidden = false;
    offerTheWaysIn();
    again.focus();
  }

  function webGLWorks() {
    try {
      const probe = document.createElement('canvas');
      return !!(probe.getContext('webgl') || probe.getContext('experimental-webgl'));
    } catch (error) {
      return false;
    }
  }

  // The browser's lock of the slot, held as long as the page lives. A page that «Новая»
  // loaded anew waits a moment for the lock of the page it replaced to go.
  function holdTheSlot() {
    if (!navigator.locks) {
      return Promise.resolve(true);
    }
    let restarted = false;
    try {
      restarted = sessionStorage.getItem('tessaro-restarted') === '1';
      sessionStorage.removeItem('tessaro-restarted');
    } catch (error) {
      // No storage for this page: no restart to wait for.
    }
    const ask = options => new Promise(resolve => {
      navigator.locks.request('tessaro-last-game', options, lock => {
        resolve(lock !== null);
        return lock === null ? null : new Promise(() => {});
      }).catch(() => resolve(false));
    });
    return ask({ ifAvailable: true }).then(held => {
      if (held || !restarted) {
        return held;
      }
      const controller = new AbortController();
      setTimeout(() => controller.abort(), 3000);
      return ask({ signal: controller.signal });
    });
  }

  // The game's code, compiled as it comes (the browser compiles while it downloads), with the
  // share that has come told on the bar.
  async function compileTheGame(file, expected) {
    const response = await fetch(file);
    if (!response.ok) {
      throw new Error(response.status + ' ' + response.statusText + ': ' + file);
    }
    const told = response.headers.get('Content-Encoding') ? 0 : Number(response.headers.get('Content-Length'));
    const total = told || expected || 0;
    const reader = response.body.getReader();
    let received = 0;
    const counted = new ReadableStream({
      async pull(controller) {
        const { done, value } = await reader.read();
        if (done) {
          controller.close();
          say(texts.starting, false);
          return;
        }
        received += value.length;
        if (total) {
          progress.value = Math.min(received / total, 1);
        }
        controller.enqueue(value);
      },
    });
    const code = new Response(counted, { headers: { 'Content-Type': 'application/wasm' } });
    if (WebAssembly.compileStreaming) {
      return WebAssembly.compileStreaming(code);
    }
    return WebAssembly.compile(await code.arrayBuffer());
  }

  function loadScript(file) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = file;
      script.onload = resolve;
      script.onerror = () => reject(new Error(file));
      document.body.appendChild(script);
    });
  }

  async function start() {
    document.documentElement.lang = language;
    offerTheWaysIn();
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
      say(texts.noWasm, false);
      return;
    }
    if (!webGLWorks()) {
      say(texts.noWebGL, false);
      return;
    }
    say(texts.loading, true);
    const sizes = window.tessaroSizes || {};
    let compiled;
    let holdsTheSlot;
    try {
      [compiled, holdsTheSlot] = await Promise.all([
        compileTheGame('tessaro.wasm', sizes.wasm),
        holdTheSlot(),
        loadScript('tessaro.js'),
      ]);
    } catch (error) {
      say(texts.failed + error.message, false);
      return;
    }
    const gameArguments = ['--language', language];
    if (params.has('continue')) {
      gameArguments.push('--continue');
    }
    notice.hidden = true;
    canvas.hidden = false;
    // The game hears the keys that reach its canvas (as Qt's own loader makes it: an editable
    // element, whose caret and frame are hidden, so that the clipboard's events come too).
    canvas.contentEditable = 'true';
    canvas.focus();
    window.tessaroGame = await createQtAppInstance({
      arguments: gameArguments,
      instantiateWasm: (imports, done) => {
        WebAssembly.instantiate(compiled, imports).then(instance => done(instance, compiled));
        return {};
      },
      preRun: [module => {
        module.qtContainerElements = [canvas];
        module.qtFontDpi = 96;
      }],
      print: text => console.log(text),
      printErr: text => console.warn(text),
      onAbort: text => say(texts.crashed + text, false),
      tessaroHoldsTheSlot: holdsTheSlot,
      tessaroRestart: () => {
        try {
          sessionStorage.setItem('tessaro-restarted', '1');
        } catch (error) {
          // The new page takes the slot if it is free by then.
        }
        location.assign(pageAddress(false));
      },
      tessaroEnded: () => setTimeout(showTheEnd, 0),
    });
  }

  start();
})();
