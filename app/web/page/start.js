// The player's page starting: the text face at once, the menu played back from the calls the
// program makes as it starts (before the program has even been read), then the program itself,
// unpacked and compiled, which takes the menu over and runs until the player closes every
// window. Whatever stops it on the way is told on the page, with the offer to start again.

import facts from 'facts.json';
import * as boxes from './boxes.js';
import * as contents from './contents.js';
import * as inputs from './inputs.js';
import * as phone from './phone.js';
import { programCalls } from './program_calls.js';
import * as testInterface from './test_interface.js';
import * as thumbs from './thumbs.js';
import * as twins from './twins.js';
import * as view from './view.js';
import * as wakeups from './wakeups.js';

performance.mark('minigames-script');

let ended = false;
let stopped = false;

function showNotice(id) {
  const notice = document.getElementById(id);
  notice.hidden = false;
  notice.querySelector('button')?.focus();
}

const calls = programCalls(() => {
  ended = true;
  showNotice('ended');
});

// The program could not start or stopped on the way: the windows on the page would not answer
// any more.
function fail(error) {
  console.error('minigames: the program stopped:', error);
  if (stopped) return;
  stopped = true;
  showNotice('stopped');
}

function start() {
  performance.mark('minigames-start');
  if (!contents.canRun()) {
    // The menu it shows would not answer: say so.
    console.error('minigames: this browser cannot run the games');
    showNotice('failed');
    return;
  }
  contents.createProgram('createMinigames', 'minigames-play-code', calls, {
    onRuntimeInitialized: () => performance.mark('minigames-compiled'),
  }, 'minigames-play-program').then(async (program) => {
    // The program's start and its first turn, each a task of its own.
    await contents.nextTask();
    document.documentElement.dataset.play = 'running';
    setTimeout(offerInstall);
    return program.ccall('mg_play', null, [], [], { async: true });
  }).catch(fail);
}

inputs.whenRecorded(wakeups.wake);
view.listen(phone.windowListener);
boxes.whenOpened(phone.bringToFront);
phone.followScreen();
thumbs.follow();
twins.followPointer();
// The twins show their controls as each turn of the program has left them.
let playing = false;
wakeups.watch((turn) => {
  if (turn !== 'asleep') return;
  if (!playing) performance.mark('minigames-playing');
  playing = true;
  twins.sync();
});
testInterface.install(() => ended);
contents.addFace();

// The calls the program makes as it starts, written down when the page was put together: played
// back at once, they show the menu while the program is still being read. The program then makes
// the same calls, which find their windows there.
for (const [name, ...args] of JSON.parse(
  document.getElementById('minigames-first-picture').textContent)) {
  calls[name](...args);
}

// Hidden or shown again, the program plans its next wake-up anew: frames come only to a page that
// is shown.
document.addEventListener('visibilitychange', () => wakeups.wake());

// Served from a web address, the page installs to a home screen and keeps itself for offline
// play (the site's service worker). Opened from disk it has everything already, and may not read
// the manifest. Both wait until the program plays, as the menu needs neither: the browser fetches
// the manifest's icons and decodes them on the page's thread, and the worker fetches and keeps
// every file of the site.
function offerInstall() {
  if (!/^https?:$/.test(location.protocol)) return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = facts.site.manifest;
  document.head.append(manifest);
  navigator.serviceWorker?.register(facts.site.worker).catch((error) => {
    console.info('minigames: this address keeps no copy for offline play:', error.message);
  });
}

// The program's code comes after this script in the page.
document.addEventListener('DOMContentLoaded', () => {
  for (const again of document.querySelectorAll('button.again')) {
    again.addEventListener('click', () => location.reload());
  }
  start();
});
