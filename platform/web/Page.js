// The page's side of the game (emcc --pre-js): the canvas in device pixels, the saved files in
// the browser's storage, the file picker and the downloads.
var Module = typeof Module !== 'undefined' ? Module : {};
(function () {
  'use strict';
  const home = '/home/web_user';
  const canvas = document.getElementById('canvas');
  Module.canvas = canvas;

  function note(text) {
    const line = document.getElementById('note');
    line.textContent = text;
    line.hidden = false;
    setTimeout(() => { line.hidden = true; }, 6000);
  }

  // The storage is written whole after each file the game replaces or removes; when the browser
  // refuses it (full, private browsing) the game plays on in memory, and says so once.
  let storageRefused = false;
  let syncing = false;
  let again = false;
  function refuse() {
    if (!storageRefused) {
      storageRefused = true;
      note('This browser keeps no storage for the page: scores will not be kept.');
    }
  }
  function sync() {
    if (storageRefused) return;
    if (syncing) { again = true; return; }
    syncing = true;
    FS.syncfs(false, (error) => {
      syncing = false;
      if (error) refuse();
      Module.korvatSynced = (Module.korvatSynced || 0) + 1;
      if (again) { again = false; sync(); }
    });
  }

  function download(path) {
    const bytes = FS.readFile(path);
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = path.substring(path.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  function watchWrites() {
    const rename = FS.rename;
    FS.rename = function (from, to) {
      const result = rename.apply(this, arguments);
      if (to === Module.korvatDownloadOnWrite) {
        Module.korvatDownloadOnWrite = undefined;
        download(to);
      }
      if (to.startsWith(home)) sync();
      return result;
    };
    const unlink = FS.unlink;
    FS.unlink = function (path) {
      const result = unlink.apply(this, arguments);
      if (path.startsWith(home)) sync();
      return result;
    };
  }

  // The database is opened while the game's code still downloads and compiles, instead of after.
  Promise.resolve().then(() => {
    try {
      IDBFS.getDB(home, () => {});
    } catch (error) {
      // refused: the mount below finds out and says so
    }
  });

  Module.preRun = (Module.preRun || []).concat([function () {
    FS.mkdirTree(home);
    FS.mount(IDBFS, {}, home);
    addRunDependency('korvat-storage');
    let settled = false;
    const done = (error) => {
      if (settled) return;
      settled = true;
      if (error) refuse();
      watchWrites();
      removeRunDependency('korvat-storage');
    };
    try {
      FS.syncfs(true, done);
    } catch (error) {
      done(error);
    }
  }]);

  // Open: the browser's picker; the file is copied in and its path handed to the game.
  Module.korvatPickFile = function (accept) {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.hidden = true;
    // In the document: some browsers open a picker, or report its choice, only for those.
    document.body.appendChild(input);
    let answered = false;
    const answer = (path) => {
      if (!answered) {
        answered = true;
        input.remove();
        Module.korvatPicked = path;
      }
    };
    input.addEventListener('cancel', () => answer(''));
    input.addEventListener('change', () => {
      const file = input.files && input.files[0];
      if (!file) { answer(''); return; }
      // More than any saved game: the game's own size check refuses it.
      file.slice(0, 65536).arrayBuffer().then((buffer) => {
        const folder = '/tmp/picked';
        FS.mkdirTree(folder);
        const path = folder + '/' + (file.name.replace(/[\/\0]/g, '_') || 'picked');
        FS.writeFile(path, new Uint8Array(buffer));
        answer(path);
      }, () => answer(''));
    });
    Module.korvatPicker = input;  // for the tests, which set the file themselves
    input.click();
  };

  Module.korvatPickPending = () => (Module.korvatPicked === undefined ? 1 : 0);
  // A copy on the game's heap, which the game frees.
  Module.korvatPickedPath = function () {
    const path = Module.korvatPicked || '';
    Module.korvatPicked = undefined;
    const size = lengthBytesUTF8(path) + 1;
    const text = _malloc(size);
    stringToUTF8(path, text, size);
    return text;
  };
  Module.korvatOfferOnWrite = (path) => { Module.korvatDownloadOnWrite = UTF8ToString(path); };

  // The game's window fills the viewport in device pixels, so that its whole-factor fit is the
  // largest one of the screen's own pixels; the canvas's CSS size stays the viewport's.
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const width = Math.round(window.innerWidth * ratio);
    const height = Math.round(window.innerHeight * ratio);
    return Module._korvatViewport && Module._korvatViewport(width, height);
  }
  function fitWhenOpen() {
    if (!fit()) requestAnimationFrame(fitWhenOpen);
  }
  window.addEventListener('resize', fit);
  Module.onRuntimeInitialized = fitWhenOpen;
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  // The phone's keyboard: while the game waits for text, a tap focuses an input of the page,
  // which brings the keyboard up; what it types goes to the game. Keys of a real keyboard reach
  // the game through SDL as on the desktop, and are not taken twice.
  const typing = document.getElementById('typing');
  const sentinel = '_';
  let physical = false;
  // One character in the box, the caret after it: a deletion on the phone's keyboard has
  // something to delete, and what is typed comes after it.
  const reset = () => {
    typing.value = sentinel;
    typing.setSelectionRange(sentinel.length, sentinel.length);
  };
  reset();
  typing.addEventListener('focus', reset);
  typing.addEventListener('keydown', (event) => {
    physical = event.keyCode !== 229 && event.key !== 'Unidentified';
  });
  typing.addEventListener('keyup', () => { physical = false; });
  typing.addEventListener('input', () => {
    const value = typing.value;
    reset();
    if (physical) { physical = false; return; }
    if (!value.includes(sentinel)) {
      Module._korvatErase();
      return;
    }
    const text = value.replace(sentinel, '');
    if (text) {
      const size = lengthBytesUTF8(text) + 1;
      const bytes = _malloc(size);
      stringToUTF8(text, bytes, size);
      Module._korvatType(bytes);
      _free(bytes);
    }
  });
  const wantsTyping = () => !!(Module._korvatTypingWanted && Module._korvatTypingWanted());
  canvas.addEventListener('touchend', () => {
    if (wantsTyping()) typing.focus();
  });
  // Once the game no longer waits for text, the keyboard goes.
  setInterval(() => {
    if (document.activeElement === typing && !wantsTyping()) typing.blur();
  }, 250);

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js').catch(() => {});
  }
})();
