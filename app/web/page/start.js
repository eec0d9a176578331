// The player's page starting: the text face at once, the menu played back from the calls the
// program makes as it starts (before the program has even been read), then the program itself,
// unpacked and compiled, which takes the menu over and runs until the player closes every
// window. Whatever stops it on the way is told on the page, with the offer to start again.

/* eslint-env browser */
/* global mgWakeUps, mgView, mgPhone, mgContents */
performance.mark('minigames-script');

const mgStart = {
  // Whether the program has stopped on a failure.
  stopped: false,

  // The calls the program makes as it starts, written down when the page was put together:
  // played back as soon as the page has its desktop, they show the menu while the program is
  // still being read. The program then makes the same calls, which find their windows there.
  playBack(calls) {
    for (const [name, ...args] of calls) MG[name](...args);
  },

  // What the program needs of the browser beyond what the page itself uses.
  canRun() {
    return typeof DecompressionStream === 'function' && typeof WebAssembly === 'object' &&
      typeof WebAssembly.instantiateStreaming === 'function';
  },

  start() {
    performance.mark('minigames-start');
    if (!MG.canRun()) {
      // The menu it shows would not answer: say so.
      console.error('minigames: this browser cannot run the games');
      MG.showNotice('failed');
      return;
    }
    MG.createProgram('createMinigames', 'minigames-play-code', {
      onRuntimeInitialized: () => performance.mark('minigames-compiled'),
    }, 'minigames-play-program').then((program) => {
      document.documentElement.dataset.play = 'running';
      return program.ccall('mg_play', null, [], [], { async: true });
    }).catch(MG.fail);
  },

  // The program could not start or stopped on the way: the windows on the page would not
  // answer any more.
  fail(error) {
    console.error('minigames: the program stopped:', error);
    if (MG.stopped) return;
    MG.stopped = true;
    MG.showNotice('stopped');
  },
  // Every window closed.
  ended() {
    MG.showNotice('ended');
  },
  showNotice(id) {
    const notice = document.getElementById(id);
    notice.hidden = false;
    const again = notice.querySelector('button');
    if (again) again.focus();
  },
};

var MG = { ...mgWakeUps, ...mgView, ...mgPhone, ...mgContents, ...mgStart };
MG.addFace();

// Hidden or shown again, the program plans its next wake-up anew: frames come only to a page
// that is shown.
document.addEventListener('visibilitychange', () => MG.wake());

// Served from a web address, the page installs to a home screen and keeps itself for offline
// play (site/sw.js). Opened from disk it has everything already, and may not read the manifest.
if (/^https?:$/.test(location.protocol)) {
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  window.addEventListener('load', () => {
    navigator.serviceWorker?.register('sw.js').catch((error) => {
      console.info('minigames: this address keeps no copy for offline play:', error.message);
    });
  });
}

document.addEventListener('DOMContentLoaded', () => {
  if (MG.inputs.length > 0) MG.wake();
  for (const again of document.querySelectorAll('button.again')) {
    again.addEventListener('click', () => location.reload());
  }
});
